// The grid table itself: rows in groups, identifiers, units, the changed
// flag, visible columns and index checks, on small tables built here.
#include "core/grid_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/grid_errors.h"
#include "core/grid_float_column.h"
#include "core/grid_string_column.h"
#include "core/units.h"

namespace {

template <class Error, class Action>
std::string messageOf(Action action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "(nothing thrown)";
}

std::vector<std::string> texts(TGridTable& table, int column) {
  std::vector<std::string> result;
  for (int row = 0; row < table.RowCount(); ++row) {
    result.push_back(table.Cells(column, row).AsText());
  }
  return result;
}

// A table with a name column and a depth column (feet), rows in pairs.
class PairedRowsTest : public ::testing::Test {
 protected:
  PairedRowsTest() {
    table.SetRowGroup(2);
    names.Default = "-";
    depths.UnitCode = "L2";
    depths.Default = 5;
    table.OnResize = [this] { ++resizes; };
    table.SetRowCount(4);
    for (int row = 0; row < 4; ++row) {
      table.Cells(0, row).SetText(std::string(1, static_cast<char>('a' + row)));
    }
    table.SetChanged(false);
  }

  TGridTable table;
  TStringColumn& names = table.AddColumn<TStringColumn>();
  TFloatColumn& depths = table.AddColumn<TFloatColumn>();
  int resizes = 0;
};

TEST_F(PairedRowsTest, SetRowCountDoesNotFireOnResize) {
  EXPECT_EQ(resizes, 0);
}

TEST_F(PairedRowsTest, ANegativeRowCountEmptiesTheTable) {
  table.SetRowCount(-3);
  EXPECT_EQ(table.RowCount(), 0);
  EXPECT_EQ(names.RowCount(), 0);
  EXPECT_EQ(depths.RowCount(), 0);
}

TEST_F(PairedRowsTest, SetRowCountCutsRowsFromTheEnd) {
  table.SetRowCount(3);
  EXPECT_EQ(texts(table, 0), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(depths.RowCount(), 3);
}

TEST_F(PairedRowsTest, SetRowCountAddsRowsOfNewRowValuesUpToTheCount) {
  table.SetRowCount(7);
  EXPECT_EQ(table.RowCount(), 7);
  EXPECT_EQ(texts(table, 0), (std::vector<std::string>{"a", "b", "c", "d", "-", "-", "-"}));
  EXPECT_EQ(texts(table, 1), (std::vector<std::string>{"5", "5", "5", "5", "5", "5", "5"}));
}

TEST_F(PairedRowsTest, AddRowGroupAppendsAWholeGroup) {
  table.AddRowGroup();
  EXPECT_EQ(texts(table, 0), (std::vector<std::string>{"a", "b", "c", "d", "-", "-"}));
  EXPECT_EQ(resizes, 1);
}

TEST_F(PairedRowsTest, InsertRowGroupInsertsBeforeTheGroupOfTheRow) {
  table.InsertRowGroup(3);
  EXPECT_EQ(texts(table, 0), (std::vector<std::string>{"a", "b", "-", "-", "c", "d"}));
  EXPECT_EQ(table.Cells(0, 5).Row(), 5);
  EXPECT_EQ(resizes, 1);
}

TEST_F(PairedRowsTest, InsertRowGroupAtTheRowCountAppends) {
  table.InsertRowGroup(4);
  EXPECT_EQ(texts(table, 0), (std::vector<std::string>{"a", "b", "c", "d", "-", "-"}));
}

TEST_F(PairedRowsTest, DeleteRowGroupRemovesTheGroupOfTheRow) {
  table.DeleteRowGroup(2);
  EXPECT_EQ(texts(table, 0), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(depths.RowCount(), 2);
  EXPECT_EQ(resizes, 1);
}

TEST_F(PairedRowsTest, RowGroupOperationsOutsideTheTableThrow) {
  EXPECT_EQ(messageOf<EGridError>([&] { table.InsertRowGroup(5); }), "Index out of bounds");
  EXPECT_EQ(messageOf<EGridError>([&] { table.DeleteRowGroup(4); }), "Index out of bounds");
  EXPECT_EQ(messageOf<EGridError>([&] { table.DeleteRowGroup(-1); }), "Index out of bounds");
  EXPECT_EQ(table.RowCount(), 4);
}

TEST_F(PairedRowsTest, AGroupSharedValueGoesToEveryRowOfTheGroup) {
  names.GroupShared = true;
  table.Cells(0, 3).SetText("x");
  EXPECT_EQ(texts(table, 0), (std::vector<std::string>{"a", "b", "x", "x"}));
  EXPECT_EQ(names.GroupSize(), 2);
}

TEST_F(PairedRowsTest, EveryChangedCellIsReportedWithItsColumnAndRow) {
  std::vector<std::pair<int, int>> reported;
  table.OnCellChanged = [&reported](int column, int row) { reported.emplace_back(column, row); };
  depths.GroupShared = true;
  table.Cells(1, 2).SetText("12*2.5");
  table.Cells(0, 0).SetText("a");  // the same text: no change
  table.Cells(0, 1).SetText("q");
  EXPECT_EQ(reported, (std::vector<std::pair<int, int>>{{1, 2}, {1, 3}, {0, 1}}));
  EXPECT_EQ(table.Cells(1, 3).AsFloat(), 30.0L);
}

TEST_F(PairedRowsTest, AValueChangeMarksTheTableChanged) {
  EXPECT_FALSE(table.Changed());
  table.Cells(1, 0).SetFloat(7);
  EXPECT_TRUE(table.Changed());
  table.SetChanged(false);
  EXPECT_FALSE(table.Changed());
  table.SetChanged(true);
  EXPECT_TRUE(table.Changed());
}

TEST_F(PairedRowsTest, SwitchingUnitsConvertsOnlyOnARealChange) {
  table.Cells(1, 0).SetFloat(10);
  table.SetChanged(false);
  table.SetUnits(kEnglishUnits);
  EXPECT_EQ(resizes, 0);
  table.SetUnits(kSiUnits);
  EXPECT_EQ(resizes, 1);
  // 10 ft = 3.048 m; the module's feet per metre has 10 digits.
  EXPECT_NEAR(static_cast<double>(table.Cells(1, 0).AsFloat()), 3.048, 1e-9);
  // Every stored value is converted, new-row values too; Default is not.
  EXPECT_NEAR(static_cast<double>(table.Cells(1, 1).AsFloat()), 1.524, 1e-9);
  EXPECT_EQ(depths.Default, 5.0L);
  EXPECT_FALSE(table.Changed());
}

TEST(GridTable, RowCountsAndGroupsBelowOneAreRefused) {
  TGridTable table;
  EXPECT_EQ(messageOf<EGridError>([&] { table.SetMinRows(0); }), "Value must be greater than 0");
  EXPECT_EQ(messageOf<EGridError>([&] { table.SetRowGroup(-2); }), "Value must be greater than 0");
  EXPECT_EQ(table.MinRows(), 1);
  EXPECT_EQ(table.RowGroup(), 1);
}

TEST(GridTable, VisibleColumnsSkipHiddenOnes) {
  TGridTable table;
  table.AddColumn<TStringColumn>().Header = {"first"};
  auto& hidden = table.AddColumn<TStringColumn>();
  hidden.Visible = false;
  table.AddColumn<TStringColumn>().Header = {"third"};
  ASSERT_EQ(table.VisibleColumnCount(), 2);
  EXPECT_EQ(table.VisibleColumns(1).Header[0], "third");
  EXPECT_EQ(messageOf<EGridError>([&] { table.VisibleColumns(2); }), "Index out of bounds");
  EXPECT_EQ(messageOf<EGridError>([&] { table.Columns(3); }), "Index out of bounds");
  EXPECT_EQ(messageOf<EGridError>([&] { table.Cells(0, 0); }), "Index out of bounds");
  EXPECT_EQ(table.ColumnIndex(hidden), 1);
}

TEST(GridTable, AColumnAddedLaterGetsACellForEveryRow) {
  TGridTable table;
  table.SetRowCount(3);
  auto& names = table.AddColumn<TStringColumn>();
  EXPECT_EQ(names.RowCount(), 3);
  EXPECT_EQ(table.Cells(0, 2).Row(), 2);
}

TEST(GridTable, ANewTableTakesItsOwnersUnits) {
  TGridTable owner;
  EXPECT_EQ(owner.Units(), kEnglishUnits);
  owner.SetUnits(kSiUnits);
  TGridTable owned(&owner);
  EXPECT_EQ(owned.Units(), kSiUnits);
  EXPECT_EQ(owned.RowIndex(), 0);
}

TEST(GridTableIdentifiers, NewTablesGetDistinctIdentifiersAndAreFoundByThem) {
  TGridTable first;
  TGridTable second;
  EXPECT_NE(first.Identifier(), second.Identifier());
  EXPECT_EQ(TGridTable::FindByIdentifier(first.Identifier()), &first);
  EXPECT_EQ(TGridTable::FindByIdentifier(second.Identifier()), &second);
}

TEST(GridTableIdentifiers, TakingAnotherTablesIdentifierGivesItTheOldOne) {
  TGridTable first;
  TGridTable second;
  const int firstIdentifier = first.Identifier();
  const int secondIdentifier = second.Identifier();
  second.SetIdentifier(firstIdentifier);
  EXPECT_EQ(second.Identifier(), firstIdentifier);
  EXPECT_EQ(first.Identifier(), secondIdentifier);
  EXPECT_EQ(TGridTable::FindByIdentifier(firstIdentifier), &second);
}

TEST(GridTableIdentifiers, ANegativeIdentifierIsIgnored) {
  TGridTable table;
  const int identifier = table.Identifier();
  table.SetIdentifier(-4);
  EXPECT_EQ(table.Identifier(), identifier);
}

TEST(GridTableIdentifiers, ADestroyedTableLeavesTheList) {
  int identifier = 0;
  {
    TGridTable table;
    identifier = table.Identifier();
  }
  EXPECT_EQ(TGridTable::FindByIdentifier(identifier), nullptr);
}

TEST(GridTableIdentifiers, TheCounterSkipsIdentifiersAlreadyGiven) {
  TGridTable probe;
  TGridTable holder;
  holder.SetIdentifier(probe.Identifier() + 2);
  TGridTable next;
  EXPECT_NE(next.Identifier(), holder.Identifier());
  EXPECT_NE(next.Identifier(), probe.Identifier());
}

}  // namespace
