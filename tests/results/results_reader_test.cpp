// Reading a results file back: every kind of value, nulls, and files that
// are not results files.
#include "results/results_reader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/test_folder.h"

namespace {

// A results file cut down to one diameter of two rows, written by hand.
constexpr const char* kResults = R"({
  "format_version": 1,
  "program_version": "2012.7.8",
  "input_file": "pier.bkd",
  "project_title": "Pier, \"north\"",
  "unit_system": "SI",
  "design_method": "LRFD",
  "design_control": "shaft length",
  "loading": "compression",
  "design_load": null,
  "shaft_length": 18,
  "factors_of_safety": null,
  "units": {"length": "m", "volume": "m³"},
  "run_status": {"code": 0, "meaning": "run completed"},
  "run_notes": [{"kind": "warning", "lines": ["ROCK", "SOCKET"]}],
  "diameters": [
    {
      "stem_diameter": 0.9,
      "most_efficient": true,
      "geometry": {"stem_diameter": 0.9, "base_diameter": 1.25},
      "rows": {"length": [17.983416, 18.288221], "factored_total_resistance": [1850.5, null]},
      "increment_rows": {"length": [18]},
      "design_row": {"length": 18.288221, "factored_total_resistance": 1879.427},
      "load_settlement": {
        "method": "rock socket",
        "lines": [{"name": "single", "top_load": [1, 2], "top_movement": [0.001, 0.002]}]
      }
    }
  ],
  "most_efficient_shaft": {"stem_diameter": 0.9, "length": 18.288221}
})";

TEST(ResultsReader, ReadsEveryKindOfValueInTheOrderOfTheFile) {
  std::string problem;
  const std::optional<ResultsDocument> read = readResultsText(kResults, problem);
  ASSERT_TRUE(read) << problem;
  const ResultsDocument& r = *read;
  EXPECT_EQ(r.title, "Pier, \"north\"");
  EXPECT_EQ(r.unitSystem, "SI");
  EXPECT_TRUE(r.lrfd());
  EXPECT_STREQ(r.designCapacityKey(), "factored_total_resistance");
  EXPECT_TRUE(std::isnan(r.designLoad));
  EXPECT_EQ(r.shaftLength, 18.0);
  EXPECT_EQ(r.unitOf("volume"), "m³");
  EXPECT_EQ(r.unitOf("tip_load"), "");
  EXPECT_EQ(r.statusCode, 0);
  ASSERT_EQ(r.notes.size(), 1u);
  EXPECT_EQ(r.notes[0].kind, "warning");
  EXPECT_EQ(r.notes[0].lines, (std::vector<std::string>{"ROCK", "SOCKET"}));
  ASSERT_EQ(r.diameters.size(), 1u);
  const DiameterResult& d = r.diameters[0];
  EXPECT_EQ(d.stemDiameter, 0.9);
  EXPECT_TRUE(d.mostEfficient);
  EXPECT_EQ(d.geometry, (NamedValues{{"stem_diameter", 0.9}, {"base_diameter", 1.25}}));
  EXPECT_EQ(d.rows.keys, (std::vector<std::string>{"length", "factored_total_resistance"}));
  EXPECT_EQ(d.rows.rowCount(), 2u);
  EXPECT_EQ(d.rows.value("length", 1), 18.288221);
  EXPECT_TRUE(std::isnan(d.rows.value("factored_total_resistance", 1)));  // null
  EXPECT_TRUE(std::isnan(d.rows.value("volume", 0)));                     // no such column
  ASSERT_TRUE(d.incrementRows);
  EXPECT_EQ(d.incrementRows->value("length", 0), 18.0);
  ASSERT_TRUE(d.designRow);
  EXPECT_EQ(valueOf(*d.designRow, "factored_total_resistance"), 1879.427);
  EXPECT_EQ(d.settlementMethod, "rock socket");
  ASSERT_EQ(d.lines.size(), 1u);
  EXPECT_EQ(d.lines[0].name, "single");
  EXPECT_EQ(d.lines[0].points.value("top_movement", 1), 0.002);
  ASSERT_TRUE(r.mostEfficient);
  EXPECT_EQ(valueOf(*r.mostEfficient, "length"), 18.288221);
}

TEST(ResultsReader, FilesThatAreNotResultsFilesGiveNothingAndSayWhy) {
  const std::pair<const char*, const char*> cases[] = {
      {"{\"format_version\": 1,", "it is not JSON"},
      {"[1, 2]", "it is not a results file of format version 1"},
      {"{\"format_version\": 2}", "it is not a results file of format version 1"},
      {"{\"format_version\": \"1\"}", "it is not a results file of format version 1"},
  };
  for (const auto& [text, why] : cases) {
    std::string problem;
    EXPECT_FALSE(readResultsText(text, problem)) << text;
    EXPECT_EQ(problem, why) << text;
  }
  std::string problem;
  bormek::testing::TestFolder folder;
  EXPECT_FALSE(readResultsFile(folder.file("absent.json"), problem));
  EXPECT_EQ(problem, "it cannot be opened");
}

TEST(ResultsReader, ValuesOfTheWrongKindReadAsMissing) {
  std::string problem;
  const std::optional<ResultsDocument> read = readResultsText(
      R"({"format_version": 1, "project_title": 5, "run_status": "done", "diameters": [
          {"stem_diameter": "wide", "most_efficient": 1, "rows": {"length": 3},
           "design_row": [1], "load_settlement": {"lines": 7}}]})",
      problem);
  ASSERT_TRUE(read) << problem;
  EXPECT_EQ(read->title, "");
  EXPECT_EQ(read->statusCode, -1);
  ASSERT_EQ(read->diameters.size(), 1u);
  const DiameterResult& d = read->diameters[0];
  EXPECT_TRUE(std::isnan(d.stemDiameter));
  EXPECT_FALSE(d.mostEfficient);
  EXPECT_TRUE(d.rows.keys.empty());
  EXPECT_FALSE(d.designRow);
  EXPECT_TRUE(d.lines.empty());
}

}  // namespace
