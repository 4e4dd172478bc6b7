// The table window's logic without a view: the model adapter over a grid
// table, the width a column asks for and the sizing to whole columns and
// rows.
#include "core/grid_table_model.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QSignalSpy>
#include <memory>

#include "app/support/table_entries.h"
#include "core/grid_enum_column.h"
#include "core/grid_float_column.h"
#include "core/grid_int_column.h"
#include "core/grid_string_column.h"
#include "core/grid_table.h"
#include "core/grid_table_column.h"
#include "core/soil_layer_columns.h"
#include "core/soil_layer_tables.h"

namespace {

using namespace bormek::app_testing;  // the entries and their messages

// ---------------------------------------------------------------------------
// The model adapter.

class GridTableModelTest : public ::testing::Test {
 protected:
  std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TGridTable& d = tables->D();
};

TEST_F(GridTableModelTest, DShowsOneRowPerLayerAndOneColumnPerVisibleColumn) {
  d.SetRowCount(3);
  TGridTableModel model(d);
  EXPECT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.columnCount(), kSoilLayerColumnCount);
  model.release();
  d.Columns(5).Visible = false;
  d.Columns(6).Visible = false;
  TGridTableModel asd(d);
  EXPECT_EQ(asd.columnCount(), 5);
}

TEST_F(GridTableModelTest, HeaderRowsAreTheMostLinesOfAVisibleColumnAndShorterHeadersArePadded) {
  TGridTableModel model(d);
  EXPECT_EQ(model.HeaderRows(), 2);
  EXPECT_EQ(model.HeaderLines(kTypeColumn),
            QStringList({"                    Soil Type                      ", ""}));
  // A float column's last line carries its unit label in the table's units.
  EXPECT_EQ(model.headerData(kDepthColumn, Qt::Horizontal).toString(),
            "Depth at Bottom \nof each Layer (ft)  ");
  EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), "Max. End \nBearing (lbs/ft^2)  ");

  d.Cells(kTypeColumn, 0).SetInteger(kGravellySand);
  TGridTableModel gravellySand(*d.Cells(kLayerDataColumn, 0).AsTable());
  EXPECT_EQ(gravellySand.HeaderLines(1), QStringList({"Blow Counts", ""}));
}

TEST_F(GridTableModelTest, RowHeadersNumberTheRowGroups) {
  TGridTable table;
  table.SetRowGroup(2);
  table.AddColumn<TFloatColumn>().Header = {"Value"};
  table.SetRowCount(4);
  TGridTableModel model(table);
  const QString expected[] = {"1", "1", "2", "2"};
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(model.headerData(row, Qt::Vertical).toString(), expected[row]) << "row " << row;
  }
}

TEST_F(GridTableModelTest, ListAndButtonCellsShowNoTextButTheirItemAndCaption) {
  TGridTableModel model(d);
  const QModelIndex soilType = model.index(0, kTypeColumn);
  EXPECT_EQ(model.ControlOf(kTypeColumn), TCellControl::kDropDown);
  EXPECT_EQ(soilType.data().toString(), "");
  EXPECT_EQ(soilType.data(TGridTableModel::kItemNumberRole).toInt(), kSand);
  const QStringList items = soilType.data(TGridTableModel::kItemsRole).toStringList();
  ASSERT_EQ(items.size(), 9);
  EXPECT_EQ(items[1], "clay (FHWA Spec.)");

  const QModelIndex layerData = model.index(0, kLayerDataColumn);
  EXPECT_EQ(model.ControlOf(kLayerDataColumn), TCellControl::kButton);
  EXPECT_EQ(layerData.data().toString(), "");
  EXPECT_EQ(layerData.data(TGridTableModel::kButtonCaptionRole).toString(), "1: Sand Layer Data");
  EXPECT_FALSE(model.flags(layerData).testFlag(Qt::ItemIsSelectable));

  EXPECT_EQ(model.ControlOf(kDepthColumn), TCellControl::kNone);
  EXPECT_EQ(model.index(0, kDepthColumn).data().toString(), "0");
  EXPECT_TRUE(model.flags(model.index(0, kDepthColumn)).testFlag(Qt::ItemIsEditable));
}

TEST_F(GridTableModelTest, ControlTextsCoverEveryItemAndEveryKindOfSubTableAtTheLastRow) {
  TGridTableModel model(d);
  EXPECT_EQ(model.ControlTexts(kTypeColumn).size(), 9);
  EXPECT_TRUE(model.ControlTexts(kDepthColumn).isEmpty());
  const QStringList captions = model.ControlTexts(kLayerDataColumn);
  EXPECT_TRUE(captions.contains("1: Sand Layer Data"));
  // MaxRows is 20: the widest captions come with the number 20.
  EXPECT_TRUE(captions.contains("20: Decomposed Geo. Layer Data"));
  EXPECT_TRUE(captions.contains("20: Gravelly Sand Layer Data"));
}

TEST_F(GridTableModelTest, ACommittedExpressionIsStoredAsItsValue) {
  TGridTableModel model(d);
  EXPECT_EQ(model.commitText(0, kDepthColumn, "2*12.5"), "");
  EXPECT_EQ(d.Cells(kDepthColumn, 0).AsFloat(), 25.0L);
  EXPECT_EQ(model.index(0, kDepthColumn).data().toString(), "25");
}

TEST_F(GridTableModelTest, RefusedEntriesGiveTheirMessageWithLineBreaks) {
  TGridTableModel model(d);
  const struct {
    const char* text;
    QString message;
  } cases[] = {{"abc", kInvalidCharacters}, {"", kBlankEntry}};
  for (const auto& entry : cases) {
    EXPECT_EQ(model.commitText(0, kDepthColumn, entry.text), entry.message) << entry.text;
  }
  EXPECT_EQ(d.Cells(kDepthColumn, 0).AsFloat(), 0.0L);
}

TEST_F(GridTableModelTest, BlowCountsAboveTheMaximumAreRefusedOnlyWhileTheWindowIsOpen) {
  TGridTable& sand = *d.Cells(kLayerDataColumn, 0).AsTable();
  TGridTableModel model(sand);
  EXPECT_EQ(model.commitText(0, kBlowCounts, "250"), "");
  EXPECT_EQ(sand.Cells(kBlowCounts, 0).AsInteger(), 250);

  sand.SetWindowOpen(true);
  EXPECT_EQ(model.commitText(1, kBlowCounts, "250"), kBlowCountRange);
  EXPECT_EQ(model.commitText(1, kBlowCounts, "-2.5"), "Entry must be an integer.");
  EXPECT_EQ(model.commitText(1, kBlowCounts, "60+40"), "");
  EXPECT_EQ(sand.Cells(kBlowCounts, 1).AsInteger(), 100);
}

TEST_F(GridTableModelTest, ChoosingClayReplacesOnlyThatRowsSubTableAndRefreshesTheRow) {
  d.SetRowCount(3);
  TGridTable* first = d.Cells(kLayerDataColumn, 0).AsTable();
  TGridTable* third = d.Cells(kLayerDataColumn, 2).AsTable();
  TGridTableModel model(d);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

  model.chooseItem(1, kTypeColumn, kClay);

  EXPECT_EQ(d.Cells(kTypeColumn, 1).AsInteger(), kClay);
  ASSERT_NE(d.Cells(kLayerDataColumn, 1).AsTable(), nullptr);
  EXPECT_EQ(d.Cells(kLayerDataColumn, 1).AsTable()->Caption, "Clay Layer Data");
  EXPECT_EQ(d.Cells(kLayerDataColumn, 0).AsTable(), first);
  EXPECT_EQ(d.Cells(kLayerDataColumn, 2).AsTable(), third);
  EXPECT_EQ(model.index(1, kLayerDataColumn).data(TGridTableModel::kButtonCaptionRole).toString(),
            "2: Clay Layer Data");
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].toModelIndex(), model.index(1, 0));
  EXPECT_EQ(changed[0][1].toModelIndex(), model.index(1, kSoilLayerColumnCount - 1));
}

TEST_F(GridTableModelTest, AValueSetByTheProgramRefreshesItsRow) {
  d.SetRowCount(2);
  TGridTableModel model(d);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  d.Cells(kMaxSideColumn, 1).SetFloat(1500);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].toModelIndex().row(), 1);
  EXPECT_EQ(model.index(1, kMaxSideColumn).data().toString(), "1500");
}

TEST_F(GridTableModelTest, RowCommandsResetTheModelWithoutReportingAResize) {
  TGridTableModel model(d);
  QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
  QSignalSpy resized(&model, &TGridTableModel::tableResized);
  model.addRowGroup();
  model.insertRowGroup(0);
  model.deleteRowGroup(2);
  EXPECT_EQ(model.rowCount(), 2);
  EXPECT_EQ(resets.count(), 3);
  EXPECT_EQ(resized.count(), 0);

  d.AddRowGroup();
  EXPECT_EQ(resets.count(), 4);
  EXPECT_EQ(resized.count(), 1);
}

TEST_F(GridTableModelTest, TheTablesOwnHandlersKeepRunningAndComeBackOnRelease) {
  int resizes = 0;
  int cellChanges = 0;
  d.OnResize = [&resizes] { ++resizes; };
  d.OnCellChanged = [&cellChanges](int, int) { ++cellChanges; };
  TGridTableModel model(d);
  d.AddRowGroup();
  d.Cells(kDepthColumn, 0).SetFloat(5);
  EXPECT_EQ(resizes, 1);
  EXPECT_EQ(cellChanges, 1);

  QSignalSpy resized(&model, &TGridTableModel::tableResized);
  model.release();
  EXPECT_EQ(model.rowCount(), 0);
  d.AddRowGroup();
  EXPECT_EQ(resizes, 2);
  EXPECT_EQ(resized.count(), 0);
}

TEST_F(GridTableModelTest, ADestroyedTableLeavesAnEmptyModelThatSaysSo) {
  auto model = std::make_unique<TGridTableModel>(*d.Cells(kLayerDataColumn, 0).AsTable());
  QSignalSpy destroyed(model.get(), &TGridTableModel::tableDestroyed);
  d.Cells(kTypeColumn, 0).SetInteger(kClay);
  EXPECT_EQ(destroyed.count(), 1);
  EXPECT_EQ(model->Table(), nullptr);
  EXPECT_EQ(model->rowCount(), 0);
  model.reset();  // nothing left to give back to
}

TEST(GridColumnMinWidthTest, IsTheKindsWidthOrTheWidestHeaderLineWithTwoBlanks) {
  const QFontMetrics metrics(QGuiApplication::font());
  constexpr int kPixelsPerInch = 96;
  TGridTable table;
  auto& list = table.AddColumn<TEnumColumn>();
  auto& whole = table.AddColumn<TIntColumn>();
  auto& real = table.AddColumn<TFloatColumn>();
  auto& text = table.AddColumn<TStringColumn>();
  text.Width = 1.25L;
  auto& sub = table.AddColumn<TTableColumn>();
  // Short headers: 1.5, 0.5, 0.5, 1.25 and 2 inches at 96 pixels per inch.
  EXPECT_EQ(GridColumnMinWidth(list, metrics, kPixelsPerInch), 144);
  EXPECT_EQ(GridColumnMinWidth(whole, metrics, kPixelsPerInch), 48);
  EXPECT_EQ(GridColumnMinWidth(real, metrics, kPixelsPerInch), 48);
  EXPECT_EQ(GridColumnMinWidth(text, metrics, kPixelsPerInch), 120);
  EXPECT_EQ(GridColumnMinWidth(sub, metrics, kPixelsPerInch), 192);

  real.Header = {"x", "A header line much wider than half an inch"};
  EXPECT_EQ(GridColumnMinWidth(real, metrics, kPixelsPerInch),
            metrics.horizontalAdvance("A header line much wider than half an inch  "));
}

// ---------------------------------------------------------------------------
// Sizing to whole columns and rows. A grid of a 40-pixel row column, three
// columns of 100, 60 and 80, a 30-pixel header, 12 rows of 20, a 1-pixel
// frame and 15-pixel scroll bars; 10 pixels of window around it in width,
// 40 in height, and row buttons 150 wide. Everything shown: a grid of
// 2 + 40 + 240 = 282 by 2 + 30 + 240 = 272, a window of 292 by 312.

class GridSizingTest : public ::testing::Test {
 protected:
  GridSizingTest() {
    metrics.fixedWidth = 40;
    metrics.columnWidths = {100, 60, 80};
    metrics.headerHeight = 30;
    metrics.rowHeight = 20;
    metrics.rowCount = 12;
    metrics.frame = 1;
    metrics.verticalBarWidth = 15;
    metrics.horizontalBarHeight = 15;
    chrome.minimumGridWidth = 150;
    chrome.extraWidth = 10;
    chrome.extraHeight = [](int) { return 40; };
  }

  TGridMetrics metrics;
  TWindowChrome chrome;
  const TGridExtent everything{0, 3, 0, 12};
};

TEST_F(GridSizingTest, GridSizeAddsAScrollBarWhereNotEverythingShows) {
  EXPECT_EQ(GridSize(metrics, everything), QSize(282, 272));
  // 2 + 40 + 100 + 60 + 15 by 2 + 30 + 5 * 20 + 15.
  EXPECT_EQ(GridSize(metrics, {0, 2, 3, 5}), QSize(217, 147));
  EXPECT_EQ(WindowSize(metrics, everything, chrome), QSize(292, 312));
  // 2 + 40 + 100 = 142 is narrower than the row buttons: 150 + 10.
  EXPECT_EQ(WindowSize(metrics, {0, 1, 0, 12}, chrome).width(), 160);
}

TEST_F(GridSizingTest, SnapsToTheCandidateLeastOutsideTheDraggedRectangle) {
  const struct {
    const char* what;
    TGridExtent present;
    QSize dragged;
    int edges;
    TGridExtent extent;
    QSize window;
  } cases[] = {
      // Everything fits: no scroll bar, the window as large as everything.
      {"roomy", everything, {400, 400}, kRightEdge | kBottomEdge, everything, {292, 312}},
      // 250 wide: 240 - 42 = 198 for columns takes 100 + 60; the rows stay.
      {"narrow", everything, {250, 312}, kRightEdge, {0, 2, 0, 12}, {212, 327}},
      // 200 high: 200 - 40 - 32 = 128 for rows takes 6 beside a vertical bar.
      {"low", everything, {292, 200}, kBottomEdge, {0, 3, 0, 6}, {307, 192}},
      // 200 by 200 from both: 133 for one column, 113 for 5 rows fits exactly.
      {"small", everything, {200, 200}, kRightEdge | kBottomEdge, {0, 1, 0, 5}, {167, 187}},
      // The left border from the last column: 208 takes it, then column 1.
      {"leftwards", {2, 1, 0, 12}, {260, 312}, kLeftEdge, {1, 2, 0, 12}, {192, 327}},
      // Narrower than the row buttons: the window keeps their width.
      {"buttons", everything, {100, 312}, kRightEdge, {0, 1, 0, 12}, {160, 327}},
      // Scrolled to row 10 of 12: 6 rows fit, so the top row moves up to 6.
      {"top row", {0, 3, 10, 2}, {292, 200}, kBottomEdge, {0, 3, 6, 6}, {307, 192}},
  };
  for (const auto& drag : cases) {
    const TSnappedGrid snapped =
        SnapGridExtent(metrics, drag.present, chrome, drag.dragged, drag.edges);
    EXPECT_EQ(snapped.extent, drag.extent) << drag.what;
    EXPECT_EQ(snapped.windowSize, drag.window) << drag.what;
  }
}

// Opening inside a work area: columns go from the right, then rows from the
// bottom, until the window fits; ten of twelve rows shown is {0, 3, 0, 10},
// a window of 2 + 40 + 240 + 15 + 10 = 307 by 2 + 30 + 200 + 40 = 272.
TEST_F(GridSizingTest, FitsTheExtentIntoTheWorkAreaByDroppingColumnsThenRows) {
  const struct {
    const char* what;
    TGridExtent present;
    QSize available;
    TGridExtent extent;
  } cases[] = {
      {"fits", {0, 3, 0, 10}, {400, 400}, {0, 3, 0, 10}},
      // 2 + 40 + 100 + 60 + 15 + 10 = 227 fits in 250; the horizontal bar
      // makes 287, still below 400.
      {"narrow", {0, 3, 0, 10}, {250, 400}, {0, 2, 0, 10}},
      // 200 - 40 - 32 = 128 for rows: 6.
      {"low", {0, 3, 0, 10}, {307, 200}, {0, 3, 0, 6}},
      // One column: 157 + 10 = 167; 150 - 40 - 32 - 15 = 63 for rows: 3.
      {"small", {0, 3, 0, 10}, {200, 150}, {0, 1, 0, 3}},
      {"tiny", {0, 3, 0, 10}, {50, 50}, {0, 1, 0, 1}},
      // Dropping rows of all twelve brings a vertical bar: 307 > 292, so a
      // column goes; its horizontal bar leaves 200 - 40 - 47 = 113: 5 rows.
      {"bars", everything, {292, 200}, {0, 2, 0, 5}},
      {"never grows", {0, 2, 0, 5}, {1000, 1000}, {0, 2, 0, 5}},
  };
  for (const auto& fit : cases) {
    EXPECT_EQ(FitGridExtent(metrics, fit.present, chrome, fit.available), fit.extent) << fit.what;
  }
}

}  // namespace
