// One project run through the real engine library, as both programs run
// it: from inside the project's folder, and with no names.dat left behind
// on any path.
#include "runner/project_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "runner/engine_library.h"
#include "runner/run_status.h"
#include "support/engine_run.h"
#include "support/test_folder.h"

namespace {

namespace fs = std::filesystem;
using bormek::testing::binDir;
using bormek::testing::fixturePath;
using bormek::testing::InFolder;
using bormek::testing::readText;
using bormek::testing::TestFolder;

std::string engineLibrary() {
  return engineLibraryPath(binDir());
}

// Records what the runner tells of the engine call.
struct CallRecord {
  std::vector<bool> calls;
  std::function<void(bool)> observer() {
    return [this](bool calling) { calls.push_back(calling); };
  }
};

TEST(ProjectRun, RunsInTheProjectsFolderAndLeavesOnlyTheEnginesFiles) {
  TestFolder folder;
  folder.write("pier.bkd", readText(fixturePath("all_types_si_asd.bkd")));
  CallRecord record;
  // A path relative to the current folder is made absolute.
  InFolder parent(folder.path().parent_path());
  const std::string relative = (folder.path().filename() / "pier.bkd").string();

  const ProjectRun run = runProject(engineLibrary(), relative, record.observer());

  EXPECT_EQ(run.stage, RunStage::kEngineCalled);
  EXPECT_EQ(run.status, kRunCompleted);
  EXPECT_EQ(run.fault, "");
  EXPECT_EQ(record.calls, (std::vector<bool>{true, false}));
  EXPECT_EQ(run.projectPath, folder.file("pier.bkd"));
  EXPECT_EQ(run.reportPath, folder.file("pier.bko"));
  EXPECT_EQ(run.plotPath, folder.file("pier.bkp"));
  EXPECT_EQ(run.notesPath, folder.file("pier.bkr"));
  EXPECT_TRUE(folder.exists("pier.bko"));
  // The engine writes its curve listing into the current folder by bare name.
  EXPECT_TRUE(folder.exists("TZDATA.DAT"));
  EXPECT_FALSE(folder.exists("names.dat"));
  EXPECT_EQ(fs::current_path(), folder.path().parent_path());
}

TEST(ProjectRun, ARunThatCannotReachTheEngineSaysWhyAndLeavesNoNamesDat) {
  const std::string withoutEntry = BORMEK_LIBRARY_WITHOUT_ENTRY;
  struct Case {
    const char* what;
    bool projectExists;
    bool namesDatIsAFolder;
    std::string library;
    RunStage stage;
    std::int32_t status;
    std::string fault;  // its beginning
  };
  const Case cases[] = {
      {"no project", false, false, engineLibrary(), RunStage::kProjectMissing, kRunInputUnreadable,
       "project file "},
      {"no library", true, false, "/nowhere/Bormek2012_DLL.so", RunStage::kLibraryUnusable,
       kRunLibraryUnusable, "Library could not be located"},
      {"no entry", true, false, withoutEntry, RunStage::kLibraryUnusable, kRunLibraryUnusable,
       "Library has no entry _IBORMEK"},
      {"names.dat unwritable", true, true, engineLibrary(), RunStage::kRunControlUnwritten,
       kRunControlMissing, "names.dat cannot be written in "},
  };
  for (const Case& c : cases) {
    TestFolder folder;
    if (c.projectExists) {
      folder.write("pier.bkd", readText(fixturePath("all_types_si_asd.bkd")));
    }
    if (c.namesDatIsAFolder) {
      fs::create_directories(folder.path() / "names.dat" / "inside");
    }
    const fs::path before = fs::current_path();
    CallRecord record;

    const ProjectRun run = runProject(c.library, folder.file("pier.bkd"), record.observer());

    EXPECT_EQ(run.stage, c.stage) << c.what;
    EXPECT_EQ(run.status, c.status) << c.what;
    EXPECT_EQ(run.fault.rfind(c.fault, 0), 0u) << c.what << ": " << run.fault;
    EXPECT_TRUE(record.calls.empty()) << c.what;
    EXPECT_FALSE(folder.exists("pier.bko")) << c.what;
    EXPECT_EQ(fs::is_directory(folder.path() / "names.dat"), c.namesDatIsAFolder) << c.what;
    EXPECT_FALSE(fs::is_regular_file(folder.path() / "names.dat")) << c.what;
    EXPECT_EQ(fs::current_path(), before) << c.what;
  }
}

}  // namespace
