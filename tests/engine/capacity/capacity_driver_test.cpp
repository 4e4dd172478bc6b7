// Whole runs of the capacity analysis on small projects: the sections of
// the report, the run notes and the run status.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/engine_run.h"

namespace bormek {
namespace {

using Lines = std::vector<std::string>;

std::string projectText(const std::string& units, const std::string& control,
                        const std::string& shaft, const std::string& count, const Lines& layers) {
  Lines lines = {"Driver test", units, control, shaft, count};
  lines.insert(lines.end(), layers.begin(), layers.end());
  return testing::crlf(lines);
}

// Clay 0 to 40 ft, c from 1000 to 3000 psf, Nc 9, alpha 0.55.
const Lines kLinearClay = {"2 40.0", "9 120 0 1000 10 0 0 1 1", "9 120 0 3000 10 0 0 1 1",
                           "0.55 0.55"};

int countOf(const Lines& lines, const std::string& text) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), text));
}

std::vector<double> numbersOf(const std::string& line) {
  std::istringstream in(line);
  std::vector<double> numbers;
  double value = 0.0;
  while (in >> value) {
    numbers.push_back(value);
  }
  return numbers;
}

// The result rows of every table: the lines of eight numbers after each
// second head line (data warnings may stand between the heads and the rows).
std::vector<Lines> tablesOf(const Lines& report) {
  std::vector<Lines> tables;
  for (const std::string& line : report) {
    if (line.rfind("     (FEET)", 0) == 0 || line.rfind("      ( M )", 0) == 0) {
      tables.emplace_back();
    } else if (!tables.empty() && numbersOf(line).size() == 8) {
      tables.back().push_back(line);
    }
  }
  return tables;
}

TEST(CapacityDriver, ThreeDiametersAndOneMostEfficientShaftBlock) {
  testing::TestFolder folder;
  const auto result =
      testing::runEngineOn(folder, projectText("1", "2 1 1.0 1.0 1 2", "2.0 3.0 0 0 0 0 3600000",
                                               "1 20.0 20.0 2.0 3.0", kLinearClay));
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(countOf(result.report, "     DRILLED SHAFT INFORMATION"), 3);
  const std::string blockHead =
      " THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE APPEARS TO BE THE FOLLOWING ONE:";
  ASSERT_EQ(countOf(result.report, blockHead), 1);

  // The block names the diameter whose last row has the highest QU/VOLUME.
  const std::vector<Lines> tables = tablesOf(result.report);
  ASSERT_EQ(tables.size(), 3u);
  const char* stems[] = {"  DIAMETER OF STEM       = 2.00 FT.",
                         "  DIAMETER OF STEM       = 2.50 FT.",
                         "  DIAMETER OF STEM       = 3.00 FT."};
  std::size_t best = 0;
  double bestPerVolume = 0.0;
  for (std::size_t k = 0; k < tables.size(); ++k) {
    const std::vector<double> last = numbersOf(tables[k].back());
    EXPECT_EQ(last[0], 20.0);  // each table ends at the design depth
    if (last[7] > bestPerVolume) {
      bestPerVolume = last[7];
      best = k;
    }
  }
  EXPECT_EQ(countOf(result.report, stems[best]), 1);
  // The block comes after the last table.
  const auto blockAt = std::find(result.report.begin(), result.report.end(), blockHead);
  const auto lastHeading =
      std::find(result.report.rbegin(), result.report.rend(), "     DRILLED SHAFT INFORMATION");
  EXPECT_GT(blockAt, lastHeading.base());
}

TEST(CapacityDriver, DesignLoadNotReachedEndsTheRunWithStatus5) {
  testing::TestFolder folder;
  const auto result =
      testing::runEngineOn(folder, projectText("1", "1 1 1.0 1.0 1 2", "2.0 2.0 0 0 0 0 3600000",
                                               "1 20.0 5000.0 2.0 3.0", kLinearClay));
  EXPECT_EQ(result.status, 5);
  const std::string message = "   *********** NEED ANOTHER SOIL LAYER ************";
  EXPECT_EQ(countOf(result.report, message), 1);
  EXPECT_EQ(countOf(result.notes, message), 1);
  // The rows formed before stand: 1 ft to 40 - 4 - 1 = 35 ft.
  ASSERT_EQ(tablesOf(result.report).size(), 1u);
  EXPECT_EQ(tablesOf(result.report)[0].size(), 35u);
}

TEST(CapacityDriver, AProfileTooShortForAnyRowEndsTheRunWithStatus5) {
  testing::TestFolder folder;
  const auto result = testing::runEngineOn(
      folder,
      projectText("1", "2 1 1.0 1.0 1 2", "2.0 2.0 0 0 0 0 3600000", "1 20.0 20.0 2.0 3.0",
                  {"2 4.0", "9 120 0 1000 10 0 0 1 1", "9 120 0 1200 10 0 0 1 1", "0.55 0.55"}));
  EXPECT_EQ(result.status, 5);
  const Lines message = {"", "       INCREASE THE SOIL DEPTH TO GIVE ENOUGH LENGTH FOR",
                         "       COMPUTING THE BASE RESISTANCE- AT LEAST TWO DIAMETER"};
  // After the warning that the proposed depth lies below the profile.
  const Lines notesEnd(result.notes.end() - 3, result.notes.end());
  EXPECT_EQ(notesEnd, message);
  const Lines reportEnd(result.report.end() - 3, result.report.end());
  EXPECT_EQ(reportEnd, message);
}

TEST(CapacityDriver, ClayWithoutCohesionUsesNAndWarnsForEverySlice) {
  testing::TestFolder folder;
  // c = N / 10 tsf = 4000 psf for N = 20; alpha 0.55 from c = 0:
  // f = 0.55 x 4000 / 2000 = 1.1 tsf, QS(5 ft) = 5 x 1.1 x 6.284 = 34.56 t.
  const auto result = testing::runEngineOn(
      folder,
      projectText("1", "2 1 1.0 1.0 1 2", "2.0 2.0 0 0 0 0 3600000", "2 30.0 5.0 2.0 3.0",
                  {"2 10.0", "9 120 0 0 20 0 0 1 1", "9 120 0 0 20 0 0 1 1", "0 0", "2 30.0",
                   "9 120 0 2000 10 0 0 1 1", "9 120 0 2000 10 0 0 1 1", "0.55 0.55"}));
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(countOf(result.report, "THE PREDICTED LOAD TRANSFER IN CLAY BASED ON THE N-VALUE"), 10);
  const std::vector<Lines> tables = tablesOf(result.report);
  ASSERT_EQ(tables.size(), 1u);
  ASSERT_GE(tables[0].size(), 5u);
  const std::vector<double> row5 = numbersOf(tables[0][4]);
  EXPECT_EQ(row5[0], 5.0);
  EXPECT_NEAR(row5[2], 34.56, 0.006);
}

TEST(CapacityDriver, DataChecksWriteTheirMessagesWhereTheyBelong) {
  testing::TestFolder folder;
  // Gravel with the default beta and N = 20 (at most 25), and a sand layer
  // with neither N nor friction angle and a unit weight below 50 pcf.
  const auto result = testing::runEngineOn(
      folder, projectText("1", "2 1 1.0 1.0 1 2", "2.0 2.0 0 0 0 0 3600000", "2 30.0 5.0 2.0 3.0",
                          {"9 2.0", "125 20 0 0 0 1 1", "125 20 0 0 0 1 1", "1 30.0",
                           "0 40 0 0 0 0 0 1 1", "0 40 0 0 0 0 0 1 1", "1", "0.5 0.5"}));
  ASSERT_EQ(result.status, 0);
  const std::string gravel = "       Blow counts should be greater than 25 for this criterion.";
  EXPECT_EQ(countOf(result.report, gravel), 2);  // one per slice of the 2-ft layer
  EXPECT_EQ(countOf(result.notes, gravel), 2);
  EXPECT_EQ(countOf(result.notes, "OR THE INTERNAL FRICTION ANGLE FOR SAND LAYERS"), 28);
  EXPECT_EQ(countOf(result.notes, "IS BELOW THE WATER TABLE WHICH SHOULD BE ENTERED BY THE USER"),
            28);
  EXPECT_EQ(countOf(result.report, "OR THE INTERNAL FRICTION ANGLE FOR SAND LAYERS"), 0);
}

TEST(CapacityDriver, ClayShaleAtTheBottomGetsTheWeakRockNote) {
  testing::TestFolder folder;
  const auto result = testing::runEngineOn(
      folder, projectText("1", "2 1 1.0 1.0 1 2", "2.0 2.0 0 0 0 0 3600000", "1 20.0 20.0 2.0 3.0",
                          {"3 40.0", "0 125 0 6000 30 0 0 1 1", "0 125 0 6000 30 0 0 1 1", "0 0"}));
  ASSERT_EQ(result.status, 0);
  const Lines note = {"",
                      "",
                      "ROCK WITH COMPRESSIVE STRENGTH LESS THAN 1000 PSI (6894 kPA)",
                      "------------------------------------------------------------",
                      "IF THE SETTLEMENT IS LESS THAN 0.4 IN. (10 mm), THE LOAD IS",
                      "CARRIED ENTIRELY IN SIDE RESISTANCE.  IF THE SETTLEMENT IS",
                      "GREATER THAN 0.4 IN. (10 MM), THE LOAD IS CARRIED ENTIRELY",
                      "IN END BEARING."};
  const Lines reportEnd(result.report.end() - 8, result.report.end());
  EXPECT_EQ(reportEnd, note);
}

TEST(CapacityDriver, SoundRockAboveTheShaleLeavesOutTheWeakRockNote) {
  testing::TestFolder folder;
  // Strong rock of 2000 psi (288000 psf) with concrete of 4000 psi over clay
  // shale: the last rock strength evaluated is 2000 psi.
  const auto result = testing::runEngineOn(
      folder, projectText("1", "2 1 1.0 1.0 1 2", "2.0 2.0 0 0 0 0 3600000", "2 20.0 20.0 2.0 3.0",
                          {"7 20.0", "288000 576000 1.0 0.0 2.0 0 1000000 90 0 1 1",
                           "288000 576000 1.0 0.0 2.0 0 1000000 90 0 1 1", "3 40.0",
                           "0 125 0 6000 30 0 0 1 1", "0 125 0 6000 30 0 0 1 1", "0 0"}));
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(countOf(result.report, "ROCK WITH COMPRESSIVE STRENGTH LESS THAN 1000 PSI (6894 kPA)"),
            0);
}

// The same sand profile in English and SI units: every SI row is the
// English row converted with the report factors.
TEST(CapacityDriver, SiRowsEqualTheEnglishRowsConverted) {
  const Lines englishLayers = {"1 40.0", "0 120 35 0 20 0 0 1 1", "0 120 35 0 20 0 0 1 1", "1",
                               "0.5 0.5"};
  // 40 ft = 12.192 m, 120 pcf = 18.8504 kN/m³, 4.6 m = 15.0917 ft; the stem of
  // 0.61 m is 2.001288 ft (0.6096 m would give 1.99998 ft and one foot less
  // of base zone, int(2 DB) = 3);
  // 5 ft = 1.524 m; shaft length 30.18 ft = 9.2 m.
  const Lines siLayers = {"1 12.192", "0 18.8504 35 0 20 0 0 1 1", "0 18.8504 35 0 20 0 0 1 1", "1",
                          "0.5 0.5"};
  testing::TestFolder englishFolder;
  const auto english = testing::runEngineOn(
      englishFolder, projectText("1", "2 1 1.0 5.0 1 2", "2.001288 2.001288 0 0 0 0 3600000",
                                 "1 15.0917 30.18 2.0 3.0", englishLayers));
  testing::TestFolder siFolder;
  const auto si = testing::runEngineOn(
      siFolder, projectText("2", "2 1 1.0 1.524 1 2", "0.61 0.61 0 0 0 0 24821000",
                            "1 4.6 9.2 2.0 3.0", siLayers));
  ASSERT_EQ(english.status, 0);
  ASSERT_EQ(si.status, 0);
  const Lines englishRows = tablesOf(english.report).at(0);
  const Lines siRows = tablesOf(si.report).at(0);
  ASSERT_EQ(englishRows.size(), 6u);  // 5, 10, ... 30 ft
  ASSERT_EQ(siRows.size(), englishRows.size());
  const double factors[] = {3.2808, 1.3078, 0.1124, 0.1124,
                            0.1124, 0.1124, 0.1124, 0.1124 / 1.3078};
  for (std::size_t r = 0; r < siRows.size(); ++r) {
    const std::vector<double> en = numbersOf(englishRows[r]);
    const std::vector<double> metric = numbersOf(siRows[r]);
    ASSERT_EQ(en.size(), 8u);
    ASSERT_EQ(metric.size(), 8u);
    for (std::size_t c = 0; c < 8; ++c) {
      // SI prints one decimal: half a unit of the last place, plus 0.1 %.
      const double expected = en[c] / factors[c];
      EXPECT_NEAR(metric[c], expected, 0.051 + 0.001 * expected) << "row " << r << " column " << c;
    }
  }
}

}  // namespace
}  // namespace bormek
