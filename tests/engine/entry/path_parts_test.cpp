#include "entry/path_parts.h"

#include <gtest/gtest.h>

#include <utility>

namespace bormek {
namespace {

struct SplitCase {
  const char* path;
  const char* drive;
  const char* directory;
  const char* baseName;
  const char* extension;
};

TEST(PathParts, SplitsPosixAndWindowsPaths) {
  const SplitCase cases[] = {
      {"/home/eng/jobs/pier 12.bkd", "", "/home/eng/jobs/", "pier 12", ".bkd"},
      {"C:\\Jobs\\Bridge\\pier.bkd", "C:", "\\Jobs\\Bridge\\", "pier", ".bkd"},
      {"C:\\pier.bkd", "C:", "\\", "pier", ".bkd"},  // root of a drive
      {"D:/mixed\\folders/pier.bko", "D:", "/mixed\\folders/", "pier", ".bko"},
      {"/jobs/pier.bkdata", "", "/jobs/", "pier", ".bkda"},  // extension cut to 5
      {"/jobs/v1.2/pier", "", "/jobs/v1.2/", "pier", ""},
      {"pier.bkd", "", "", "pier", ".bkd"},
      {"/jobs/x:y.bkd", "", "/jobs/", "x:y", ".bkd"},  // a drive only at the start
  };
  for (const SplitCase& c : cases) {
    const PathParts parts = splitPath(c.path);
    EXPECT_EQ(parts.drive, c.drive) << c.path;
    EXPECT_EQ(parts.directory, c.directory) << c.path;
    EXPECT_EQ(parts.baseName, c.baseName) << c.path;
    EXPECT_EQ(parts.extension, c.extension) << c.path;
  }
}

TEST(PathParts, ReplacesOrAppendsTheExtensionOfTheFileName) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/eng/jobs/pier 12.bko", "/home/eng/jobs/pier 12.json"},
      {"C:\\Jobs\\pier.bko", "C:\\Jobs\\pier.json"},
      {"/jobs/v1.2/pier", "/jobs/v1.2/pier.json"},  // a dot in a folder is not the name's
      {"C:pier", "C:pier.json"},
      {"pier.a.bko", "pier.a.json"},
      {"/jobs/pier.extension-longer-than-five", "/jobs/pier.json"},
  };
  for (const auto& [path, expected] : cases) {
    EXPECT_EQ(withExtension(path, ".json"), expected) << path;
  }
}

TEST(PathParts, TheFileNameFollowsTheLastSeparatorOrDrive) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/eng/jobs/pier 12.bkd", "pier 12.bkd"},
      {"C:\\Jobs\\pier.bkd", "pier.bkd"},
      {"C:pier.bkd", "pier.bkd"},
      {"pier.bkd", "pier.bkd"},
      {"/jobs/", ""},
  };
  for (const auto& [path, expected] : cases) {
    EXPECT_EQ(fileNameOf(path), expected) << path;
  }
}

}  // namespace
}  // namespace bormek
