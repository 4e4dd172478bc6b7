// The soil-layer table D and its templates: the sub-table each soil type
// gets, the unit switch through the sub-tables, the captions and several
// sets alive at once.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/grid_enum_column.h"
#include "core/grid_float_column.h"
#include "core/grid_table_column.h"
#include "core/soil_layer_columns.h"
#include "core/soil_layer_tables.h"
#include "core/units.h"

namespace {

// The units module holds lbs per kN to 10 significant digits (224.8089237
// against 224.80894310): 1e-6 relative covers it.
void expectRelativelyNear(Extended expected, Extended actual) {
  EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected),
              1e-6 * std::fabs(static_cast<double>(expected)));
}

class SoilLayerTablesTest : public ::testing::Test {
 protected:
  std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TGridTable& d = tables->D();
};

TEST_F(SoilLayerTablesTest, ANewSetHoldsOneSandLayerWithATopAndBottomRow) {
  ASSERT_EQ(d.RowCount(), 1);
  EXPECT_EQ(d.Identifier(), 10);
  EXPECT_EQ(d.Cells(kTypeColumn, 0).AsInteger(), kSand);
  TGridTable* sand = d.Cells(kLayerDataColumn, 0).AsTable();
  ASSERT_NE(sand, nullptr);
  EXPECT_EQ(sand->Caption, "Sand Layer Data");
  EXPECT_EQ(sand->RowCount(), 2);
  EXPECT_EQ(sand->RowIndex(), 1);
  EXPECT_EQ(sand->Owner(), &d);
  EXPECT_NE(sand, tables->Template(1));
  EXPECT_EQ(d.Cells(kLrfdSideColumn, 0).AsFloat(), 1.0L);
  EXPECT_EQ(d.Cells(kLrfdTipColumn, 0).AsFloat(), 1.0L);
  EXPECT_FALSE(d.Changed());
}

TEST_F(SoilLayerTablesTest, AllListsDFirstThenTheTemplatesInSoilTypeOrder) {
  const int identifiers[] = {10, 1, 2, 3, 4, 5, 6, 7, 31, 32};
  const std::vector<TGridTable*> all = tables->All();
  ASSERT_EQ(all.size(), std::size(identifiers));
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i]->Identifier(), identifiers[i]) << i;
  }
  EXPECT_EQ(tables->Component("D"), &d);
  EXPECT_EQ(tables->Component("tblRollinsGravel"), tables->Template(32));
  EXPECT_EQ(tables->Component("tblDataSand"), TGridTable::FindByIdentifier(1));
  EXPECT_EQ(tables->Component("tblNothing"), nullptr);
}

TEST_F(SoilLayerTablesTest, EachSoilTypeGetsAnEmptyCloneOfItsTemplate) {
  struct Case {
    int soilType;
    const char* caption;
    int columns;
    const char* firstHeaderLine;
  };
  const Case cases[] = {
      {1, "Sand Layer Data", 5, "Total Unit Weight"},
      {2, "Clay Layer Data", 5, "Total Unit Weight"},
      {3, "Shale Layer Data", 5, "Total Unit Weight"},
      {4, "Strong Rock Layer Data", 7, "Rock Compressive"},
      {5, "Decomposed Geo. Layer Data", 5, "Total Unit Weight,"},
      {6, "Weak Rock Layer Data", 7, "Rock Compressive"},
      {7, "Strong Rock Layer Data", 7, "Rock Compressive"},
      {8, "Gravelly Sand Layer Data", 3, "Total Unit Weight"},
      {9, "Gravel Layer Data", 3, "Total Unit Weight"},
  };
  for (const Case& c : cases) {
    d.Cells(kTypeColumn, 0).SetInteger(c.soilType);
    TGridTable* layer = d.Cells(kLayerDataColumn, 0).AsTable();
    ASSERT_NE(layer, nullptr) << c.soilType;
    EXPECT_EQ(layer->Caption, c.caption);
    EXPECT_EQ(layer->ColumnCount(), c.columns);
    EXPECT_EQ(layer->RowCount(), 2);
    EXPECT_EQ(layer->MaxRows, 2);
    EXPECT_EQ(layer->Columns(0).Header[0], c.firstHeaderLine);
  }
}

TEST_F(SoilLayerTablesTest, ChangingRowTwoFromSandToClayRebuildsOnlyItsSubTable) {
  d.SetRowCount(3);
  for (int row = 0; row < 3; ++row) {
    d.Cells(kLayerDataColumn, row).AsTable()->Cells(0, 0).SetFloat(110 + row);
  }
  TGridTable* first = d.Cells(kLayerDataColumn, 0).AsTable();
  TGridTable* third = d.Cells(kLayerDataColumn, 2).AsTable();

  d.Cells(kTypeColumn, 1).SetInteger(kClay);

  TGridTable* clay = d.Cells(kLayerDataColumn, 1).AsTable();
  ASSERT_NE(clay, nullptr);
  EXPECT_EQ(clay->Caption, "Clay Layer Data");
  EXPECT_EQ(clay->RowIndex(), 2);
  ASSERT_EQ(clay->RowCount(), 2);
  EXPECT_EQ(clay->Columns(1).Header[0], "Cohesion");
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(clay->Cells(0, row).AsFloat(), 0.0L);
    EXPECT_EQ(clay->Cells(1, row).AsFloat(), 0.0L);
    EXPECT_EQ(clay->Cells(2, row).AsInteger(), 0);
  }
  EXPECT_EQ(d.Cells(kLayerDataColumn, 0).AsTable(), first);
  EXPECT_EQ(d.Cells(kLayerDataColumn, 2).AsTable(), third);
  EXPECT_EQ(first->Cells(0, 0).AsFloat(), 110.0L);
  EXPECT_EQ(third->Cells(0, 0).AsFloat(), 112.0L);
}

TEST_F(SoilLayerTablesTest, ASoilTypeTypedAsAnExpressionChoosesItsTemplate) {
  d.Cells(kTypeColumn, 0).SetText("4+3");
  EXPECT_EQ(d.Cells(kTypeColumn, 0).AsText(), "7");
  EXPECT_EQ(d.Cells(kLayerDataColumn, 0).AsTable()->Columns(6).Header[1], "RQD,%");
}

TEST_F(SoilLayerTablesTest, ASoilTypeWithoutTemplateLeavesTheLayerDataEmpty) {
  d.Cells(kTypeColumn, 0).SetInteger(12);
  EXPECT_EQ(d.Cells(kTypeColumn, 0).AsInteger(), 12);
  EXPECT_EQ(d.Cells(kLayerDataColumn, 0).AsTable(), nullptr);
  EXPECT_EQ(d.ButtonCaption(0), "1: ");
}

TEST_F(SoilLayerTablesTest, SettingTheSameSoilTypeKeepsTheLayerData) {
  TGridTable* sand = d.Cells(kLayerDataColumn, 0).AsTable();
  sand->Cells(0, 1).SetFloat(125);
  d.Cells(kTypeColumn, 0).SetInteger(kSand);
  EXPECT_EQ(d.Cells(kLayerDataColumn, 0).AsTable(), sand);
}

TEST_F(SoilLayerTablesTest, RowThreesSandSubTableIsTitledWithItsRowNumber) {
  d.SetRowCount(3);
  EXPECT_EQ(d.Cells(kLayerDataColumn, 2).AsTable()->WindowCaption(), "Sand Layer Data  3");
  EXPECT_EQ(d.ButtonCaption(2), "3: Sand Layer Data");
  EXPECT_EQ(d.WindowCaption(), "Soil Layer Data ");
}

TEST_F(SoilLayerTablesTest, InsertingAndDeletingLayersRenumbersTheSubTablesAfterThem) {
  d.SetRowCount(3);
  TGridTable* third = d.Cells(kLayerDataColumn, 2).AsTable();

  d.InsertRowGroup(1);
  ASSERT_EQ(d.RowCount(), 4);
  EXPECT_EQ(d.Cells(kLayerDataColumn, 3).AsTable(), third);
  EXPECT_EQ(third->RowIndex(), 4);
  EXPECT_EQ(d.Cells(kLayerDataColumn, 1).AsTable()->RowIndex(), 2);
  EXPECT_EQ(d.ButtonCaption(1), "2: Sand Layer Data");

  d.DeleteRowGroup(0);
  EXPECT_EQ(third->WindowCaption(), "Sand Layer Data  3");
}

TEST_F(SoilLayerTablesTest, SwitchingToSiConvertsDAndItsSubTables) {
  d.SetRowCount(2);
  d.Cells(kTypeColumn, 1).SetInteger(kClay);
  d.Cells(kDepthColumn, 0).SetFloat(10);
  d.Cells(kDepthColumn, 1).SetFloat(25);
  d.Cells(kMaxSideColumn, 0).SetFloat(2000);
  d.Cells(kMaxBaseColumn, 0).SetFloat(4000);
  d.Cells(kLrfdSideColumn, 0).SetFloat(0.55L);
  d.Cells(kLrfdTipColumn, 0).SetFloat(0.5L);
  TGridTable& sand = *d.Cells(kLayerDataColumn, 0).AsTable();
  TGridTable& clay = *d.Cells(kLayerDataColumn, 1).AsTable();
  sand.Cells(0, 0).SetFloat(120);  // unit weight, pcf
  sand.Cells(1, 0).SetFloat(32);   // friction angle, degrees
  sand.Cells(2, 0).SetInteger(15);
  clay.Cells(0, 1).SetFloat(110);   // unit weight, pcf
  clay.Cells(1, 1).SetFloat(1000);  // cohesion, psf
  int resizes = 0;
  d.OnResize = [&resizes] { ++resizes; };

  d.SetUnits(kSiUnits);

  // 1 ft = 0.3048 m; 1 psf = 4.4482216 N / 0.09290304 m^2 = 0.047880259 kPa;
  // 1 pcf = 4.4482216 N / 0.028316847 m^3 = 0.15708746 kN/m^3.
  EXPECT_EQ(d.Units(), kSiUnits);
  EXPECT_EQ(resizes, 1);
  expectRelativelyNear(3.048L, d.Cells(kDepthColumn, 0).AsFloat());
  expectRelativelyNear(7.62L, d.Cells(kDepthColumn, 1).AsFloat());
  expectRelativelyNear(95.760518L, d.Cells(kMaxSideColumn, 0).AsFloat());
  expectRelativelyNear(191.52104L, d.Cells(kMaxBaseColumn, 0).AsFloat());
  EXPECT_EQ(d.Cells(kLrfdSideColumn, 0).AsFloat(), 0.55L);
  EXPECT_EQ(d.Cells(kLrfdTipColumn, 0).AsFloat(), 0.5L);
  EXPECT_EQ(sand.Units(), kSiUnits);
  expectRelativelyNear(18.850496L, sand.Cells(0, 0).AsFloat());
  EXPECT_EQ(sand.Cells(1, 0).AsFloat(), 32.0L);
  EXPECT_EQ(sand.Cells(2, 0).AsInteger(), 15);
  expectRelativelyNear(17.279621L, clay.Cells(0, 1).AsFloat());
  expectRelativelyNear(47.880259L, clay.Cells(1, 1).AsFloat());
}

TEST_F(SoilLayerTablesTest, SwitchingBackToEnglishRestoresTheValues) {
  d.Cells(kDepthColumn, 0).SetFloat(10);
  d.Cells(kLayerDataColumn, 0).AsTable()->Cells(0, 1).SetFloat(120);
  d.SetUnits(kSiUnits);
  d.SetUnits(kEnglishUnits);
  expectRelativelyNear(10.0L, d.Cells(kDepthColumn, 0).AsFloat());
  expectRelativelyNear(120.0L, d.Cells(kLayerDataColumn, 0).AsTable()->Cells(0, 1).AsFloat());
}

TEST_F(SoilLayerTablesTest, ALayerAddedAfterTheSwitchGetsItsSubTableInSiUnits) {
  d.SetUnits(kSiUnits);
  d.AddRowGroup();
  EXPECT_EQ(d.Cells(kLayerDataColumn, 1).AsTable()->Units(), kSiUnits);
}

TEST_F(SoilLayerTablesTest, FloatHeadersEndWithTheUnitLabelOfTheSystem) {
  struct Case {
    int column;
    int line;
    int units;
    const char* text;
  };
  const Case cases[] = {
      {kMaxBaseColumn, 1, kEnglishUnits, "Bearing (lbs/ft^2)  "},
      {kMaxBaseColumn, 0, kEnglishUnits, "Max. End "},
      {kDepthColumn, 1, kEnglishUnits, "of each Layer (ft)  "},
      {kLrfdTipColumn, 1, kEnglishUnits, "(End Bearing)"},
      {kTypeColumn, 0, kEnglishUnits, "                    Soil Type                      "},
      {kMaxBaseColumn, 1, kSiUnits, "Bearing (kN/m^2)  "},
      {kDepthColumn, 1, kSiUnits, "of each Layer (m)  "},
  };
  for (const Case& c : cases) {
    d.SetUnits(c.units);
    EXPECT_EQ(d.Columns(c.column).HeaderLine(c.line), c.text);
  }
}

TEST_F(SoilLayerTablesTest, ChangesInsideASubTableMakeDChanged) {
  TGridTable& sand = *d.Cells(kLayerDataColumn, 0).AsTable();
  sand.Cells(0, 0).SetText("118");
  EXPECT_TRUE(sand.Changed());
  EXPECT_TRUE(d.Changed());

  d.SetChanged(false);
  EXPECT_FALSE(sand.Changed());
  EXPECT_FALSE(d.Changed());

  sand.SetChanged(true);
  EXPECT_TRUE(d.Changed());
}

TEST_F(SoilLayerTablesTest, TheTemplateEntriesFollowTheSoilTypes) {
  const auto& types = dynamic_cast<const TEnumColumn&>(d.Columns(kTypeColumn));
  const auto& layers = dynamic_cast<const TTableColumn&>(d.Columns(kLayerDataColumn));
  EXPECT_EQ(types.Items.size(), 9u);
  EXPECT_EQ(types.Items[3], "strong rock (FHWA - use either side friction or end bearing)");
  EXPECT_EQ(layers.Templates, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 31, 32}));
}

// The named columns and soil types against the headers and list items of
// the table definitions.
TEST_F(SoilLayerTablesTest, TheNamedColumnsAndSoilTypesAreThoseOfTheDefinition) {
  EXPECT_EQ(d.ColumnCount(), kSoilLayerColumnCount);
  const struct {
    int column;
    const char* firstHeaderLine;
  } columns[] = {
      {kDepthColumn, "Depth at Bottom "},
      {kLayerDataColumn, "                   Layer  Data"},
      {kMaxSideColumn, "Max. Side "},
      {kMaxBaseColumn, "Max. End "},
      {kLrfdSideColumn, "LRFD Resistance Factor"},
      {kLrfdTipColumn, "LRFD Resistance Factor"},
  };
  for (const auto& c : columns) {
    EXPECT_EQ(d.Columns(c.column).HeaderLine(0), c.firstHeaderLine) << c.column;
  }
  EXPECT_EQ(d.Columns(kLrfdSideColumn).HeaderLine(1), "(Side Friction)");

  const auto& types = dynamic_cast<const TEnumColumn&>(d.Columns(kTypeColumn));
  const struct {
    int type;
    const char* item;
  } soils[] = {
      {kSand, "sand (FHWA Spec.)"},
      {kShale, "shale (Reese &Aurora)"},
      {kStrongRockEither, "strong rock (FHWA - use either side friction or end bearing)"},
      {kDecomposedRock, "decomposed rock/gravel (FHWA Spec.)"},
      {kWeakRock, "weak rock (FHWA Spec.)"},
      {kStrongRockBoth, "strong rock (side friction+end bearing)"},
      {kGravel, "gravel (Rollins et al)"},
  };
  for (const auto& soil : soils) {
    EXPECT_EQ(types.Items.at(static_cast<std::size_t>(soil.type - 1)), soil.item);
  }

  TGridTable& sand = *d.Cells(kLayerDataColumn, 0).AsTable();
  EXPECT_EQ(sand.Columns(kSandKColumn).HeaderLine(1), "Ko  ");
  EXPECT_EQ(sand.Columns(kSandBetaColumn).HeaderLine(1), "Beta  ");
  d.Cells(kTypeColumn, 0).SetInteger(kClay);
  EXPECT_EQ(d.Cells(kLayerDataColumn, 0).AsTable()->Columns(kClayAlphaColumn).HeaderLine(0),
            "Alpha");
}

TEST(SoilLayerTableSets, TwoSetsAliveAtOnceEachCloneTheirOwnTemplates) {
  auto first = CreateSoilLayerTables();
  auto second = CreateSoilLayerTables();
  first->Template(kClay)->Caption = "First set's clay";

  first->D().Cells(kTypeColumn, 0).SetInteger(kClay);
  second->D().Cells(kTypeColumn, 0).SetInteger(kClay);

  EXPECT_EQ(first->D().Cells(kLayerDataColumn, 0).AsTable()->Caption, "First set's clay");
  EXPECT_EQ(second->D().Cells(kLayerDataColumn, 0).AsTable()->Caption, "Clay Layer Data");
  // The newer set took the identifiers; the older one holds others now.
  EXPECT_EQ(TGridTable::FindByIdentifier(kClay), second->Template(kClay));
  EXPECT_NE(first->Template(kClay)->Identifier(), kClay);
  EXPECT_EQ(second->D().Identifier(), 10);
}

TEST(SoilLayerTableSets, ASetCreatedAfterAnotherIsDestroyedHoldsTheDefinedIdentifiers) {
  CreateSoilLayerTables().reset();
  auto tables = CreateSoilLayerTables();
  const int identifiers[] = {10, 1, 2, 3, 4, 5, 6, 7, 31, 32};
  for (std::size_t i = 0; i < std::size(identifiers); ++i) {
    EXPECT_EQ(TGridTable::FindByIdentifier(identifiers[i]), tables->All()[i]);
  }
}

}  // namespace
