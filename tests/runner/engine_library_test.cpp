// Where the programs find the engine library: beside them, or in the
// installed layout's folder relative to them.
#include "runner/engine_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/test_folder.h"

namespace {

namespace fs = std::filesystem;
using bormek::testing::TestFolder;

void touch(const fs::path& file) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << "library";
}

struct LookupCase {
  const char* name;
  bool besideProgram;    // a library in the program's folder
  bool installedLayout;  // a library in <prefix>/lib/bormek
  const char* expected;  // the path found, relative to the prefix
};

TEST(EngineLibraryPath, PrefersTheLibraryBesideTheProgramThenTheInstalledOne) {
  const LookupCase cases[] = {
      {"build tree", true, false, "bin/Bormek2012_DLL.so"},
      {"both", true, true, "bin/Bormek2012_DLL.so"},
      {"installed", false, true, "lib/bormek/Bormek2012_DLL.so"},
      {"missing", false, false, "bin/Bormek2012_DLL.so"},
  };
  for (const LookupCase& lookup : cases) {
    TestFolder prefix;
    fs::create_directories(prefix.path() / "bin");
    if (lookup.besideProgram) {
      touch(prefix.path() / "bin" / "Bormek2012_DLL.so");
    }
    if (lookup.installedLayout) {
      touch(prefix.path() / "lib" / "bormek" / "Bormek2012_DLL.so");
    }
    EXPECT_EQ(engineLibraryPath((prefix.path() / "bin").string()),
              (prefix.path() / lookup.expected).string())
        << lookup.name;
  }
}

}  // namespace
