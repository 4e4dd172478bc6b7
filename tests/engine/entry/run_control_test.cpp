#include "entry/run_control.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace bormek {
namespace {

TEST(RunControl, ReadsTheSixLinesWithTheirFieldLengths) {
  testing::TestFolder folder;
  const std::string longPath = "/" + std::string(300, 'p');
  folder.write("names.dat", testing::crlf({"2012.7.8-beta-long", "  42 ", "/jobs/a.bkd  ",
                                           "/jobs/a.bko", "/jobs/a.bkp", longPath}));
  std::string problem;
  const auto control = readRunControl(folder.file("names.dat"), problem);
  ASSERT_TRUE(control.has_value()) << problem;
  EXPECT_EQ(control->versionLabel, "2012.7.8-bet");  // cut to 12
  EXPECT_EQ(control->installationNumber, 42);
  EXPECT_EQ(control->inputPath, "/jobs/a.bkd");  // trailing blanks trimmed
  EXPECT_EQ(control->plotPath, "/jobs/a.bkp");
  EXPECT_EQ(control->notesPath, longPath.substr(0, 255));
}

TEST(RunControl, AShortVersionLabelIsPaddedWithBlanks) {
  testing::TestFolder folder;
  folder.write("names.dat", testing::crlf({"2012", "1", "a.bkd", "a.bko", "a.bkp", "a.bkr"}));
  std::string problem;
  const auto control = readRunControl(folder.file("names.dat"), problem);
  ASSERT_TRUE(control.has_value());
  EXPECT_EQ(control->versionLabel, "2012        ");
}

TEST(RunControl, MissingOrMalformedFilesNameTheLine) {
  struct Case {
    std::vector<std::string> lines;
    const char* problemPart;
  };
  const Case cases[] = {
      {{"2012.7.8", "1", "a.bkd", "a.bko"}, "LINE 5: THE PLOT FILE PATH IS MISSING"},
      {{"2012.7.8", "one", "a.bkd", "a.bko", "a.bkp", "a.bkr"},
       "LINE 2, ITEM 1: THE INSTALLATION NUMBER"},
      {{"2012.7.8", "1", "a.bkd", "   ", "a.bkp", "a.bkr"},
       "LINE 4: THE REPORT FILE PATH IS EMPTY"},
  };
  for (const Case& c : cases) {
    testing::TestFolder folder;
    folder.write("names.dat", testing::crlf(c.lines));
    std::string problem;
    EXPECT_FALSE(readRunControl(folder.file("names.dat"), problem).has_value());
    EXPECT_NE(problem.find(c.problemPart), std::string::npos) << problem;
  }
  std::string problem;
  EXPECT_FALSE(readRunControl("/nonexistent/names.dat", problem).has_value());
  EXPECT_NE(problem.find("CANNOT BE OPENED"), std::string::npos);
}

}  // namespace
}  // namespace bormek
