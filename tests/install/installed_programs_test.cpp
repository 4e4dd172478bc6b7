// The installed layout, as a package puts it on a machine: the programs in
// bin/ without the engine library beside them, the library, the manuals and
// the examples where the programs look for them relative to themselves, and
// the desktop entry with its icon and AppStream data valid for the desktop's
// tools.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/manual_folder.h"
#include "support/command_outcome.h"
#include "support/test_folder.h"

namespace {

namespace fs = std::filesystem;
using bormek::testing::CommandOutcome;
using bormek::testing::readText;
using bormek::testing::runCommand;
using bormek::testing::TestFolder;

constexpr const char* kDesktopId = "com.talvex.Bormek";

std::string quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

bool toolInstalled(const std::string& tool) {
  return runCommand("command -v " + tool).exitCode == 0;
}

// The value of `key` in the [Desktop Entry] group; "" when absent.
std::string desktopValue(const std::string& entry, const std::string& key) {
  std::istringstream lines(entry);
  const std::string prefix = key + "=";
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with(prefix)) {
      return line.substr(prefix.size());
    }
  }
  return {};
}

class InstalledPrograms : public ::testing::Test {
 protected:
  // One installation serves every test of the suite.
  static void SetUpTestSuite() {
    staging_ = std::make_unique<TestFolder>();
    const CommandOutcome install =
        runCommand(std::string("'") + BORMEK_CMAKE_COMMAND + "' --install '" + BORMEK_BUILD_DIR +
                   "' --prefix " + quoted(staging_->path()));
    installOutput_ = install.output;
    installed_ = install.exitCode == 0;
  }
  static void TearDownTestSuite() { staging_.reset(); }

  void SetUp() override { ASSERT_TRUE(installed_) << installOutput_; }

  static fs::path prefix() { return staging_->path(); }
  static fs::path bin() { return prefix() / BORMEK_INSTALL_BIN_DIR; }
  static fs::path data() { return prefix() / BORMEK_INSTALL_DATA_DIR; }
  static fs::path share() { return prefix() / BORMEK_INSTALL_SHARE_DIR; }

 private:
  static inline std::unique_ptr<TestFolder> staging_;
  static inline std::string installOutput_;
  static inline bool installed_ = false;
};

TEST_F(InstalledPrograms, LieInBinWithTheEngineLibraryInAFolderOfItsOwn) {
  for (const char* program : {"bormek", "bormek-run"}) {
    const fs::path file = bin() / program;
    EXPECT_TRUE(fs::is_regular_file(file)) << file;
    EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_exec, fs::perms::none) << file;
  }
  EXPECT_FALSE(fs::exists(bin() / "Bormek2012_DLL.so"));
  EXPECT_TRUE(fs::is_regular_file(prefix() / BORMEK_INSTALL_ENGINE_DIR / "Bormek2012_DLL.so"));
}

// Run from a folder that is neither the program's nor the project's, on a
// copy of an installed example: the runner finds the library relative to
// itself.
TEST_F(InstalledPrograms, TheRunnerAnalysesAnInstalledExampleFromAnyFolder) {
  TestFolder work;
  const fs::path project = work.path() / "projects" / "sand_clay.bkd";
  fs::create_directories(project.parent_path());
  fs::copy_file(data() / "examples" / "sand_clay.bkd", project);

  const CommandOutcome run = runCommand("cd " + quoted(work.path()) + " && " +
                                        quoted(bin() / "bormek-run") + " projects/sand_clay.bkd");

  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(contains(run.output, "sand_clay.bkd: run completed (status 0)")) << run.output;
  const fs::path report = work.path() / "projects" / "sand_clay.bko";
  ASSERT_TRUE(fs::exists(report));
  EXPECT_TRUE(contains(readText(report.string()),
                       "Bridge pier 4 - stiff clay over medium dense sand (example)"));
}

TEST_F(InstalledPrograms, TheDesktopProgramFindsTheInstalledManuals) {
  const QString folder = ManualFolderOf(QString::fromStdString(bin().string()));
  EXPECT_EQ(fs::path(folder.toStdString()), (data() / "manual").lexically_normal());
  for (const char* page : {"contents.html", "user/index.html", "technical/index.html"}) {
    EXPECT_TRUE(fs::is_regular_file(data() / "manual" / page)) << page;
  }
}

TEST_F(InstalledPrograms, TheDesktopEntryStartsTheInstalledProgramWithItsIcon) {
  const fs::path entryFile = share() / "applications" / (std::string(kDesktopId) + ".desktop");
  ASSERT_TRUE(fs::exists(entryFile));
  const std::string entry = readText(entryFile.string());
  const std::string command = desktopValue(entry, "Exec");
  EXPECT_TRUE(fs::exists(bin() / command.substr(0, command.find(' ')))) << command;
  EXPECT_EQ(desktopValue(entry, "Icon"), kDesktopId);
  EXPECT_TRUE(fs::exists(share() / "icons" / "hicolor" / "scalable" / "apps" /
                         (std::string(kDesktopId) + ".svg")));
  EXPECT_TRUE(fs::exists(share() / "metainfo" / (std::string(kDesktopId) + ".metainfo.xml")));
}

struct Validator {
  const char* tool;
  const char* command;  // followed by the file
  const char* file;     // below the share folder
};

TEST_F(InstalledPrograms, TheDesktopEntryAndTheAppStreamDataValidate) {
  const Validator validators[] = {
      {"desktop-file-validate", "desktop-file-validate", "applications/com.talvex.Bormek.desktop"},
      {"appstreamcli", "appstreamcli validate --no-net", "metainfo/com.talvex.Bormek.metainfo.xml"},
  };
  int ran = 0;
  for (const Validator& validator : validators) {
    if (!toolInstalled(validator.tool)) {
      continue;
    }
    ++ran;
    const CommandOutcome check =
        runCommand(std::string(validator.command) + " " + quoted(share() / validator.file));
    EXPECT_EQ(check.exitCode, 0) << validator.tool << ":\n" << check.output;
  }
  if (ran == 0) {
    GTEST_SKIP() << "neither desktop-file-validate nor appstreamcli is installed";
  }
}

}  // namespace
