#include "runner/project_run.h"

#include <filesystem>

#include "runner/dynamic_library.h"
#include "runner/engine_library.h"
#include "runner/run_control_file.h"
#include "runner/run_status.h"

namespace fs = std::filesystem;

namespace {

// Makes `folder` the current folder for the lifetime of the object, when it
// can be entered.
class FolderChange {
 public:
  explicit FolderChange(const fs::path& folder) {
    std::error_code error;
    previous_ = fs::current_path(error);
    if (!error) {
      fs::current_path(folder, error);
      entered_ = !error;
    }
  }
  ~FolderChange() {
    std::error_code ignored;
    if (entered_) {
      fs::current_path(previous_, ignored);
    }
  }
  FolderChange(const FolderChange&) = delete;
  FolderChange& operator=(const FolderChange&) = delete;

  bool Entered() const { return entered_; }

 private:
  fs::path previous_;
  bool entered_ = false;
};

// Deletes names.dat from the folder when the object goes, whatever became
// of the run; only a file is deleted, never a folder of that name.
class RunControlRemoval {
 public:
  explicit RunControlRemoval(const fs::path& folder) : file_(folder / kRunControlFileName) {}
  ~RunControlRemoval() {
    std::error_code ignored;
    if (fs::is_regular_file(fs::symlink_status(file_, ignored))) {
      fs::remove(file_, ignored);
    }
  }
  RunControlRemoval(const RunControlRemoval&) = delete;
  RunControlRemoval& operator=(const RunControlRemoval&) = delete;

 private:
  fs::path file_;
};

ProjectRun namedRun(const std::string& projectPath) {
  ProjectRun run;
  std::error_code error;
  const fs::path absolute = fs::absolute(projectPath, error);
  run.projectPath = (error ? fs::path(projectPath) : absolute).lexically_normal().string();
  run.reportPath = withExtension(run.projectPath, ".bko");
  run.plotPath = withExtension(run.projectPath, ".bkp");
  run.notesPath = withExtension(run.projectPath, ".bkr");
  run.resultsPath = withExtension(run.projectPath, ".json");
  return run;
}

void notRun(ProjectRun& run, RunStage stage, std::int32_t status, std::string fault) {
  run.stage = stage;
  run.status = status;
  run.fault = std::move(fault);
}

// Binds the library and resolves the entry; nullptr with the reason in
// `fault` when it cannot be used.
EngineEntry bindEntry(TDynamicLibrary& library, const std::string& libraryPath,
                      std::string& fault) {
  try {
    library.SetLibraryName(libraryPath);
    library.Open();
    auto entry = reinterpret_cast<EngineEntry>(library.ProcAddress(kEntrySymbol));
    if (entry == nullptr) {
      fault = "Library has no entry " + std::string(kEntrySymbol);
    }
    return entry;
  } catch (const EDLLError& error) {
    fault = error.what();
    if (!error.detail().empty()) {
      fault += " (" + error.detail() + ")";
    }
    return nullptr;
  }
}

}  // namespace

ProjectRun runProject(const std::string& libraryPath, const std::string& projectPath,
                      const std::function<void(bool calling)>& aroundCall) {
  ProjectRun run = namedRun(projectPath);
  std::error_code error;
  if (!fs::is_regular_file(run.projectPath, error)) {
    notRun(run, RunStage::kProjectMissing, kRunInputUnreadable,
           "project file " + run.projectPath + " not found");
    return run;
  }
  const fs::path folder = fs::path(run.projectPath).parent_path();
  FolderChange change(folder);
  RunControlRemoval removal(folder);
  if (!change.Entered() || !writeRunControlFile(folder.string(), run.projectPath)) {
    notRun(run, RunStage::kRunControlUnwritten, kRunControlMissing,
           std::string(kRunControlFileName) + " cannot be written in " + folder.string());
    return run;
  }
  // The binding lives only for this call, so every run starts the engine
  // with freshly initialised data.
  TDynamicLibrary library;
  std::string fault;
  const EngineEntry entry = bindEntry(library, libraryPath, fault);
  if (entry == nullptr) {
    notRun(run, RunStage::kLibraryUnusable, kRunLibraryUnusable, fault);
    return run;
  }
  if (aroundCall) {
    aroundCall(true);
  }
  run.status = entry(kRunRequestCode);
  if (aroundCall) {
    aroundCall(false);
  }
  run.stage = RunStage::kEngineCalled;
  return run;
}
