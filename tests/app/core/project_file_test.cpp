// The project model and its file: new-project values, unit switching, save
// and open in both layouts, the reading errors, and a saved file read by the
// real engine library.
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <locale>
#include <memory>

#include "core/grid_enum_column.h"
#include "core/grid_int_column.h"
#include "core/program_data.h"
#include "core/project_file.h"
#include "runner/dynamic_library.h"
#include "support/engine_run.h"
#include "support/test_folder.h"

namespace {

using bormek::testing::crlf;
using bormek::testing::readLines;
using bormek::testing::readText;
using bormek::testing::TestFolder;

struct Project {
  std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  std::unique_ptr<TProgramData> data = std::make_unique<TProgramData>(*tables);
  TGridTable& D() { return tables->D(); }
};

// Values of one layer: its type, depth, the four columns of D and the
// sub-table cells (column by column, top then bottom).
void fillLayer(TGridTable& d, int row, int type, Extended base) {
  d.Cells(0, row).SetInteger(type);
  d.Cells(1, row).SetFloat(base);
  d.Cells(3, row).SetFloat(base + 1);
  d.Cells(4, row).SetFloat(base + 2);
  d.Cells(5, row).SetFloat(0.5L);
  d.Cells(6, row).SetFloat(0.45L);
  TGridTable& sub = *d.Cells(2, row).AsTable();
  for (int c = 0; c < sub.ColumnCount(); ++c) {
    TColumn& column = sub.Columns(c);
    const bool whole = dynamic_cast<TIntColumn*>(&column) != nullptr ||
                       dynamic_cast<TEnumColumn*>(&column) != nullptr;
    for (int r = 0; r < 2; ++r) {
      if (whole) {
        sub.Cells(c, r).SetInteger(1 + (c + r) % 4);
      } else {
        sub.Cells(c, r).SetFloat(base + 0.3L * static_cast<Extended>(c + 1) + 0.125L * r);
      }
    }
  }
  if (type == 1) {
    // A sand layer keeps one pair of coefficients in the file: its K values
    // here, so no beta.
    sub.Cells(4, 0).SetFloat(0.0L);
    sub.Cells(4, 1).SetFloat(0.0L);
  }
}

// Every soil type once, with the sand layer on the K method.
void expectSameTexts(const std::vector<std::string>& actual,
                     const std::vector<std::string>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t k = 0; k < actual.size(); ++k) {
    EXPECT_EQ(actual[k], expected[k]) << "value " << k;
  }
}

void fillAllTypes(Project& p) {
  p.D().SetRowCount(9);
  for (int row = 0; row < 9; ++row) {
    fillLayer(p.D(), row, row + 1, 10.0L * static_cast<Extended>(row + 1));
  }
}

std::vector<std::string> cellTexts(TGridTable& table) {
  std::vector<std::string> texts;
  for (int r = 0; r < table.RowCount(); ++r) {
    for (int c = 0; c < table.ColumnCount(); ++c) {
      texts.push_back(table.Cells(c, r).AsText());
    }
  }
  return texts;
}

std::vector<std::string> projectTexts(Project& p) {
  std::vector<std::string> texts = cellTexts(p.D());
  for (int r = 0; r < p.D().RowCount(); ++r) {
    const auto sub = cellTexts(*p.D().Cells(2, r).AsTable());
    texts.insert(texts.end(), sub.begin(), sub.end());
  }
  TProgramData& d = *p.data;
  texts.push_back(d.Title);
  for (const Extended value : d.Settings) {
    texts.push_back(FormatGeneral(value, 8));
  }
  for (const int value :
       {d.UnitSystem, d.DesignControl, d.LoadingType, d.SandTipOption, d.DesignMethod}) {
    texts.push_back(std::to_string(value));
  }
  texts.push_back(FormatGeneral(d.UpliftReduction, 8));
  texts.push_back(FormatGeneral(d.OutputIncrement, 8));
  return texts;
}

TEST(ProgramData, ANewProjectHasItsStartingValues) {
  Project p;
  EXPECT_EQ(p.data->FileName, "NewBormek.bkd");
  EXPECT_EQ(p.data->Title, "New Pile");
  EXPECT_EQ(p.data->UnitSystem, 1);
  EXPECT_EQ(p.data->DesignMethod, 2);
  EXPECT_EQ(p.data->DesignControl, 2);
  EXPECT_EQ(p.data->SafetySide(), 2.5L);
  EXPECT_EQ(p.data->SafetyBase(), 3.0L);
  EXPECT_EQ(p.data->ShaftModulus(), 0.0L);
  EXPECT_EQ(p.D().RowCount(), 1);
  EXPECT_EQ(p.D().Cells(2, 0).AsTable()->RowCount(), 2);
  EXPECT_FALSE(p.data->Modified());
}

TEST(ProgramData, UnitSwitchConvertsSettingsAndTables) {
  Project p;
  p.data->ShaftLength() = 30.0L;
  p.data->MinDiameter() = 3.0L;
  p.data->DesignLoad() = 100.0L;
  p.data->ShaftModulus() = 4000000.0L;
  p.data->OutputIncrement = 5.0L;
  p.data->BellRatio() = 1.5L;
  p.D().Cells(1, 0).SetFloat(10.0L);
  p.data->SetUnits(1);  // already English: nothing changes
  EXPECT_EQ(p.data->ShaftLength(), 30.0L);

  p.data->SetUnits(5);  // counts as SI
  EXPECT_EQ(p.data->UnitSystem, 2);
  EXPECT_NEAR(static_cast<double>(p.data->ShaftLength()), 9.144, 1e-12);
  EXPECT_NEAR(static_cast<double>(p.data->DesignLoad()), 889.6442997, 1e-7);
  EXPECT_NEAR(static_cast<double>(p.data->ShaftModulus()), 27579031.552, 1e-3);
  EXPECT_EQ(p.data->OutputIncrement, 5.0L);  // kept in both systems
  EXPECT_EQ(p.data->BellRatio(), 1.5L);
  EXPECT_NEAR(static_cast<double>(p.D().Cells(1, 0).AsFloat()), 3.048, 1e-9);

  p.data->SetUnits(0);  // counts as English
  EXPECT_NEAR(static_cast<double>(p.data->ShaftLength()), 30.0, 1e-9);
  EXPECT_NEAR(static_cast<double>(p.data->MinDiameter()), 3.0, 1e-9);
  EXPECT_NEAR(static_cast<double>(p.D().Cells(1, 0).AsFloat()), 10.0, 1e-9);
}

struct RoundTrip {
  int units;
  int method;
};

TEST(ProjectFile, EverySoilTypeSurvivesSaveAndOpen) {
  for (const RoundTrip& c : {RoundTrip{1, 1}, RoundTrip{2, 2}}) {
    TestFolder folder;
    Project saved;
    saved.data->SetUnits(c.units);
    saved.data->DesignMethod = c.method;
    saved.data->Title = "Every soil type";
    saved.data->ShaftLength() = 42.5L;
    saved.data->MinDiameter() = 3.0L;
    saved.data->ShaftModulus() = 3600000.0L;
    fillAllTypes(saved);
    saved.data->FileName = folder.file("all.bkd");
    saved.data->Save();
    EXPECT_FALSE(saved.data->Modified());

    Project opened;
    EXPECT_EQ(opened.data->CreateFromFile(folder.file("all.bkd"), true), "");
    expectSameTexts(projectTexts(opened), projectTexts(saved));
    EXPECT_EQ(opened.data->SettlementCurves, 1);
    EXPECT_EQ(saved.data->SettlementCurves, 0);  // a rock layer was saved
    // Lines end in CR LF.
    EXPECT_NE(readText(folder.file("all.bkd")).find("\r\n"), std::string::npos);
  }
}

TEST(ProjectFile, SandWithoutBottomKIsSavedWithItsBetas) {
  TestFolder folder;
  Project p;
  TGridTable& sand = *p.D().Cells(2, 0).AsTable();
  sand.Cells(3, 0).SetFloat(0.8L);  // K at the top only
  sand.Cells(4, 0).SetFloat(0.6L);
  sand.Cells(4, 1).SetFloat(0.5L);
  p.data->FileName = folder.file("sand.bkd");
  p.data->Save();
  const auto lines = readLines(folder.file("sand.bkd"));
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[8], "2 \r");
  EXPECT_EQ(lines[9], "0.6 0.5 \r");
}

TEST(ProjectFile, LegacyLayoutKeepsDefaultsForWhatItLacks) {
  TestFolder folder;
  folder.write("old.bkd",
               crlf({"Old project", "1", "2 1 1.0 5.0", "3 3 0 0 0 0 3600000", "1 10 30 2 3",
                     "1 40", "0 120 32 0 15 0 0", "0 120 34 0 20 0 0", "1", "0.4 0.5"}));
  Project p;
  EXPECT_EQ(p.data->CreateFromFile(folder.file("old.bkd"), false), "");
  EXPECT_EQ(p.data->DesignMethod, 2);
  EXPECT_EQ(p.data->SandTipOption, 1);
  EXPECT_FALSE(p.data->CurrentFormat);
  EXPECT_EQ(p.D().Cells(5, 0).AsFloat(), 1.0L);  // LRFD factors at their defaults
  EXPECT_EQ(p.D().Cells(6, 0).AsFloat(), 1.0L);
  TGridTable& sand = *p.D().Cells(2, 0).AsTable();
  EXPECT_EQ(sand.Cells(1, 1).AsFloat(), 34.0L);
  EXPECT_EQ(sand.Cells(3, 1).AsFloat(), 0.5L);

  folder.write("old5.bkd",
               crlf({"Old project", "1", "2 1 1.0 5.0 0", "3 3 0 0 0 0 3600000", "1 10 30 2 3",
                     "1 40", "0 120 32 0 15 0 0", "0 120 34 0 20 0 0", "1", "0.4 0.5"}));
  Project five;
  EXPECT_EQ(five.data->CreateFromFile(folder.file("old5.bkd"), false), "");
  EXPECT_EQ(five.data->SandTipOption, 0);
}

struct BadFile {
  std::vector<std::string> lines;
  const char* message;
};

TEST(ProjectFile, ReadingErrorsNameTheLineAndItemAndKeepWhatWasRead) {
  const std::vector<std::string> head = {"Bad", "1", "2 1 1.0 5.0 1 2", "3 3 0 0 0 0 3600000"};
  auto with = [&head](std::vector<std::string> more) {
    std::vector<std::string> lines = head;
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
  };
  const BadFile cases[] = {
      {with({"1 10 thirty 2 3"}),
       "Error on Line 5 Item 3\nA floating point number was expected but not found."},
      {with({"1.5 10 30 2 3"}), "Error on Line 5 Item 1\nAn integer was expected but not found."},
      {with({"2 10 30 2 3", "2 20", "0 120 0 1500 8 0 0 1 1", "0 120 0 1800 8 0 0 1 1",
             "0.55 0.55"}),
       "This file either invalid or incomplete."},
      {with({"1 10 30 2 3", "12 20"}),
       "Error on Line 6 Item 1\nA soil type from 1 to 9 was expected but not found."},
      // The soil-layer table holds 20 rows: more is refused before any row is made.
      {with({"21 10 30 2 3"}),
       "Error on Line 5 Item 1\nA number of layers from 0 to 20 was expected but not found."},
      {with({"1000000000 10 30 2 3"}),
       "Error on Line 5 Item 1\nA number of layers from 0 to 20 was expected but not found."},
      {with({"-3 10 30 2 3"}),
       "Error on Line 5 Item 1\nA number of layers from 0 to 20 was expected but not found."},
  };
  for (const BadFile& c : cases) {
    TestFolder folder;
    folder.write("bad.bkd", crlf(c.lines));
    Project p;
    EXPECT_EQ(p.data->CreateFromFile(folder.file("bad.bkd"), true), c.message);
    EXPECT_FALSE(p.data->Modified());
    EXPECT_GE(p.D().RowCount(), 1);
  }
  // The layer read before the end of the file stays; the second keeps its defaults.
  TestFolder folder;
  folder.write("short.bkd", crlf(cases[2].lines));
  Project p;
  p.data->CreateFromFile(folder.file("short.bkd"), true);
  ASSERT_EQ(p.D().RowCount(), 2);
  EXPECT_EQ(p.D().Cells(0, 0).AsInteger(), 2);
  EXPECT_EQ(p.D().Cells(1, 0).AsFloat(), 20.0L);
  EXPECT_EQ(p.D().Cells(2, 0).AsTable()->Cells(1, 1).AsFloat(), 1800.0L);
  EXPECT_EQ(p.D().Cells(1, 1).AsFloat(), 0.0L);

  Project missing;
  const std::string error = missing.data->CreateFromFile("/nonexistent/x.bkd", true);
  EXPECT_EQ(error.rfind("Cannot open file \"/nonexistent/x.bkd\".", 0), 0u) << error;
}

TEST(ProjectFile, AFailedSaveLeavesThePreviousFileIntact) {
  TestFolder folder;
  folder.write("keep.bkd", "previous contents");
  // A folder where the temporary file would go makes the write fail.
  std::filesystem::create_directory(folder.file("keep.bkd.saving"));
  Project p;
  p.data->FileName = folder.file("keep.bkd");
  EXPECT_THROW(p.data->Save(), EProjectFileError);
  EXPECT_EQ(readText(folder.file("keep.bkd")), "previous contents");
}

TEST(ProjectFile, ACommaDecimalLocaleWritesTheSameBytes) {
  TestFolder folder;
  Project p;
  fillAllTypes(p);
  p.data->FileName = folder.file("plain.bkd");
  p.data->Save();
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/setup makes it)";
  }
  const std::locale previous = std::locale::global(std::locale("de_DE.UTF-8"));
  p.data->FileName = folder.file("comma.bkd");
  p.data->Save();
  Project reread;
  const std::string error = reread.data->CreateFromFile(folder.file("comma.bkd"), true);
  std::locale::global(previous);
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(readText(folder.file("comma.bkd")), readText(folder.file("plain.bkd")));
  EXPECT_EQ(error, "");
  expectSameTexts(projectTexts(reread), projectTexts(p));
}

// The saved file is the engine's input: the real library reads it and
// echoes the values.
TEST(ProjectFile, TheEngineReadsASavedProject) {
  TestFolder folder;
  Project p;
  p.data->Title = "Saved for the engine";
  p.data->MinDiameter() = 3.0L;
  p.data->ShaftModulus() = 3600000.0L;
  p.data->ShaftLength() = 20.0L;
  p.data->WaterDepth() = 8.0L;
  fillAllTypes(p);
  p.data->FileName = folder.file("project.bkd");
  p.data->Save();
  folder.writeRunControl("project");

  TDynamicLibrary library;
  library.SetLibraryName(bormek::testing::binDir() + "/Bormek2012_DLL.so");
  library.Open();
  auto entry = reinterpret_cast<std::int32_t (*)(std::int32_t)>(library.ProcAddress("_IBORMEK"));
  ASSERT_NE(entry, nullptr);
  {
    bormek::testing::InFolder inside(folder.path());
    entry(13);
  }
  const auto report = readLines(folder.file("project.bko"));
  auto has = [&report](const std::string& line) {
    return std::find(report.begin(), report.end(), line) != report.end();
  };
  EXPECT_TRUE(has("     " + std::string("Saved for the engine") + std::string(52, ' ')));
  EXPECT_TRUE(has("     PROPOSED DEPTH =      20.0 FT"));
  EXPECT_TRUE(has("     NUMBER OF LAYERS =    9"));
  EXPECT_TRUE(has("     WATER TABLE DEPTH =       8.0 FT."));
  // Layer 2 (clay) top: unit weight 20 + 0.3 = 20.3 pcf, cohesion 20.6 psf.
  EXPECT_TRUE(has("       SOIL UNIT WEIGHT, LB/CU FT                        = 0.203E+02"));
  EXPECT_TRUE(has("       UNDRAINED SHEAR STRENGTH, LB/SQ FT                = 0.206E+02"));
}

}  // namespace
