// The column kinds: how each reads typed text, which values it holds, the
// integer entry checks while the table window is open, group sharing and
// the pairing of a TopDepth column with the column after it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/expression_evaluator.h"
#include "core/grid_enum_column.h"
#include "core/grid_errors.h"
#include "core/grid_float_column.h"
#include "core/grid_int_column.h"
#include "core/grid_string_column.h"
#include "core/grid_table.h"
#include "core/grid_table_column.h"

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

class EnumColumnTest : public ::testing::Test {
 protected:
  EnumColumnTest() {
    choices.Items = {"one", "two", "three"};
    table.SetRowCount(2);
  }

  TGridTable table;
  TEnumColumn& choices = table.AddColumn<TEnumColumn>();
};

TEST_F(EnumColumnTest, NewRowsChooseTheFirstItem) {
  EXPECT_EQ(table.Cells(0, 1).AsInteger(), 1);
  EXPECT_EQ(table.Cells(0, 1).AsText(), "1");
}

TEST_F(EnumColumnTest, TypedWholeNumbersAreStoredEvenOutsideTheItems) {
  struct Case {
    const char* text;
    int stored;
  };
  const Case cases[] = {{"3", 3}, {"2*2", 4}, {"-7", -7}, {"0", 0}, {"2147483647", 2147483647}};
  for (const Case& c : cases) {
    table.Cells(0, 0).SetText(c.text);
    EXPECT_EQ(table.Cells(0, 0).AsInteger(), c.stored) << c.text;
  }
}

TEST_F(EnumColumnTest, TypedFractionsAndHugeNumbersAreRefused) {
  for (const char* text : {"2.5", "1/3", "3e9", "-2147483649"}) {
    EXPECT_EQ(messageOf<EGridError>([&] { table.Cells(0, 0).SetText(text); }),
              "Value must be an integer.")
        << text;
  }
  EXPECT_EQ(table.Cells(0, 0).AsInteger(), 1);
}

TEST_F(EnumColumnTest, TextThatIsNoExpressionPassesTheEvaluatorsError) {
  EXPECT_THROW(table.Cells(0, 0).SetText("two"), EAssignError);
}

TEST_F(EnumColumnTest, AGroupSharedChoiceGoesToItsWholeGroup) {
  table.SetRowGroup(2);
  table.SetRowCount(5);
  choices.GroupShared = true;
  table.Cells(0, 3).SetInteger(2);
  table.Cells(0, 4).SetInteger(3);
  std::vector<int> stored;
  for (int row = 0; row < 5; ++row) {
    stored.push_back(table.Cells(0, row).AsInteger());
  }
  EXPECT_EQ(stored, (std::vector<int>{1, 1, 2, 2, 3}));
}

TEST_F(EnumColumnTest, AnEnumerationHoldsNoFloatsTablesOrCellsOutsideItsRows) {
  EXPECT_EQ(messageOf<EInvalidCast>([&] { table.Cells(0, 0).AsFloat(); }), "Data of wrong type");
  EXPECT_EQ(messageOf<EInvalidCast>([&] { table.Cells(0, 0).SetFloat(1); }), "Data of wrong type");
  EXPECT_EQ(messageOf<EInvalidCast>([&] { table.Cells(0, 0).AsTable(); }), "Data of wrong type");
  EXPECT_EQ(messageOf<EGridError>([&] { choices.GetInteger(2); }), "Index out of bounds");
}

// Blow counts: whole numbers from 0 to 100.
class IntColumnTest : public ::testing::Test {
 protected:
  IntColumnTest() {
    counts.Min = 0;
    counts.Max = 100;
    counts.Default = 7;
    table.SetRowCount(1);
  }

  TGridTable table;
  TIntColumn& counts = table.AddColumn<TIntColumn>();
};

TEST_F(IntColumnTest, NewRowsHoldTheDefault) {
  EXPECT_EQ(table.Cells(0, 0).AsText(), "7");
}

TEST_F(IntColumnTest, WithTheWindowClosedEntriesAreRoundedButNotChecked) {
  struct Case {
    const char* text;
    int stored;
  };
  const Case cases[] = {{"250", 250}, {"-2.5", -3}, {"7.4", 7}, {"7.5", 8}, {"40+2", 42}};
  for (const Case& c : cases) {
    table.Cells(0, 0).SetText(c.text);
    EXPECT_EQ(table.Cells(0, 0).AsInteger(), c.stored) << c.text;
  }
}

TEST_F(IntColumnTest, WithTheWindowOpenEntriesMustBeWholeAndWithinMinAndMax) {
  table.SetWindowOpen(true);
  struct Case {
    const char* text;
    const char* refusal;  // nullptr: accepted
    int stored;
  };
  const Case cases[] = {
      {"0", nullptr, 0},
      {"100.00000000001", nullptr, 100},  // a rest of 1e-11 counts as whole
      {"0", nullptr, 0},
      {"100", nullptr, 100},
      {"3*(2+1)", nullptr, 9},
      {"250", "Entry must be between 0 and 100.", 9},
      {"-1", "Entry must be between 0 and 100.", 9},
      {"-2.5", "Entry must be an integer.", 9},
      {"12.0001", "Entry must be an integer.", 9},
  };
  for (const Case& c : cases) {
    if (c.refusal == nullptr) {
      table.Cells(0, 0).SetText(c.text);
    } else {
      EXPECT_EQ(messageOf<EGridError>([&] { table.Cells(0, 0).SetText(c.text); }), c.refusal)
          << c.text;
    }
    EXPECT_EQ(table.Cells(0, 0).AsInteger(), c.stored) << c.text;
  }
}

TEST_F(IntColumnTest, NumbersBeyondTheIntegerRangeAreAlwaysRefused) {
  EXPECT_EQ(messageOf<EGridError>([&] { table.Cells(0, 0).SetText("1e12"); }),
            "Value must be an integer.");
}

TEST_F(IntColumnTest, SetIntegerDoesNotApplyTheLimits) {
  table.SetWindowOpen(true);
  table.Cells(0, 0).SetInteger(500);
  EXPECT_EQ(table.Cells(0, 0).AsInteger(), 500);
}

class FloatColumnTest : public ::testing::Test {
 protected:
  FloatColumnTest() {
    values.Default = 1.5L;
    table.SetRowCount(2);
  }

  TGridTable table;
  TFloatColumn& values = table.AddColumn<TFloatColumn>();
};

TEST_F(FloatColumnTest, TextShowsEightSignificantDigits) {
  struct Case {
    Extended value;
    const char* text;
  };
  const Case cases[] = {{1.5L, "1.5"},
                        {1.0L / 3, "0.33333333"},
                        {123456789, "1.2345679E8"},
                        {30, "30"},
                        {-0.25L, "-0.25"}};
  for (const Case& c : cases) {
    table.Cells(0, 0).SetFloat(c.value);
    EXPECT_EQ(table.Cells(0, 0).AsText(), c.text);
  }
}

TEST_F(FloatColumnTest, TypedExpressionsAreEvaluated) {
  table.Cells(0, 1).SetText("12*2.5");
  EXPECT_EQ(table.Cells(0, 1).AsFloat(), 30.0L);
  EXPECT_THROW(table.Cells(0, 1).SetText("12*"), EAssignError);
  EXPECT_EQ(table.Cells(0, 1).AsFloat(), 30.0L);
}

TEST_F(FloatColumnTest, AFloatHoldsNoIntegers) {
  EXPECT_EQ(messageOf<EInvalidCast>([&] { table.Cells(0, 0).AsInteger(); }), "Data of wrong type");
  EXPECT_EQ(messageOf<EInvalidCast>([&] { table.Cells(0, 0).SetInteger(2); }),
            "Data of wrong type");
}

TEST_F(FloatColumnTest, ACloneKeepsTheKindSettingsButNoRows) {
  values.UnitCode = "F/L2^2";
  values.Header = {"Max. End ", "Bearing"};
  values.Visible = false;
  TGridTable other;
  const auto clone = values.Clone(other);
  const auto& floats = dynamic_cast<const TFloatColumn&>(*clone);
  EXPECT_EQ(floats.UnitCode, "F/L2^2");
  EXPECT_EQ(floats.Default, 1.5L);
  EXPECT_EQ(floats.Header, values.Header);
  EXPECT_FALSE(floats.Visible);
  EXPECT_EQ(floats.RowCount(), 0);
  EXPECT_EQ(&floats.Table(), &other);
}

// Tops of layers (TopDepth) followed by their bottoms; four layers:
// 0-10, 10-20, 20-30, 30-45.
class TopDepthTest : public ::testing::Test {
 protected:
  TopDepthTest() {
    tops.TopDepth = true;
    bottoms.Default = -1;
    table.SetRowCount(4);
    const Extended layerBottoms[] = {10, 20, 30, 45};
    for (int row = 0; row < 4; ++row) {
      table.Cells(1, row).SetFloat(layerBottoms[row]);
    }
  }

  std::vector<Extended> column(int index) {
    std::vector<Extended> result;
    for (int row = 0; row < table.RowCount(); ++row) {
      result.push_back(table.Cells(index, row).AsFloat());
    }
    return result;
  }

  TGridTable table;
  TFloatColumn& tops = table.AddColumn<TFloatColumn>();
  TFloatColumn& bottoms = table.AddColumn<TFloatColumn>();
};

TEST_F(TopDepthTest, ABottomSetsTheTopOfTheNextLayer) {
  EXPECT_EQ(column(0), (std::vector<Extended>{0, 10, 20, 30}));
}

TEST_F(TopDepthTest, ATopSetsTheBottomOfTheLayerBefore) {
  table.Cells(0, 2).SetFloat(22);
  EXPECT_EQ(column(1), (std::vector<Extended>{10, 22, 30, 45}));
  table.Cells(0, 0).SetFloat(1);
  EXPECT_EQ(column(1), (std::vector<Extended>{10, 22, 30, 45}));
}

TEST_F(TopDepthTest, AnAddedLayerStartsAtTheLastBottom) {
  table.AddRowGroup();
  EXPECT_EQ(column(0), (std::vector<Extended>{0, 10, 20, 30, 45}));
  EXPECT_EQ(column(1), (std::vector<Extended>{10, 20, 30, 45, -1}));
}

TEST_F(TopDepthTest, AnInsertedLayerSpansNothingBetweenItsNeighbours) {
  table.InsertRowGroup(1);
  EXPECT_EQ(column(0), (std::vector<Extended>{0, 10, 10, 20, 30}));
  EXPECT_EQ(column(1), (std::vector<Extended>{10, 10, 20, 30, 45}));
}

TEST_F(TopDepthTest, DeletingAnInnerLayerStartsTheNextWhereThePreviousEnds) {
  table.DeleteRowGroup(1);
  EXPECT_EQ(column(0), (std::vector<Extended>{0, 10, 30}));
  EXPECT_EQ(column(1), (std::vector<Extended>{10, 30, 45}));
}

TEST(TopDepthColumn, MustBeFollowedByAFloatColumn) {
  TGridTable table;
  table.AddColumn<TFloatColumn>().TopDepth = true;
  table.AddColumn<TStringColumn>();
  EXPECT_EQ(messageOf<EGridError>([&] { table.SetRowCount(1); }),
            "If column if a topdepth then the next column must be a float column");
}

TEST(StringColumn, StoresTextAsTypedAndHoldsNoNumbers) {
  TGridTable table;
  auto& names = table.AddColumn<TStringColumn>();
  names.Default = "unnamed";
  table.SetRowCount(2);
  table.Cells(0, 1).SetText("2*3");
  EXPECT_EQ(table.Cells(0, 0).AsText(), "unnamed");
  EXPECT_EQ(table.Cells(0, 1).AsText(), "2*3");
  EXPECT_EQ(messageOf<EInvalidCast>([&] { table.Cells(0, 1).AsInteger(); }), "Data of wrong type");
}

TEST(TableColumn, WithoutAnEnumerationFirstEveryRowUsesTheFirstTemplate) {
  TGridTable layer;
  layer.Caption = "Layer";
  layer.SetMinRows(3);
  layer.AddColumn<TFloatColumn>();
  TGridTable table;
  table.AddColumn<TTableColumn>().Templates = {layer.Identifier()};
  table.SetRowCount(2);
  TGridTable* second = table.Cells(0, 1).AsTable();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Caption, "Layer");
  EXPECT_EQ(second->RowCount(), 3);
  EXPECT_EQ(second->RowIndex(), 2);
  EXPECT_EQ(table.Cells(0, 1).AsText(), "");
  EXPECT_EQ(messageOf<EInvalidCast>([&] { table.Cells(0, 1).AsFloat(); }), "Data of wrong type");
}

TEST(TableColumn, AnEmptyTemplateEntryLeavesTheCellEmpty) {
  TGridTable table;
  table.AddColumn<TTableColumn>().Templates = {-1};
  table.SetRowCount(1);
  EXPECT_EQ(table.Cells(0, 0).AsTable(), nullptr);
}

TEST(TableColumn, CaptionsOfNestedSubTablesListEveryRowIndex) {
  TGridTable inner;
  inner.Caption = "Inner";
  TGridTable middle;
  middle.Caption = "Middle";
  middle.AddColumn<TTableColumn>().Templates = {inner.Identifier()};
  middle.SetRowCount(1);
  TGridTable outer;
  outer.AddColumn<TTableColumn>().Templates = {middle.Identifier()};
  outer.SetRowCount(4);
  TGridTable* nested = outer.Cells(0, 3).AsTable()->Cells(0, 0).AsTable();
  ASSERT_NE(nested, nullptr);
  EXPECT_EQ(nested->WindowCaption(), "Inner  4 1");
}

}  // namespace
