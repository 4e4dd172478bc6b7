// Where the programs find their files: beside them, or in the installed
// layout's folder relative to them; the engine library and the manuals.
#include "runner/program_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "runner/engine_library.h"
#include "support/test_folder.h"

namespace {

namespace fs = std::filesystem;
using bormek::testing::TestFolder;

void touch(const fs::path& file) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << "file";
}

struct LookupCase {
  const char* name;
  const char* file;       // below the program's folder or the installed one
  const char* installed;  // the installed folder, relative to the prefix
  bool besideProgram;     // the file lies in <prefix>/bin
  bool installedLayout;   // the file lies in the installed folder
  const char* expected;   // the path found, relative to the prefix
};

TEST(ProgramFilePath, PrefersTheFileBesideTheProgramThenTheInstalledOne) {
  const LookupCase cases[] = {
      {"library, build tree", "Bormek2012_DLL.so", "lib/bormek", true, false,
       "bin/Bormek2012_DLL.so"},
      {"library, both", "Bormek2012_DLL.so", "lib/bormek", true, true, "bin/Bormek2012_DLL.so"},
      {"library, installed", "Bormek2012_DLL.so", "lib/bormek", false, true,
       "lib/bormek/Bormek2012_DLL.so"},
      {"library, missing", "Bormek2012_DLL.so", "lib/bormek", false, false,
       "bin/Bormek2012_DLL.so"},
      {"manual, build tree", "manual/contents.html", "share/bormek", true, false,
       "bin/manual/contents.html"},
      {"manual, installed", "manual/contents.html", "share/bormek", false, true,
       "share/bormek/manual/contents.html"},
  };
  for (const LookupCase& lookup : cases) {
    TestFolder prefix;
    const fs::path bin = prefix.path() / "bin";
    fs::create_directories(bin);
    if (lookup.besideProgram) {
      touch(bin / lookup.file);
    }
    if (lookup.installedLayout) {
      touch(prefix.path() / lookup.installed / lookup.file);
    }
    EXPECT_EQ(
        programFilePath(bin.string(), lookup.file, (fs::path("..") / lookup.installed).string()),
        (prefix.path() / lookup.expected).string())
        << lookup.name;
  }
}

// The library's installed folder is the one the install rules use.
TEST(ProgramFilePath, TheEngineLibraryIsLookedForInLibBormek) {
  TestFolder prefix;
  fs::create_directories(prefix.path() / "bin");
  touch(prefix.path() / "lib" / "bormek" / kEngineLibraryFileName);
  EXPECT_EQ(engineLibraryPath((prefix.path() / "bin").string()),
            (prefix.path() / "lib" / "bormek" / kEngineLibraryFileName).string());
}

}  // namespace
