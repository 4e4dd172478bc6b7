#include "entry/report_head.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace bormek {
namespace {

std::vector<std::string> headFor(const RunControl& control, const std::tm& when) {
  testing::TestFolder folder;
  RunOutput out;
  EXPECT_TRUE(out.openReport(folder.file("head.bko")));
  writeReportHead(control, when, out);
  out.closeAll();
  return testing::readLines(folder.file("head.bko"));
}

TEST(ReportHead, LaysOutBannerFileNamesAndDateLineByLine) {
  RunControl control;
  control.versionLabel = "2012.7.8    ";
  control.installationNumber = 4711;
  control.inputPath = "C:\\pier.bkd";
  control.reportPath = "C:\\out\\pier.bko";
  control.plotPath = "/plots/pier.bkplot";
  control.notesPath = "pier.bkr";
  std::tm when{};  // 5 March 2013, 14:07:09
  when.tm_year = 2013 - 1900;
  when.tm_mon = 2;
  when.tm_mday = 5;
  when.tm_hour = 14;
  when.tm_min = 7;
  when.tm_sec = 9;

  const std::vector<std::string> head = headFor(control, when);
  ASSERT_EQ(head.size(), 26u);
  const std::string blanks20(20, ' ');
  const std::string doubleRule = "     " + std::string(73, '=');
  const std::string singleRule = "     " + std::string(73, '-');
  EXPECT_EQ(head[0], doubleRule);
  EXPECT_EQ(head[1], "");
  EXPECT_EQ(head[2], blanks20 + "  Bormek for Windows, Version 2012.7.8    ");
  EXPECT_EQ(head[3], "");
  // The installation number right-aligned in 10 columns ends the line.
  EXPECT_EQ(head[4].substr(0, 20), blanks20);
  EXPECT_EQ(head[4].substr(head[4].size() - 10), "      4711");
  EXPECT_EQ(head[6], blanks20 + "VERTICALLY LOADED DRILLED SHAFT ANALYSIS");
  EXPECT_EQ(head[7].substr(0, 20), blanks20);
  EXPECT_EQ(head[8].substr(0, 20), blanks20);
  EXPECT_EQ(head[9], "");
  EXPECT_EQ(head[10], doubleRule);
  EXPECT_EQ(head[11], "");
  EXPECT_EQ(head[12], "");
  EXPECT_EQ(head[13], "     Path to file locations      : C:\\");  // drive root
  EXPECT_EQ(head[14], "     Name of input data file     : pier.bkd");
  EXPECT_EQ(head[15], "     Name of output file         : pier.bko");
  EXPECT_EQ(head[16],
            "     Name of plot output file    : pier.bkpl");  // extension cut to 5 with the dot
  EXPECT_EQ(head[17], "     Name of runtime file        : pier.bkr");
  EXPECT_EQ(head[18], "");
  EXPECT_EQ(head[19], "");
  EXPECT_EQ(head[20], singleRule);
  EXPECT_EQ(head[21], std::string(26, ' ') + "Time and Date of Analysis");
  EXPECT_EQ(head[22], singleRule);
  EXPECT_EQ(head[23], "");
  EXPECT_EQ(head[24], std::string(15, ' ') + "Date:  March 05, 2013     Time:  14:07:09");
  EXPECT_EQ(head[25], "");
}

}  // namespace
}  // namespace bormek
