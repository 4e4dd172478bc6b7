// names.dat as the engine reads it: six lines ending in CR LF, the three
// output paths derived from the project's.
#include "runner/run_control_file.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace {

using bormek::testing::readText;
using bormek::testing::TestFolder;

TEST(RunControlFile, HoldsTheVersionTheInstallationAndTheFourPaths) {
  TestFolder folder;
  ASSERT_TRUE(writeRunControlFile(folder.path().string(), "/data/piers/pier 7.bkd"));
  EXPECT_EQ(readText(folder.file("names.dat")),
            "2012.7.8\r\n1\r\n/data/piers/pier 7.bkd\r\n/data/piers/pier 7.bko\r\n"
            "/data/piers/pier 7.bkp\r\n/data/piers/pier 7.bkr\r\n");
}

TEST(RunControlFile, AFolderThatDoesNotExistIsReported) {
  TestFolder folder;
  EXPECT_FALSE(writeRunControlFile(folder.file("absent"), "/data/pier.bkd"));
}

TEST(RunControlFile, OutputNamesReplaceOrAddTheExtension) {
  const struct {
    const char* project;
    const char* report;
  } cases[] = {
      {"/a/pier.bkd", "/a/pier.bko"},
      {"/a/pier", "/a/pier.bko"},
      {"/a.b/pier.v2.bkd", "/a.b/pier.v2.bko"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(withExtension(c.project, ".bko"), c.report) << c.project;
  }
}

}  // namespace
