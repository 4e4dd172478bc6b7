// Loading plot-data files into the thirteen plots: small files written
// here for the edge cases, and the files the engine writes for the bundled
// examples and fixtures, whose numbers this test reads by the file's
// documented layout (a header of three integers per diameter, seven values
// per depth row, four per load-settlement row).
#include "core/plot_results.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/support/scripted_dialogs.h"
#include "core/layer_bands.h"
#include "core/plot_set.h"
#include "core/program_data.h"
#include "core/soil_layer_columns.h"
#include "core/units.h"
#include "support/engine_run.h"
#include "support/test_folder.h"

namespace {

using bormek::testing::TestFolder;

constexpr int kSettlementRows = 15;

struct Loading {
  std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TProgramData project{*tables};
  TPlotSet plots;
  ScriptedDialogs dialogs;

  Loading() { project.Create(); }

  bool load(const std::string& path, bool reportErrors = true) {
    return LoadPlotResults(plots, project, dialogs, path, reportErrors);
  }
  TGraphPlot& plot(PlotId id) { return plots.Plot(id); }
};

// A plot file written as the engine lays it out: per block a header, the
// depth rows (each given as its seven values) and 15 rows per curve.
struct Block {
  int rows;
  std::vector<std::vector<double>> depthRows;  // 7 values each (5 for the older layout)
  int settlementLines;                         // 1 or 3
};

std::string plotFileText(int diameters, int curves, const std::vector<Block>& blocks) {
  std::ostringstream out;
  for (const Block& block : blocks) {
    out << diameters << ' ' << block.rows << ' ' << curves << "\r\n";
    for (const auto& row : block.depthRows) {
      for (std::size_t k = 0; k < row.size(); ++k) {
        out << ' ' << row[k] << (k == 4 ? "\r\n" : "");
      }
      out << "\r\n";
    }
    for (int line = 0; line < block.settlementLines; ++line) {
      for (int row = 1; row <= kSettlementRows; ++row) {
        // Top load, top movement, tip load, tip movement of curve `line`.
        out << ' ' << 10 * row + 1000 * line << ' ' << 0.01 * row << ' ' << 5 * row << ' '
            << 0.005 * row << "\r\n";
      }
    }
  }
  return out.str();
}

// A depth row whose values tell where they came from: depth d, then
// d + 0.1 ... d + 0.6 for the six resistances.
std::vector<double> row(double depth) {
  return {depth, depth + 0.1, depth + 0.2, depth + 0.3, depth + 0.4, depth + 0.5, depth + 0.6};
}

std::string writePlotFile(const TestFolder& folder, const std::string& text) {
  folder.write("plot.bkp", text);
  return folder.file("plot.bkp");
}

TEST(LoadPlotResults, NamesTheLinesByDiameterInFeetOrMetres) {
  const struct {
    int system;
    double first;
    std::vector<QString> names;
  } cases[] = {
      {kEnglishUnits, 2.5, {"Dia=2.5 ft", "Dia=3 ft", "Dia=3.5 ft"}},
      {kSiUnits, 0.9, {"Dia=0.9 m", "Dia=1.052 m", "Dia=1.204 m"}},
  };
  for (const auto& c : cases) {
    TestFolder folder;
    Loading l;
    l.project.UnitSystem = c.system;
    l.project.MinDiameter() = c.first;
    const Block block{2, {row(0), row(1)}, 3};
    ASSERT_TRUE(l.load(writePlotFile(folder, plotFileText(3, 3, {block, block, block}))));
    for (const PlotId id : {PlotId::pltSkin, PlotId::FSpltTotal, PlotId::pltAxial, PlotId::pltUpper,
                            PlotId::pltLower}) {
      const TGraphPlot& plot = l.plot(id);
      ASSERT_EQ(plot.LineCount(), 3);
      for (int line = 0; line < 3; ++line) {
        EXPECT_EQ(plot.CurveNameOf(line), c.names[static_cast<std::size_t>(line)]);
      }
      EXPECT_EQ(plot.Units(), c.system);
    }
  }
}

TEST(LoadPlotResults, CaptionsFollowTheDesignMethodAndTheLoading) {
  const struct {
    int method;
    int loading;
    const char* skin;
    const char* tip;
    const char* total;
    const char* combined;
    const char* combinedTip;
  } cases[] = {
      {kAsdMethod, 1, "Side Resistance/F.S. ", "Tip Resistance/F.S. ", "Total Resistance/F.S. ",
       "Resistance/F.S. ", "  Tip Resistance"},
      {kLrfdMethod, 1, "LRFD Side Resistance ", "LRFD Tip Resistance ", "LRFD Total Resistance ",
       "LRFD Resistance ", "  Tip Resistance"},
      {kLrfdMethod, 2, "LRFD Side Resistance ", "Self-Weight", "LRFD Total Resistance ",
       "LRFD Resistance ", "  Self-Weight"},
  };
  for (const auto& c : cases) {
    TestFolder folder;
    Loading l;
    l.project.DesignMethod = c.method;
    l.project.LoadingType = c.loading;
    ASSERT_TRUE(l.load(writePlotFile(folder, plotFileText(1, 3, {{1, {row(0)}, 3}}))));
    EXPECT_EQ(l.plot(PlotId::FSpltSkin).XCaption, c.skin);
    EXPECT_EQ(l.plot(PlotId::FSpltTip).XCaption, c.tip);
    EXPECT_EQ(l.plot(PlotId::FSpltTotal).XCaption, c.total);
    EXPECT_EQ(l.plot(PlotId::pltCombineD).XCaption, c.combined);
    for (const PlotId id : {PlotId::pltCombine, PlotId::pltCombineD}) {
      EXPECT_EQ(l.plot(id).CurveNameOf(0), "  Skin Friction");
      EXPECT_EQ(l.plot(id).CurveNameOf(1), c.combinedTip);
      EXPECT_EQ(l.plot(id).CurveNameOf(2), "  Total Capacity");
    }
    const TGraphPlot& settle = l.plot(PlotId::pltCombinedSettle);
    EXPECT_EQ(settle.CurveNameOf(0), "  Trend (Averaged)");
    EXPECT_EQ(settle.CurveNameOf(1), "  Upper Bound");
    EXPECT_EQ(settle.CurveNameOf(2), "  Lower Bound");
  }
}

TEST(LoadPlotResults, SizesEveryPlotAndPadsShortBlocksWithTheirLastPoint) {
  TestFolder folder;
  Loading l;
  const Block first{3, {row(0), row(1), row(2)}, 3};
  const Block shorter{2, {row(10), row(11)}, 3};
  ASSERT_TRUE(l.load(writePlotFile(folder, plotFileText(2, 3, {first, shorter}))));
  const struct {
    PlotId id;
    int lines;
    int points;
  } sizes[] = {
      {PlotId::pltSkin, 2, 3},     {PlotId::FSpltTip, 2, 3},
      {PlotId::pltAxial, 2, 16},   {PlotId::pltLower, 2, 16},
      {PlotId::pltLoad, 9, 3},     {PlotId::pltCombine, 3, 3},
      {PlotId::pltCombineD, 3, 3}, {PlotId::pltCombinedSettle, 3, 16},
  };
  for (const auto& s : sizes) {
    EXPECT_EQ(l.plot(s.id).LineCount(), s.lines);
    EXPECT_EQ(l.plot(s.id).PointCount(), s.points);
  }
  // Columns: depth, side, tip, total, design side, tip, total.
  const struct {
    PlotId id;
    double offset;
  } columns[] = {{PlotId::pltSkin, 0.1},   {PlotId::pltTip, 0.2},   {PlotId::pltTotal, 0.3},
                 {PlotId::FSpltSkin, 0.4}, {PlotId::FSpltTip, 0.5}, {PlotId::FSpltTotal, 0.6}};
  for (const auto& c : columns) {
    const TGraphPlot& plot = l.plot(c.id);
    EXPECT_DOUBLE_EQ(static_cast<double>(plot.Line(0).Points[2].X), 2 + c.offset);
    EXPECT_DOUBLE_EQ(static_cast<double>(plot.Line(0).Points[2].Y), 2);
    EXPECT_DOUBLE_EQ(static_cast<double>(plot.Line(1).Points[1].X), 11 + c.offset);
    // The second block has two rows: its third point repeats the second.
    EXPECT_DOUBLE_EQ(static_cast<double>(plot.Line(1).Points[2].X), 11 + c.offset);
    EXPECT_DOUBLE_EQ(static_cast<double>(plot.Line(1).Points[2].Y), 11);
  }
  // Load-settlement: point 0 at the origin, then top load and movement.
  for (const auto& [id, lineOffset] :
       {std::pair{PlotId::pltAxial, 0}, {PlotId::pltUpper, 1000}, {PlotId::pltLower, 2000}}) {
    const TLine& line = l.plot(id).Line(1);
    EXPECT_EQ(line.Points[0].X, 0);
    EXPECT_EQ(line.Points[0].Y, 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(line.Points[15].X), 150 + lineOffset);
    EXPECT_DOUBLE_EQ(static_cast<double>(line.Points[15].Y), 0.15);
  }
  EXPECT_EQ(l.project.SettlementCurves, 3);
}

TEST(LoadPlotResults, TheCombinedPlotsTakeTheFirstDiameter) {
  TestFolder folder;
  Loading l;
  const Block first{2, {row(0), row(1)}, 3};
  const Block second{2, {row(5), row(6)}, 3};
  ASSERT_TRUE(l.load(writePlotFile(folder, plotFileText(2, 3, {first, second}))));
  const struct {
    PlotId combined;
    PlotId sources[3];
  } cases[] = {
      {PlotId::pltCombine, {PlotId::pltSkin, PlotId::pltTip, PlotId::pltTotal}},
      {PlotId::pltCombineD, {PlotId::FSpltSkin, PlotId::FSpltTip, PlotId::FSpltTotal}},
      {PlotId::pltCombinedSettle, {PlotId::pltAxial, PlotId::pltUpper, PlotId::pltLower}},
  };
  for (const auto& c : cases) {
    for (int k = 0; k < 3; ++k) {
      const auto& combined = l.plot(c.combined).Line(k).Points;
      const auto& source = l.plot(c.sources[k]).Line(0).Points;
      ASSERT_EQ(combined.size(), source.size());
      for (std::size_t j = 0; j < combined.size(); ++j) {
        EXPECT_EQ(combined[j].X, source[j].X);
        EXPECT_EQ(combined[j].Y, source[j].Y);
      }
    }
  }
  EXPECT_DOUBLE_EQ(static_cast<double>(l.plot(PlotId::pltCombine).Line(2).Points[1].X), 1.3);
}

TEST(LoadPlotResults, AVanishingTipAtTheDeepestPointShowsAsOneHundredThousandth) {
  const struct {
    double tip;
    double shown;
  } cases[] = {{0, 1e-5}, {5e-5, 1e-5}, {-2, 1e-5}, {2e-4, 2e-4}, {3, 3}};
  for (const auto& c : cases) {
    TestFolder folder;
    Loading l;
    std::vector<double> deepest = row(4);
    deepest[2] = c.tip;
    ASSERT_TRUE(l.load(writePlotFile(folder, plotFileText(1, 3, {{2, {row(0), deepest}, 3}}))));
    EXPECT_NEAR(static_cast<double>(l.plot(PlotId::pltTip).Line(0).Points[1].X), c.shown, 1e-12)
        << c.tip;
    // Only the ultimate tip plot: the design tip keeps its value.
    EXPECT_DOUBLE_EQ(static_cast<double>(l.plot(PlotId::FSpltTip).Line(0).Points[1].X), 4.5);
  }
}

TEST(LoadPlotResults, ARockTipRunReadsOneSettlementLineAndLeavesTheBoundsAtZero) {
  TestFolder folder;
  Loading l;
  const Block block{1, {row(3)}, 1};
  ASSERT_TRUE(l.load(writePlotFile(folder, plotFileText(2, 0, {block, block}))));
  EXPECT_EQ(l.project.SettlementCurves, 0);
  EXPECT_DOUBLE_EQ(static_cast<double>(l.plot(PlotId::pltAxial).Line(1).Points[15].X), 150);
  for (const PlotId id : {PlotId::pltUpper, PlotId::pltLower}) {
    for (const TFloatPoint& point : l.plot(id).Line(1).Points) {
      EXPECT_EQ(point.X, 0);
      EXPECT_EQ(point.Y, 0);
    }
  }
}

// A project read in the older layout comes with five values per row; the
// design values follow from the factors of safety (the tip unfactored in
// uplift).
TEST(LoadPlotResults, FiveValueRowsTakeTheDesignValuesFromTheFactorsOfSafety) {
  const struct {
    int loading;
    double designTip;
  } cases[] = {{1, 12.0 / 3}, {2, 12}};
  for (const auto& c : cases) {
    TestFolder folder;
    Loading l;
    l.project.CurrentFormat = false;
    l.project.LoadingType = c.loading;
    l.project.SafetySide() = 2;
    l.project.SafetyBase() = 3;
    const std::vector<double> legacy = {5, 8, 12, 20, 999};
    ASSERT_TRUE(l.load(writePlotFile(folder, plotFileText(1, 3, {{1, {legacy}, 3}}))));
    EXPECT_DOUBLE_EQ(static_cast<double>(l.plot(PlotId::FSpltSkin).Line(0).Points[0].X), 4);
    EXPECT_DOUBLE_EQ(static_cast<double>(l.plot(PlotId::FSpltTip).Line(0).Points[0].X),
                     c.designTip);
    EXPECT_DOUBLE_EQ(static_cast<double>(l.plot(PlotId::FSpltTotal).Line(0).Points[0].X),
                     4 + c.designTip);
  }
}

TEST(LoadPlotResults, AFileThatCannotBeReadIsReportedOnceWhenAsked) {
  const Block block{2, {row(0), row(1)}, 3};
  const std::string whole = plotFileText(1, 3, {block});
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"truncated in the settlement rows", whole.substr(0, whole.size() - 40)},
      {"a word that is no number", "1 2 3\r\n 0 0 0 0 x 0 0\r\n"},
      {"more diameters than the engine writes", "101 2 3\r\n"},
      {"more depth rows than the engine writes", "1 1001 3\r\n"},
      {"empty", ""},
  };
  for (const auto& c : cases) {
    for (const bool report : {true, false}) {
      TestFolder folder;
      Loading l;
      EXPECT_FALSE(l.load(writePlotFile(folder, c.text), report)) << c.what;
      EXPECT_EQ(l.dialogs.Errors(), report ? QStringList{kPlotReadError} : QStringList()) << c.what;
      EXPECT_TRUE(l.dialogs.Messages().isEmpty());
    }
  }
  // What was read before the error stays.
  TestFolder folder;
  Loading l;
  EXPECT_FALSE(l.load(writePlotFile(folder, whole.substr(0, whole.size() - 40))));
  EXPECT_DOUBLE_EQ(static_cast<double>(l.plot(PlotId::pltSkin).Line(0).Points[1].X), 1.1);
  EXPECT_EQ(l.plot(PlotId::pltSkin).CurveNameOf(0), "Dia=0 ft");
}

TEST(LoadPlotResults, AMissingFileIsNotLoadedAndNotReported) {
  TestFolder folder;
  Loading l;
  l.project.FileName = folder.file("absent.bkd");
  EXPECT_FALSE(LoadProjectResults(l.plots, l.project, l.dialogs, true));
  EXPECT_TRUE(l.dialogs.Calls().empty());
}

TEST(LoadPlotResults, AddsOneBandPerLayerToTheDepthPlots) {
  TestFolder folder;
  Loading l;
  TGridTable& d = l.project.Tables().D();
  const struct {
    int type;
    double bottom;
    const char* name;
    int pattern;
  } layers[] = {
      {kSand, 5, " SAND ", 7},
      {kClay, 10, " CLAY ", 1},
      {kShale, 15, " SHALE ", 8},
      {kStrongRockEither, 20, " ROCK ", 9},
      {kDecomposedRock, 25, " WEAK ROCK ", 10},
      {kWeakRock, 30, " GW ", 12},
      {kStrongRockBoth, 35, " ROCK ", 9},
      {kGravellySand, 40, " GW ", 11},
      {kGravel, 45, " GRAVEL ", 12},
  };
  d.SetRowCount(static_cast<int>(std::size(layers)));
  for (int k = 0; k < d.RowCount(); ++k) {
    d.Cells(kTypeColumn, k).SetInteger(layers[k].type);
    d.Cells(kDepthColumn, k).SetFloat(layers[k].bottom);
  }
  ASSERT_TRUE(l.load(writePlotFile(folder, plotFileText(1, 3, {{1, {row(0)}, 3}}))));
  for (const PlotId id :
       {PlotId::pltSkin, PlotId::pltTip, PlotId::pltTotal, PlotId::FSpltSkin, PlotId::FSpltTip,
        PlotId::FSpltTotal, PlotId::pltCombine, PlotId::pltCombineD}) {
    const TGraphPlot& plot = l.plot(id);
    ASSERT_EQ(plot.LineCount(LineList::kLayers), d.RowCount());
    for (int k = 0; k < d.RowCount(); ++k) {
      const TLine& band = plot.Line(k, LineList::kLayers);
      EXPECT_EQ(band.Name, layers[k].name);
      ASSERT_EQ(band.Points.size(), 1u);
      EXPECT_EQ(band.Points[0].X, layers[k].pattern);
      EXPECT_EQ(band.Points[0].Y, layers[k].bottom);
    }
  }
  for (const PlotId id : {PlotId::pltAxial, PlotId::pltLoad, PlotId::pltCombinedSettle}) {
    EXPECT_EQ(l.plot(id).LineCount(LineList::kLayers), 0);
  }
}

// ---- the engine's own plot files ------------------------------------------

// The numbers of a plot file in order, read as the documented stream of
// blank-separated words.
std::vector<double> numbersOf(const std::string& path) {
  std::ifstream in(path);
  std::vector<double> numbers;
  double value = 0;
  while (in >> value) {
    numbers.push_back(value);
  }
  return numbers;
}

// Rows and positions of one block of a plot file by its documented layout.
struct BlockLayout {
  int rows;
  std::size_t firstRow;  // position of the first depth row's first value
};

std::vector<BlockLayout> blocksOf(const std::vector<double>& n) {
  const int diameters = static_cast<int>(n.at(0));
  const int curves = static_cast<int>(n.at(2));
  const std::size_t settlementValues = 4 * kSettlementRows * (curves > 1 ? 3 : 1);
  std::vector<BlockLayout> blocks;
  std::size_t at = 0;
  for (int k = 0; k < diameters; ++k) {
    const int rows = static_cast<int>(n.at(at + 1));
    blocks.push_back({rows, at + 3});
    at += 3 + 7 * static_cast<std::size_t>(rows) + settlementValues;
  }
  return blocks;
}

// Single precision written as E10.3 and read back: the loader and this
// reader parse the same digits.
constexpr double kTolerance = 1e-9;

struct EngineCase {
  const char* name;
  bool fixture;  // tests/fixtures rather than examples/
  int system;
  int method;
  int loading;
  bool boundedCurves;  // the upper and lower bound are in the file
};

class EnginePlotFile : public ::testing::TestWithParam<EngineCase> {};

TEST_P(EnginePlotFile, LoadsEveryNumberWhereTheLayoutPutsIt) {
  const EngineCase& c = GetParam();
  TestFolder folder;
  const std::string source =
      c.fixture ? bormek::testing::fixturePath(c.name) : bormek::testing::examplePath(c.name);
  bormek::testing::runEngineOn(folder, bormek::testing::readText(source));
  Loading l;
  ASSERT_TRUE(l.project.CreateFromFile(folder.file("project.bkd"), true).empty());
  ASSERT_EQ(l.project.UnitSystem, c.system);
  ASSERT_EQ(l.project.DesignMethod, c.method);
  ASSERT_EQ(l.project.LoadingType, c.loading);
  ASSERT_TRUE(l.load(folder.file("project.bkp")));
  EXPECT_TRUE(l.dialogs.Calls().empty());

  const std::vector<double> n = numbersOf(folder.file("project.bkp"));
  const int diameters = static_cast<int>(n.at(0));
  const int depthRows = static_cast<int>(n.at(1));
  const int curves = static_cast<int>(n.at(2));
  EXPECT_EQ(curves > 2, c.boundedCurves);
  EXPECT_EQ(l.project.SettlementCurves, curves);
  ASSERT_EQ(l.plot(PlotId::pltSkin).LineCount(), diameters);
  ASSERT_EQ(l.plot(PlotId::pltSkin).PointCount(), depthRows);
  const char* unit = c.system == kSiUnits ? " m" : " ft";
  const double step = c.system == kSiUnits ? 0.152 : 0.5;

  const std::vector<BlockLayout> blocks = blocksOf(n);
  const PlotId byColumn[] = {PlotId::pltSkin,   PlotId::pltTip,   PlotId::pltTotal,
                             PlotId::FSpltSkin, PlotId::FSpltTip, PlotId::FSpltTotal};
  for (int k = 0; k < diameters; ++k) {
    const BlockLayout& block = blocks[static_cast<std::size_t>(k)];
    const QString name = QStringLiteral("Dia=") +
                         QString::number(static_cast<double>(l.project.MinDiameter()) + step * k) +
                         QLatin1String(unit);
    EXPECT_EQ(l.plot(PlotId::pltAxial).CurveNameOf(k), name);
    for (int j = 0; j < depthRows; ++j) {
      const std::size_t at =
          block.firstRow + 7 * static_cast<std::size_t>(std::min(j, block.rows - 1));
      for (int column = 0; column < 6; ++column) {
        const PlotId id = byColumn[column];
        // Under uplift the design tip plot shows the tip column as it is.
        const int read = id == PlotId::FSpltTip && c.loading == 2 ? 2 : column + 1;
        double expected = n.at(at + static_cast<std::size_t>(read));
        if (id == PlotId::pltTip && j == depthRows - 1 && expected < 1e-4) {
          expected = 1e-5;
        }
        const TFloatPoint& point = l.plot(id).Line(k).Points.at(static_cast<std::size_t>(j));
        EXPECT_NEAR(static_cast<double>(point.X), expected, kTolerance) << k << ' ' << j;
        EXPECT_NEAR(static_cast<double>(point.Y), n.at(at), kTolerance);
      }
    }
    const std::size_t settlement = block.firstRow + 7 * static_cast<std::size_t>(block.rows);
    const PlotId lines[] = {PlotId::pltAxial, PlotId::pltUpper, PlotId::pltLower};
    for (int line = 0; line < (c.boundedCurves ? 3 : 1); ++line) {
      const auto& points = l.plot(lines[line]).Line(k).Points;
      for (int r = 1; r <= kSettlementRows; ++r) {
        const std::size_t at =
            settlement + 4 * static_cast<std::size_t>(kSettlementRows * line + r - 1);
        EXPECT_NEAR(static_cast<double>(points.at(static_cast<std::size_t>(r)).X), n.at(at),
                    kTolerance);
        EXPECT_NEAR(static_cast<double>(points.at(static_cast<std::size_t>(r)).Y), n.at(at + 1),
                    kTolerance);
      }
    }
  }
  EXPECT_EQ(l.plot(PlotId::pltSkin).LineCount(LineList::kLayers),
            l.project.Tables().D().RowCount());
}

INSTANTIATE_TEST_SUITE_P(
    ExamplesAndFixtures, EnginePlotFile,
    ::testing::Values(EngineCase{"sand_clay.bkd", false, kEnglishUnits, kAsdMethod, 1, true},
                      EngineCase{"si_clay_sand.bkd", false, kSiUnits, kLrfdMethod, 1, true},
                      EngineCase{"rock_socket.bkd", false, kEnglishUnits, kAsdMethod, 1, false},
                      EngineCase{"weak_rock.bkd", false, kEnglishUnits, kAsdMethod, 1, false},
                      EngineCase{"all_types_english_lrfd.bkd", true, kEnglishUnits, kLrfdMethod, 2,
                                 false},
                      EngineCase{"all_types_si_asd.bkd", true, kSiUnits, kAsdMethod, 1, true}),
    [](const ::testing::TestParamInfo<EngineCase>& param) {
      std::string name = param.param.name;
      return name.substr(0, name.find('.'));
    });

}  // namespace
