// The results file against the report and the plot-data file of the same
// run: every number it holds must round to what they print, read by their
// documented layouts; and what it holds after runs that stop.
#include "output/results_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/comma_locale.h"
#include "support/engine_run.h"
#include "support/printed_layout.h"
#include "support/test_folder.h"

namespace bormek {
namespace {

using nlohmann::json;
using testing::expectShows;
using testing::PrintedRow;

// Every bundled example and test fixture, whatever its run status.
std::vector<std::string> allProjects() {
  std::vector<std::string> projects;
  for (const char* folder : {"examples", "tests/fixtures"}) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(BORMEK_SOURCE_DIR) + "/" + folder)) {
      if (entry.path().extension() == ".bkd") {
        projects.push_back(entry.path().string());
      }
    }
  }
  std::sort(projects.begin(), projects.end());
  return projects;
}

const char* const kGeometryKeys[] = {"stem_diameter",
                                     "base_diameter",
                                     "bell_height",
                                     "bell_angle",
                                     "ignored_top_length",
                                     "ignored_bottom_length",
                                     "one_percent_steel_area",
                                     "elastic_modulus",
                                     "underream_volume"};
const char* const kCommonRowKeys[] = {"length", "volume", "ultimate_side_resistance",
                                      "ultimate_base_resistance", "total_ultimate_resistance"};
const char* const kAsdRowKeys[] = {"allowable_load_with_base_factor", "allowable_load",
                                   "ultimate_resistance_per_volume"};
const char* const kLrfdRowKeys[] = {"factored_side_resistance", "factored_base_resistance",
                                    "factored_total_resistance"};
const char* const kPointKeys[] = {"top_load", "top_movement", "tip_load", "tip_movement"};
const char* const kMostEfficientKeys[] = {"stem_diameter",
                                          "base_diameter",
                                          "length",
                                          "volume",
                                          "total_ultimate_resistance",
                                          "ultimate_resistance_per_volume"};

struct ProjectRun {
  std::int32_t status = -1;
  std::string resultsText;
  json results;
  testing::PrintedReport report;
  std::vector<testing::PlotBlock> plot;
  std::vector<std::string> reportLines;
};

ProjectRun runProject(const std::string& projectText) {
  testing::TestFolder folder;
  const testing::EngineResult engine = testing::runEngineOn(folder, projectText);
  ProjectRun run;
  run.status = engine.status;
  run.reportLines = engine.report;
  run.resultsText = testing::readText(folder.file("project.json"));
  run.results = json::parse(run.resultsText);
  run.report = testing::readReport(testing::afterHead(engine.report));
  run.plot = testing::readPlotFile(testing::readLines(folder.file("project.bkp")));
  return run;
}

std::string exampleText(const char* name) {
  return testing::readText(testing::examplePath(name));
}

std::vector<std::string> rowKeysOf(const json& results) {
  std::vector<std::string> keys(std::begin(kCommonRowKeys), std::end(kCommonRowKeys));
  const bool lrfd = results["design_method"] == "LRFD";
  for (const char* key : lrfd ? kLrfdRowKeys : kAsdRowKeys) {
    keys.emplace_back(key);
  }
  return keys;
}

void expectTableShows(const json& table, const std::vector<std::string>& keys,
                      const std::vector<PrintedRow>& printed, const std::string& what) {
  ASSERT_EQ(table[keys[0]].size(), printed.size()) << what;
  for (std::size_t row = 0; row < printed.size(); ++row) {
    for (std::size_t column = 0; column < keys.size(); ++column) {
      expectShows(table[keys[column]][row].get<double>(), printed[row][column],
                  what + " row " + std::to_string(row + 1) + " " + keys[column]);
    }
  }
}

// The plot file's depth row: depth, ultimate side, tip and total, then the
// design side, tip and total (LRFD factored; ASD side and tip over their
// factors of safety, and the allowable load).
void expectPlotRows(const json& results, const json& rows, const testing::PlotBlock& block,
                    const std::string& what) {
  const bool lrfd = results["design_method"] == "LRFD";
  ASSERT_EQ(rows["length"].size(), block.rows.size()) << what;
  expectShows(rows["length"][0].get<double>(), block.firstDepth, what + " first depth");
  for (std::size_t k = 0; k < block.rows.size(); ++k) {
    const auto at = [&](const char* key) { return rows[key][k].get<double>(); };
    const double designSide =
        lrfd ? at("factored_side_resistance")
             : at("ultimate_side_resistance") / results["factors_of_safety"]["side"].get<double>();
    const double designBase =
        lrfd ? at("factored_base_resistance")
             : at("ultimate_base_resistance") / results["factors_of_safety"]["base"].get<double>();
    const double values[] = {at("length"),
                             at("ultimate_side_resistance"),
                             at("ultimate_base_resistance"),
                             at("total_ultimate_resistance"),
                             designSide,
                             designBase,
                             lrfd ? at("factored_total_resistance") : at("allowable_load")};
    for (std::size_t column = 0; column < std::size(values); ++column) {
      expectShows(
          values[column], block.rows[k][column],
          what + " plot row " + std::to_string(k + 1) + " column " + std::to_string(column + 1));
    }
  }
}

// Each line against the report's table (all four columns of a t-z table,
// top load and movement of a one-line table) and the plot file's rows.
void expectLinesShow(const json& settlement, const testing::ReportDiameter& printed,
                     const testing::PlotBlock& block, const std::string& what) {
  const json& lines = settlement["lines"];
  ASSERT_EQ(lines.size(), printed.lines.size()) << what;
  for (std::size_t line = 0; line < lines.size(); ++line) {
    const std::vector<PrintedRow>& table = printed.lines[line];
    ASSERT_EQ(table.size(), testing::kLinePoints) << what;
    for (std::size_t point = 0; point < testing::kLinePoints; ++point) {
      const std::string where = what + " " + lines[line]["name"].get<std::string>() + " point " +
                                std::to_string(point + 1);
      for (std::size_t column = 0; column < table[point].size(); ++column) {
        const double value = lines[line][kPointKeys[column]][point].get<double>();
        expectShows(value, table[point][column], where + " " + kPointKeys[column]);
      }
      for (std::size_t column = 0; column < std::size(kPointKeys); ++column) {
        const double value = lines[line][kPointKeys[column]][point].get<double>();
        expectShows(value, block.lines[line * testing::kLinePoints + point][column],
                    where + " plot " + kPointKeys[column]);
      }
    }
  }
}

// The design row is the last 1-ft row, and it is the first to meet the
// design load or to reach the shaft length; there is none when the profile
// ends above the given length.
void expectDesignRow(const json& results, const json& diameter, const std::string& what) {
  const json& rows = diameter["rows"];
  const json& design = diameter["design_row"];
  if (rows["length"].empty()) {
    EXPECT_TRUE(design.is_null()) << what;
    return;
  }
  const std::size_t last = rows["length"].size() - 1;
  if (design.is_null()) {
    if (results["design_control"] == "shaft length") {
      EXPECT_LT(rows["length"][last].get<double>(), results["shaft_length"].get<double>()) << what;
    } else {
      EXPECT_EQ(results["run_status"]["code"], 5) << what;
    }
    return;
  }
  for (const std::string& key : rowKeysOf(results)) {
    EXPECT_EQ(design[key], rows[key][last]) << what << " " << key;
  }
  if (results["design_control"] == "shaft length") {
    const double length = results["shaft_length"].get<double>();
    EXPECT_GE(design["length"].get<double>(), length) << what;
    if (last > 0) {
      EXPECT_LT(rows["length"][last - 1].get<double>(), length) << what;
    }
  } else if (results["design_method"] == "ASD") {
    const double load = results["design_load"].get<double>();
    EXPECT_GT(design["allowable_load"].get<double>(), load) << what;
    if (last > 0) {
      EXPECT_LE(rows["allowable_load"][last - 1].get<double>(), load) << what;
    }
  }
}

void expectMostEfficient(const json& results, const testing::PrintedReport& report,
                         const std::string& what) {
  const json& best = results["most_efficient_shaft"];
  int marked = 0;
  for (const json& diameter : results["diameters"]) {
    if (diameter["most_efficient"].get<bool>()) {
      ++marked;
      EXPECT_EQ(diameter["stem_diameter"], best["stem_diameter"]) << what;
    }
  }
  if (report.mostEfficient.empty()) {
    EXPECT_TRUE(best.is_null()) << what;
    EXPECT_EQ(marked, 0) << what;
    return;
  }
  ASSERT_EQ(report.mostEfficient.size(), std::size(kMostEfficientKeys)) << what;
  for (std::size_t k = 0; k < std::size(kMostEfficientKeys); ++k) {
    expectShows(best[kMostEfficientKeys[k]].get<double>(), report.mostEfficient[k],
                what + " most efficient " + kMostEfficientKeys[k]);
  }
  EXPECT_EQ(marked, 1) << what;
}

// A diameter against its report section and, when the run wrote one, its
// plot-data block.
void expectDiameterShows(const json& results, std::size_t index, const ProjectRun& run) {
  const std::string what = "diameter " + std::to_string(index + 1);
  const json& diameter = results["diameters"][index];
  const testing::ReportDiameter& printed = run.report.diameters[index];
  ASSERT_EQ(printed.geometry.size(), std::size(kGeometryKeys)) << what;
  for (std::size_t k = 0; k < std::size(kGeometryKeys); ++k) {
    expectShows(diameter["geometry"][kGeometryKeys[k]].get<double>(), printed.geometry[k],
                what + " " + kGeometryKeys[k]);
  }
  EXPECT_EQ(diameter["stem_diameter"], diameter["geometry"]["stem_diameter"]) << what;
  const bool shaftLength = results["design_control"] == "shaft length";
  const json& reportRows = shaftLength && !diameter["increment_rows"].is_null()
                               ? diameter["increment_rows"]
                               : diameter["rows"];
  expectTableShows(reportRows, rowKeysOf(results), printed.rows, what);
  expectDesignRow(results, diameter, what);
  if (diameter["load_settlement"].is_null()) {
    EXPECT_TRUE(printed.lines.empty()) << what;
    EXPECT_EQ(run.plot.size(), index) << what << ": a stopped diameter has no plot block";
    return;
  }
  ASSERT_LT(index, run.plot.size()) << what;
  expectPlotRows(results, diameter["rows"], run.plot[index], what);
  expectLinesShow(diameter["load_settlement"], printed, run.plot[index], what);
}

TEST(ResultsFile, EveryNumberIsWhatTheReportAndThePlotFilePrint) {
  for (const std::string& project : allProjects()) {
    SCOPED_TRACE(project);
    const ProjectRun run = runProject(testing::readText(project));
    const json& results = run.results;
    EXPECT_EQ(results["run_status"]["code"], run.status);
    EXPECT_EQ(results["input_file"], "project.bkd");
    if (results["project_title"].is_string()) {
      EXPECT_EQ(results["project_title"], run.report.title);
    }
    ASSERT_EQ(results["diameters"].size(), run.report.diameters.size());
    for (std::size_t d = 0; d < results["diameters"].size(); ++d) {
      expectDiameterShows(results, d, run);
    }
    expectMostEfficient(results, run.report, project);
  }
}

TEST(ResultsFile, UnitsFollowTheReportsUnitSystem) {
  for (const char* project : {"sand_clay.bkd", "si_clay_sand.bkd"}) {
    const ProjectRun run = runProject(exampleText(project));
    const bool si = run.results["unit_system"] == "SI";
    const json& units = run.results["units"];
    // The report labels its geometry block in ft or m.
    bool reportInMetres = false;
    for (const std::string& line : run.reportLines) {
      if (line.find("DIAMETER OF STEM          =") != std::string::npos) {
        reportInMetres = line.substr(line.size() - 1) == "M";
        break;
      }
    }
    EXPECT_EQ(si, reportInMetres) << project;
    EXPECT_EQ(units["length"], si ? "m" : "ft") << project;
    EXPECT_EQ(units["total_ultimate_resistance"], si ? "kN" : "tons") << project;
    EXPECT_EQ(units["top_movement"], si ? "m" : "in") << project;
    EXPECT_EQ(units["ultimate_resistance_per_volume"], si ? "kN/m³" : "tons/yd³") << project;
  }
}

// A design load no shaft of the profile carries: the rows of the first
// diameter stand, then the run stops.
TEST(ResultsFile, ADesignLoadNotReachedKeepsTheRowsWrittenAndTheStatus) {
  const ProjectRun run =
      runProject(testing::readText(testing::fixturePath("design_load_not_reached.bkd")));
  const json& results = run.results;
  EXPECT_EQ(run.status, 5);
  EXPECT_EQ(results["run_status"]["code"], 5);
  EXPECT_EQ(results["run_status"]["meaning"], "design load not reached (NEED ANOTHER SOIL LAYER)");
  EXPECT_EQ(results["design_load"], 5000);
  ASSERT_EQ(results["diameters"].size(), 1u);
  const json& diameter = results["diameters"][0];
  ASSERT_EQ(run.report.diameters.size(), 1u);
  expectTableShows(diameter["rows"], rowKeysOf(results), run.report.diameters[0].rows,
                   "stopped diameter");
  EXPECT_FALSE(run.report.diameters[0].rows.empty());
  EXPECT_TRUE(diameter["design_row"].is_null());
  EXPECT_TRUE(diameter["load_settlement"].is_null());
  EXPECT_FALSE(diameter["most_efficient"].get<bool>());
  EXPECT_TRUE(results["most_efficient_shaft"].is_null());
  const json notes = results["run_notes"];
  ASSERT_FALSE(notes.empty());
  EXPECT_EQ(notes.back()["lines"], json::array({"NEED ANOTHER SOIL LAYER"}));
}

TEST(ResultsFile, AMalformedProjectGivesTheStatusAndTheErrorWithNoResults) {
  const ProjectRun run =
      runProject(testing::readText(testing::fixturePath("malformed_layer_count.bkd")));
  const json& results = run.results;
  EXPECT_EQ(run.status, 7);
  EXPECT_EQ(results["format_version"], kResultsFormatVersion);
  EXPECT_EQ(results["run_status"]["code"], 7);
  EXPECT_EQ(results["run_status"]["meaning"], "input file missing, unreadable or malformed");
  for (const char* unknown : {"project_title", "unit_system", "design_method", "units",
                              "factors_of_safety", "most_efficient_shaft"}) {
    EXPECT_TRUE(results[unknown].is_null()) << unknown;
  }
  EXPECT_TRUE(results["diameters"].empty());
  ASSERT_EQ(results["run_notes"].size(), 1u);
  const json& error = results["run_notes"][0];
  EXPECT_EQ(error["kind"], "error");
  EXPECT_EQ(error["lines"][1],
            "LINE 5, ITEM 1: A WHOLE NUMBER WAS EXPECTED FOR THE NUMBER OF LAYERS BUT \"4x\" WAS "
            "FOUND");
}

TEST(ResultsFile, AResultsFileThatCannotBeCreatedStopsTheRunLikeAnyOutput) {
  testing::TestFolder folder;
  std::filesystem::create_directories(folder.path() / "project.json");
  const testing::EngineResult run = testing::runEngineOn(folder, exampleText("sand_clay.bkd"));
  EXPECT_EQ(run.status, 8);
  const std::string expected =
      "     THE OUTPUT FILE " + folder.file("project.json") + " CANNOT BE CREATED";
  EXPECT_NE(std::find(run.notes.begin(), run.notes.end(), expected), run.notes.end());
}

// The earlier file is longer than the new one: nothing of it may remain.
TEST(ResultsFile, AResultsFileOfAnEarlierRunIsReplacedEvenWhenReadOnly) {
  testing::TestFolder folder;
  folder.write("project.json", std::string(std::size_t{1} << 20, '~'));
  std::filesystem::permissions(folder.path() / "project.json", std::filesystem::perms::owner_read);
  const testing::EngineResult run =
      testing::runEngineOn(folder, exampleText("strong_rock_end_bearing.bkd"));
  EXPECT_EQ(run.status, 0);
  const json results = json::parse(testing::readText(folder.file("project.json")));
  EXPECT_EQ(results["input_file"], "project.bkd");
  EXPECT_EQ(results["diameters"].size(), 2u);
}

TEST(ResultsFile, ACommaDecimalLocaleChangesNoByte) {
  const std::string project = exampleText("si_clay_sand.bkd");
  const std::string inC = runProject(project).resultsText;
  const testing::CommaDecimalLocale locale;
  ASSERT_TRUE(locale.active()) << "the de_DE.UTF-8 locale is missing (scripts/setup makes it)";
  EXPECT_EQ(runProject(project).resultsText, inC);
}

}  // namespace
}  // namespace bormek
