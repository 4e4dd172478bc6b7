// The workbook's files as a spreadsheet program reads them, unzipped with
// unzip(1): the sheets named in the workbook, numbers written with "."
// whatever the locale, and a path that cannot be written.
#include "results/results_workbook.h"

#include <gtest/gtest.h>

#include "support/comma_locale.h"
#include "support/command_outcome.h"
#include "support/test_folder.h"

namespace {

using bormek::testing::TestFolder;

ResultsDocument twoSameDiameters() {
  ResultsDocument r;
  r.title = "Pier";
  r.unitSystem = "English";
  r.designMethod = "ASD";
  r.units = {{"length", "ft"}, {"volume", "yd³"}, {"stem_diameter", "ft"}};
  DiameterResult d;
  d.stemDiameter = 3.5;
  d.rows.keys = {"length", "volume"};
  d.rows.columns = {{6.0, 7.0}, {1.571, 1.8328333}};
  r.diameters = {d, d};
  return r;
}

std::string unzipped(const std::string& workbook, const std::string& member) {
  return bormek::testing::runCommand("unzip -p '" + workbook + "' " + member).output;
}

TEST(ResultsWorkbook, SheetsAreNamedAfterTheirDiametersOnceEach) {
  TestFolder folder;
  std::string problem;
  ASSERT_TRUE(writeResultsWorkbook(twoSameDiameters(), folder.file("r.xlsx"), problem)) << problem;
  const std::string book = unzipped(folder.file("r.xlsx"), "xl/workbook.xml");
  const std::string expected[] = {"<sheet name=\"Summary\"", "<sheet name=\"D 3.5 ft\"",
                                  "<sheet name=\"D 3.5 ft (2)\"",
                                  "<sheet name=\"Load-Settlement\""};
  std::size_t at = 0;
  for (const std::string& sheet : expected) {
    at = book.find(sheet, at);
    EXPECT_NE(at, std::string::npos) << sheet << " in order in " << book;
  }
}

TEST(ResultsWorkbook, ACommaDecimalLocaleWritesTheSameSheets) {
  TestFolder folder;
  std::string problem;
  ASSERT_TRUE(writeResultsWorkbook(twoSameDiameters(), folder.file("c.xlsx"), problem));
  {
    const bormek::testing::CommaDecimalLocale locale;
    ASSERT_TRUE(locale.active()) << "the de_DE.UTF-8 locale is missing (scripts/setup makes it)";
    ASSERT_TRUE(writeResultsWorkbook(twoSameDiameters(), folder.file("de.xlsx"), problem));
  }
  const std::string diameterSheet = "xl/worksheets/sheet2.xml";
  const std::string inC = unzipped(folder.file("c.xlsx"), diameterSheet);
  EXPECT_NE(inC.find("<v>1.8328333</v>"), std::string::npos) << inC;
  EXPECT_EQ(unzipped(folder.file("de.xlsx"), diameterSheet), inC);
  EXPECT_EQ(unzipped(folder.file("de.xlsx"), "xl/worksheets/sheet1.xml"),
            unzipped(folder.file("c.xlsx"), "xl/worksheets/sheet1.xml"));
}

TEST(ResultsWorkbook, AFolderThatDoesNotExistIsReported) {
  TestFolder folder;
  std::string problem;
  EXPECT_FALSE(
      writeResultsWorkbook(twoSameDiameters(), folder.file("absent/folder/r.xlsx"), problem));
  EXPECT_FALSE(problem.empty());
}

}  // namespace
