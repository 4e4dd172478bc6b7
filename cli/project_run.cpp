#include "cli/project_run.h"

#include <filesystem>

#include "runner/dynamic_library.h"
#include "runner/run_control_file.h"

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kRunRequestCode = 13;
constexpr const char* kEntrySymbol = "_IBORMEK";
using EngineEntry = std::int32_t (*)(std::int32_t);

// Makes `folder` the current folder for the lifetime of the object.
class FolderChange {
 public:
  explicit FolderChange(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
  }
  ~FolderChange() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
  }
  FolderChange(const FolderChange&) = delete;
  FolderChange& operator=(const FolderChange&) = delete;

 private:
  fs::path previous_;
};

std::int32_t callEngine(const std::string& libraryPath) {
  TDynamicLibrary library;
  library.SetLibraryName(libraryPath);
  library.Open();
  auto entry = reinterpret_cast<EngineEntry>(library.ProcAddress(kEntrySymbol));
  if (entry == nullptr) {
    throw EDLLError("Library has no entry " + std::string(kEntrySymbol));
  }
  return entry(kRunRequestCode);
}

}  // namespace

ProjectRun runProject(const std::string& libraryPath, const std::string& projectPath) {
  ProjectRun run;
  run.projectPath = fs::absolute(projectPath).lexically_normal().string();
  run.reportPath = withExtension(run.projectPath, ".bko");
  run.plotPath = withExtension(run.projectPath, ".bkp");
  run.notesPath = withExtension(run.projectPath, ".bkr");
  if (!fs::is_regular_file(run.projectPath)) {
    run.status = kStatusProjectMissing;
    return run;
  }
  const fs::path folder = fs::path(run.projectPath).parent_path();
  FolderChange change(folder);
  writeRunControlFile(folder.string(), run.projectPath);
  struct RemoveRunControl {
    fs::path file;
    ~RemoveRunControl() {
      std::error_code ignored;
      fs::remove(file, ignored);
    }
  } removeAfterwards{folder / kRunControlFileName};
  run.status = callEngine(libraryPath);
  return run;
}

std::string statusInWords(std::int32_t status) {
  switch (status) {
    case 0:
      return "run completed";
    case 1:
      return "request refused by the engine";
    case 2:
    case 4:
      return "load-settlement stopped: a value beyond a curve's extent";
    case 5:
      return "design load not reached (NEED ANOTHER SOIL LAYER)";
    case 6:
      return "names.dat missing or incomplete";
    case 7:
      return "input file missing, unreadable or malformed";
    case 8:
      return "an output file cannot be created";
    case 9:
      return "internal error of the engine";
    default:
      return "unknown status";
  }
}
