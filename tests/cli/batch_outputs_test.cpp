// bormek-run's workbooks and batch summary, as a user asks for them. The
// summary's numbers are checked against the report and the plot-data file
// of the same runs, read by their documented layouts.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "support/command_outcome.h"
#include "support/engine_run.h"
#include "support/printed_layout.h"
#include "support/test_folder.h"

namespace bormek {
namespace {

using testing::CommandOutcome;
using testing::TestFolder;

constexpr const char* kHeader =
    "file,title,status,status_meaning,unit_system,design_method,diameter,design_length,"
    "ultimate_capacity,allowable_or_factored_capacity,volume,most_efficient";

enum Column {
  kFile,
  kTitle,
  kStatus,
  kMeaning,
  kUnitSystem,
  kMethod,
  kDiameter,
  kDesignLength,
  kUltimate,
  kDesignCapacity,
  kVolume,
  kMostEfficient,
  kColumnCount
};

CommandOutcome runner(const std::string& arguments) {
  return testing::runCommand(testing::binDir() + "/bormek-run " + arguments);
}

// A CSV line split into its fields, quotes undone.
std::vector<std::string> fieldsOf(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t k = 0; k < line.size(); ++k) {
    const char c = line[k];
    if (quoted && c == '"' && k + 1 < line.size() && line[k + 1] == '"') {
      fields.back() += '"';
      ++k;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::vector<std::vector<std::string>> linesOf(const std::string& project,
                                              const std::vector<std::string>& csv) {
  std::vector<std::vector<std::string>> lines;
  for (const std::string& line : csv) {
    std::vector<std::string> fields = fieldsOf(line);
    if (fields[kFile] == project) {
      lines.push_back(fields);
    }
  }
  return lines;
}

struct ThreeProjects {
  TestFolder folder;
  CommandOutcome outcome;
  std::vector<std::string> csv;

  ThreeProjects() {
    folder.write("a.bkd", testing::readText(testing::examplePath("sand_clay.bkd")));
    folder.write("b.bkd", testing::readText(testing::fixturePath("malformed_layer_count.bkd")));
    folder.write("c.bkd", testing::readText(testing::examplePath("si_clay_sand.bkd")));
    outcome = runner("--summary " + folder.file("summary.csv") + " " + folder.file("a.bkd") + " " +
                     folder.file("b.bkd") + " " + folder.file("c.bkd"));
    csv = testing::readLines(folder.file("summary.csv"));
  }
};

TEST(BatchOutputs, ASummaryOfThreeProjectsReportsTheMalformedOneOnItsLine) {
  const ThreeProjects run;
  EXPECT_EQ(run.outcome.exitCode, 7) << run.outcome.output;
  EXPECT_TRUE(run.outcome.output.find("summary " + run.folder.file("summary.csv")) !=
              std::string::npos)
      << run.outcome.output;
  ASSERT_FALSE(run.csv.empty());
  EXPECT_EQ(run.csv[0], kHeader);
  for (const std::string& line : run.csv) {
    EXPECT_EQ(fieldsOf(line).size(), static_cast<std::size_t>(kColumnCount)) << line;
  }
  // Five trial diameters, the malformed project, four trial diameters; in
  // the order given.
  ASSERT_EQ(run.csv.size(), 1u + 5u + 1u + 4u);
  const auto malformed = linesOf(run.folder.file("b.bkd"), run.csv);
  ASSERT_EQ(malformed.size(), 1u);
  EXPECT_EQ(fieldsOf(run.csv[6])[kFile], run.folder.file("b.bkd"));
  EXPECT_EQ(malformed[0][kStatus], "7");
  EXPECT_EQ(malformed[0][kMeaning], "input file missing, unreadable or malformed");
  for (int column = kUnitSystem; column < kColumnCount; ++column) {
    EXPECT_EQ(malformed[0][static_cast<std::size_t>(column)], "") << column;
  }
  for (const char* name : {"a.bkd", "c.bkd"}) {
    for (const auto& line : linesOf(run.folder.file(name), run.csv)) {
      EXPECT_EQ(line[kStatus], "0") << name;
      EXPECT_EQ(line[kMeaning], "run completed") << name;
    }
  }
}

// Design-load mode: the design row is each diameter's last report row.
TEST(BatchOutputs, SummaryNumbersAreTheReportsDesignRows) {
  const ThreeProjects run;
  const testing::PrintedReport report =
      testing::readReport(testing::afterHead(testing::readLines(run.folder.file("a.bko"))));
  const auto lines = linesOf(run.folder.file("a.bkd"), run.csv);
  ASSERT_EQ(lines.size(), report.diameters.size());
  for (std::size_t d = 0; d < lines.size(); ++d) {
    const auto& line = lines[d];
    const std::string what = "diameter " + std::to_string(d + 1);
    EXPECT_EQ(line[kTitle], report.title) << what;
    EXPECT_EQ(line[kUnitSystem], "English") << what;
    EXPECT_EQ(line[kMethod], "ASD") << what;
    const testing::PrintedRow& last = report.diameters[d].rows.back();
    // LENGTH, VOLUME, QU and QDN of the report row.
    const std::pair<Column, std::size_t> columns[] = {
        {kDesignLength, 0}, {kVolume, 1}, {kUltimate, 4}, {kDesignCapacity, 6}};
    for (const auto& [column, printed] : columns) {
      testing::expectShows(std::stod(line[column]), last[printed],
                           what + " column " + std::to_string(column));
    }
    testing::expectShows(std::stod(line[kDiameter]), report.diameters[d].geometry[0], what);
    // The report's most efficient shaft prints its stem diameter as F5.2.
    const bool printedAsBest =
        std::abs(std::stod(line[kDiameter]) - std::stod(report.mostEfficient[0])) <= 0.005;
    EXPECT_EQ(line[kMostEfficient], printedAsBest ? "yes" : "no") << what;
  }
}

// Shaft-length mode (SI, LRFD): the design row is the last 1-ft row, which
// the plot-data file prints.
TEST(BatchOutputs, SummaryNumbersInShaftLengthModeAreThePlotFilesLastRows) {
  const ThreeProjects run;
  const auto blocks = testing::readPlotFile(testing::readLines(run.folder.file("c.bkp")));
  const auto lines = linesOf(run.folder.file("c.bkd"), run.csv);
  ASSERT_EQ(lines.size(), blocks.size());
  for (std::size_t d = 0; d < lines.size(); ++d) {
    const auto& line = lines[d];
    const std::string what = "diameter " + std::to_string(d + 1);
    EXPECT_EQ(line[kUnitSystem], "SI") << what;
    EXPECT_EQ(line[kMethod], "LRFD") << what;
    const testing::PrintedRow& last = blocks[d].rows.back();
    // Depth, ultimate total and factored total of the plot-data row.
    testing::expectShows(std::stod(line[kDesignLength]), last[0], what);
    testing::expectShows(std::stod(line[kUltimate]), last[3], what);
    testing::expectShows(std::stod(line[kDesignCapacity]), last[6], what);
    EXPECT_GE(std::stod(line[kDesignLength]), 18.0) << what;
  }
}

TEST(BatchOutputs, XlsxWritesAWorkbookBesideEachProject) {
  TestFolder folder;
  folder.write("pier.bkd", testing::readText(testing::examplePath("sand_clay.bkd")));
  const CommandOutcome outcome = runner("--xlsx " + folder.file("pier.bkd"));
  EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
  EXPECT_TRUE(folder.exists("pier.xlsx"));
  EXPECT_NE(outcome.output.find(folder.file("pier.bkd") + ": workbook " + folder.file("pier.xlsx")),
            std::string::npos)
      << outcome.output;
}

TEST(BatchOutputs, OutputsThatCannotBeWrittenGiveStatusEightAndTheRunsStillHappen) {
  TestFolder folder;
  folder.write("pier.bkd", testing::readText(testing::examplePath("sand_clay.bkd")));
  std::filesystem::create_directories(folder.path() / "pier.xlsx" / "inside");
  const CommandOutcome outcome = runner("--xlsx --summary " + folder.file("absent/summary.csv") +
                                        " " + folder.file("pier.bkd"));
  EXPECT_EQ(outcome.exitCode, 8) << outcome.output;
  EXPECT_NE(outcome.output.find("the workbook " + folder.file("pier.xlsx") + " cannot be written"),
            std::string::npos)
      << outcome.output;
  EXPECT_NE(outcome.output.find("the summary " + folder.file("absent/summary.csv") +
                                " cannot be written"),
            std::string::npos)
      << outcome.output;
  EXPECT_TRUE(folder.exists("pier.json"));
}

}  // namespace
}  // namespace bormek
