// Whole runs through the load-settlement stage: the plot-data file, the
// curve listing and the statuses that stop a run.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "support/engine_run.h"

namespace bormek {
namespace {

using Lines = std::vector<std::string>;

std::string projectText(const std::string& control, const std::string& shaft,
                        const std::string& count, const Lines& layers) {
  Lines lines = {"Settlement test", "1", control, shaft, count};
  lines.insert(lines.end(), layers.begin(), layers.end());
  return testing::crlf(lines);
}

const Lines kLinearClay = {"2 40.0", "9 120 0 1000 10 0 0 1 1", "9 120 0 3000 10 0 0 1 1",
                           "0.55 0.55"};

std::vector<std::string> wordsOf(const Lines& lines) {
  std::vector<std::string> words;
  for (const std::string& line : lines) {
    std::istringstream in(line);
    std::string word;
    while (in >> word) {
      words.push_back(word);
    }
  }
  return words;
}

TEST(SettlementRun, PlotFileHasOneDepthRowPerEvaluatedFoot) {
  testing::TestFolder folder;
  // Shaft length 20 ft: twenty 1-ft rows, whatever the report's increment.
  const auto result =
      testing::runEngineOn(folder, projectText("2 1 1.0 2.0 1 2", "2.0 2.0 0 0 0 0 3600000",
                                               "1 20.0 20.0 2.0 3.0", kLinearClay));
  ASSERT_EQ(result.status, 0);
  const Lines plot = testing::readLines(folder.file("project.bkp"));
  // Header, two literal rows, twenty two-line depth rows, 45 load-settlement rows.
  ASSERT_EQ(plot.size(), 1u + 2u + 40u + 45u);
  const std::vector<std::string> header = wordsOf({plot[0]});
  EXPECT_EQ(header, (std::vector<std::string>{"1", "22", "3"}));
  EXPECT_EQ(plot[1], "   0.0  0.0  0.0  0.0  0.0 0.0  0.0  ");
  EXPECT_EQ(plot[2], "  0.100E+01   0.0   0.0  0.0 0.0  0.0  0.0 ");
  EXPECT_EQ(wordsOf({plot[3]}).size(), 5u);
  EXPECT_EQ(wordsOf({plot[4]}).size(), 2u);
  EXPECT_EQ(wordsOf({plot[42]}).size(), 2u);
  EXPECT_EQ(wordsOf({plot[43]}).size(), 4u);
  for (int foot = 1; foot <= 20; ++foot) {
    const std::size_t line = 3 + 2 * static_cast<std::size_t>(foot - 1);
    EXPECT_EQ(std::stod(wordsOf({plot[line]})[0]), foot) << plot[line];
  }
  // The first depth row: depth 1 ft, QS, QB, QU = QS + QB, then with ASD
  // QS / FS side (2), QB / FS base (3) and QDN = their sum. E10.3 keeps
  // three digits, so each printed value may be off by half a unit of its
  // third digit (up to 0.5 %): compare within 1 %.
  std::vector<double> row;
  for (const std::string& word : wordsOf({plot[3], plot[4]})) {
    row.push_back(std::stod(word));
  }
  ASSERT_EQ(row.size(), 7u);
  const auto near = [](double actual, double expected) {
    return std::abs(actual - expected) <= 0.01 * std::abs(expected) + 1e-9;
  };
  EXPECT_EQ(row[0], 1.0);
  // Clay c = 1000 + 50 z psf, alpha 0.55, Nc 9, D = 2 ft: QS(1 ft) = 6.284 x
  // 0.55 / 2000 x 1050 = 1.8145 t; QB = 9 x 3.142 / 2000 x (1000 + 50 x
  // (2 + 2.142857)) = 17.068 t (the two-diameter weights 0, 0.3, 0.6, 0.5
  // put the mean 2.142857 ft below the first entry of the zone, at 2 ft).
  EXPECT_TRUE(near(row[1], 1.8145)) << plot[3];
  EXPECT_TRUE(near(row[2], 17.068)) << plot[3];
  EXPECT_TRUE(near(row[3], row[1] + row[2])) << plot[3];
  EXPECT_TRUE(near(row[4], row[1] / 2.0)) << plot[3];
  EXPECT_TRUE(near(row[5], row[2] / 3.0)) << plot[4];
  EXPECT_TRUE(near(row[6], row[4] + row[5])) << plot[4];
  const std::vector<std::string> words = wordsOf(plot);
  EXPECT_EQ(words.size(), 3u + 7u + 7u + 140u + 180u);
  for (const std::string& word : words) {
    std::size_t used = 0;
    EXPECT_NO_THROW(static_cast<void>(std::stod(word, &used))) << word;
    EXPECT_EQ(used, word.size()) << word;
  }
  // The last pass's curves stay in the curve listing of the working folder.
  const Lines listing = testing::readLines(folder.file("TZDATA.DAT"));
  ASSERT_FALSE(listing.empty());
  EXPECT_EQ(listing.front(),
            "     NOTE: TZ CURVE DATA ARE AVAILABLE FOR SAND AND CLAY LAYERS ONLY.");
  EXPECT_EQ(listing.back(), "1");
  // Three report sections, and the run-notes line of each pass: 15, N, 0, N.
  int sections = 0;
  for (const std::string& line : result.report) {
    sections += line.find("RESULT FROM") != std::string::npos ? 1 : 0;
  }
  EXPECT_EQ(sections, 3);
  EXPECT_EQ(result.notes, Lines(3, "          15          20           0          20"));
}

// The lines of the report's load-settlement sections and of the plot
// file's load-settlement rows.
Lines settlementLinesOf(const testing::EngineResult& result, const Lines& plot) {
  // Each section: its heading, an empty line, two heading lines, 15 rows.
  constexpr std::size_t kSectionLines = 19;
  Lines lines;
  const Lines& report = result.report;
  for (std::size_t k = 0; k + kSectionLines <= report.size(); ++k) {
    if (report[k].find("RESULT FROM") != std::string::npos) {
      lines.insert(lines.end(), report.begin() + static_cast<std::ptrdiff_t>(k),
                   report.begin() + static_cast<std::ptrdiff_t>(k + kSectionLines));
    }
  }
  lines.insert(lines.end(), plot.end() - 45, plot.end());
  return lines;
}

TEST(SettlementRun, LoadSettlementDoesNotDependOnTheOutputIncrement) {
  Lines reference;
  for (const char* increment : {"1.0", "2.5", "5.0", "10.0"}) {
    testing::TestFolder folder;
    const std::string control = std::string("2 1 1.0 ") + increment + " 1 2";
    const auto result = testing::runEngineOn(
        folder,
        projectText(control, "2.0 2.0 0 0 0 0 3600000", "1 20.0 20.0 2.0 3.0", kLinearClay));
    ASSERT_EQ(result.status, 0) << increment;
    const Lines plot = testing::readLines(folder.file("project.bkp"));
    ASSERT_EQ(plot.size(), 1u + 2u + 40u + 45u) << increment;
    EXPECT_EQ(result.notes, Lines(3, "          15          20           0          20"))
        << increment;
    const Lines lines = settlementLinesOf(result, plot);
    ASSERT_EQ(lines.size(), 3u * 19u + 45u) << increment;
    if (reference.empty()) {
      reference = lines;
    }
    EXPECT_EQ(lines, reference) << "increment " << increment;
  }
}

TEST(SettlementRun, AThinDeepestLayerStopsTheRunWithStatus2) {
  testing::TestFolder folder;
  // The deepest layer ends at 40.4 ft, rounded to 40 ft: it keeps 0.1 in of
  // thickness, and its first node, 12.01 in below its top, lies beyond it.
  const auto result = testing::runEngineOn(
      folder,
      projectText("2 1 1.0 2.0 1 2", "2.0 2.0 0 0 0 0 3600000", "2 20.0 20.0 2.0 3.0",
                  {"2 40.0", "9 120 0 1000 10 0 0 1 1", "9 120 0 3000 10 0 0 1 1", "0.55 0.55",
                   "2 40.4", "9 120 0 3000 10 0 0 1 1", "9 120 0 3000 10 0 0 1 1", "0.55 0.55"}));
  EXPECT_EQ(result.status, 2);
  // 40 ft = 480 in, + 12.01 in = 492.01 in.
  const Lines expected = {"", std::string(29, ' ') + "**** WARNING ****",
                          "     THE VALUE OF X =0.492E+03 IS BEYOND THE EXTENT OF THE INPUT "
                          "STRENGTH CURVE 1"};
  const Lines reportEnd(result.report.end() - 3, result.report.end());
  EXPECT_EQ(reportEnd, expected);
  EXPECT_TRUE(testing::readLines(folder.file("project.bkp")).empty());
}

TEST(SettlementRun, RockTipsWriteOneLineAndItsReportTable) {
  testing::TestFolder folder;
  const auto result = testing::runEngineOn(
      folder, projectText("2 1 1.0 5.0 1 2", "3.0 3.0 0 0 3.0 0.0 3600000", "2 10.0 25.0 2.0 3.0",
                          {"2 15.0", "0 118 0 1800 10 0 0 1 1", "0 120 0 2200 12 0 0 1 1", "0 0",
                           "4 50.0", "216000 576000 2.0 0.01 3.0 0 1000000 80 0 1 1",
                           "216000 576000 2.0 0.01 3.0 0 1000000 80 0 1 1"}));
  ASSERT_EQ(result.status, 0);
  const Lines plot = testing::readLines(folder.file("project.bkp"));
  const std::vector<std::string> header = wordsOf({plot[0]});
  ASSERT_EQ(header.size(), 3u);
  EXPECT_EQ(header[2], "0");  // no t-z pass has run
  const int rows = std::stoi(header[1]) - 2;
  EXPECT_EQ(plot.size(), static_cast<std::size_t>(3 + 2 * rows + 15));
  const Lines heading = {"", std::string(22, ' ') + "TOP  LOAD     TOP MOVEMENT     ",
                         std::string(22, ' ') + "   TONS             IN.       "};
  const Lines reportEnd(result.report.end() - 18, result.report.end() - 15);
  EXPECT_EQ(reportEnd, heading);
}

}  // namespace
}  // namespace bormek
