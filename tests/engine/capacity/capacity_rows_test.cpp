// The depth walk and the result rows, checked against values worked by
// hand from the formulas (pi = 3.142, angles converted with 57.29).
#include "capacity/capacity_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "capacity/depth_walk.h"
#include "capacity/increment_table.h"
#include "capacity/shaft_geometry.h"
#include "support/layers.h"

namespace bormek {
namespace {

// Sums over up to 40 slices in single precision: 1e-4 relative.
constexpr float kRelative = 1e-4f;

struct Analysis {
  ShaftGeometry geometry;
  TipArrays tips;
  RowTable table;
  WalkResult walk;
  RockRunState rockRun;
  SettlementInput settlement;
};

RunSettings shaftSettings(float waterTableFt) {
  RunSettings s;
  s.designControl = kShaftLengthGiven;
  s.proposedDepth = 30.0f;
  s.designMethod = kAsd;
  s.fsSide = 2.0f;
  s.fsBase = 3.0f;
  s.waterTableDepth = waterTableFt;
  s.dStart = 2.0f;
  s.diaLim = 2.0f;
  return s;
}

using testing::unlimitedLayerOf;

// Uniform sand, K = 0.5, phi = 35 degrees, 120 pcf, 0 to 40 ft.
Layer uniformSand() {
  Layer sand = unlimitedLayerOf(kSand, 0.0f, 40.0f);
  sand.unitWeight = {120.0f, 120.0f};
  sand.frictionAngle = {35.0f, 35.0f};
  sand.blowCount = {20.0f, 20.0f};
  sand.coefficientOption = kSandKMethodOption;
  sand.coefficient = {0.5f, 0.5f};
  return sand;
}

// Clay 0 to 40 ft, c from 1000 to 3000 psf (c = 1000 + 50 z), Nc 9, alpha 0.55.
Layer linearClay() {
  Layer clay = unlimitedLayerOf(kClay, 0.0f, 40.0f);
  clay.unitWeight = {120.0f, 120.0f};
  clay.cohesion = {1000.0f, 3000.0f};
  clay.blowCount = {10.0f, 10.0f};
  clay.nc = {9.0f, 9.0f};
  clay.coefficient = {0.55f, 0.55f};
  return clay;
}

InputData profileOf(const RunSettings& settings, std::initializer_list<Layer> layers) {
  InputData data;
  data.settings = settings;
  for (const Layer& layer : layers) {
    data.layers[static_cast<std::size_t>(data.entryCount++)] = layer;
  }
  return data;
}

std::unique_ptr<Analysis> analyse(InputData& data, float stemDiameter) {
  auto analysis = std::make_unique<Analysis>();
  roundWalkedLayerBottoms(data);
  analysis->geometry = shaftGeometryFor(stemDiameter, data.settings);
  RunOutput out;  // no files: the data warnings are not looked at here
  RockNotes notes(out);
  analysis->walk = walkProfile(data, analysis->geometry, analysis->tips, out, notes,
                               analysis->rockRun, analysis->settlement);
  formRows(data, data.settings, analysis->geometry, analysis->tips, analysis->table,
           [](const CapacityRow&) {});
  return analysis;
}

const CapacityRow& rowOfLength(const Analysis& analysis, int length) {
  for (int k = 0; k < analysis.table.count; ++k) {
    if (analysis.table.rows[static_cast<std::size_t>(k)].length == static_cast<float>(length)) {
      return analysis.table.rows[static_cast<std::size_t>(k)];
    }
  }
  ADD_FAILURE() << "no row of length " << length;
  return analysis.table.rows[0];
}

void expectNear(float actual, double expected, const char* what, int length) {
  EXPECT_NEAR(actual, expected, kRelative * std::max(1.0, std::abs(expected)))
      << what << " at " << length << " ft";
}

struct ExpectedRow {
  int length;
  double side, base, ultimate, allowableBase, allowable, volume;
};

void expectRows(const Analysis& analysis, std::initializer_list<ExpectedRow> rows) {
  for (const ExpectedRow& e : rows) {
    const CapacityRow& row = rowOfLength(analysis, e.length);
    expectNear(row.side, e.side, "QS", e.length);
    expectNear(row.base, e.base, "QB", e.length);
    expectNear(row.ultimate, e.ultimate, "QU", e.length);
    expectNear(row.allowableBase, e.allowableBase, "QBD", e.length);
    expectNear(row.allowable, e.allowable, "QDN", e.length);
    expectNear(row.volume, e.volume, "VOLUME", e.length);
  }
}

// D = 2 ft: perimeter 6.284 ft, base area 3.142 ft², K2 = 4, so the base of
// a shaft L ft long is the mean of the slice values at L+1 .. L+4 with
// weights 0, 0.3, 0.6, 0.5. VOLUME = 3.142 L / 27.
TEST(CapacityRows, UniformSandWithWaterTableAtMidDepth) {
  RunSettings s = shaftSettings(15.0f);
  s.sandEndBearingOption = 1;
  InputData data = profileOf(s, {uniformSand()});
  const auto analysis = analyse(data, 2.0f);
  // sigma-v' = 120 z to 15 ft, then 1800 + 57.6 (z - 15);
  // f = 0.5 sigma-v' tan(35/57.29) / 2000 with tan = 0.700299, QS = 6.284 sum f.
  // Tip: (35 - 30) x 2.667 = 13.335 tsf x 3.142 = 41.899 t, reduced by
  // z / 20 above ten base diameters: L = 5 gives 2.09493 (0.3x7 + 0.6x8 +
  // 0.5x9) / 1.4 = 17.0587.
  expectRows(*analysis, {{5, 1.9803, 17.0587, 19.0390, 7.6665, 6.6764, 0.5819},
                         {10, 7.2611, 27.5333, 34.7945, 16.4389, 12.8083, 1.1637},
                         {20, 26.6945, 41.8986, 68.5931, 40.6607, 27.3135, 2.3274}});
  EXPECT_NEAR(rowOfLength(*analysis, 5).perVolume, 32.7214f, 0.01f);
}

TEST(CapacityRows, LinearClayBaseIsWeightedOverTwoDiameters) {
  InputData data = profileOf(shaftSettings(20.0f), {linearClay()});
  const auto analysis = analyse(data, 2.0f);
  // f = 0.55 c / 2000: QS = 6.284 x 0.000275 (1000 L + 25 L (L + 1)).
  // Slice base 9 c / 2000 x 3.142, linear in depth: the weighted mean lies
  // 3.0 / 1.4 = 2.142857 ft below the first entry of the zone, so
  // QB = 0.014139 (1000 + 50 (L + 1) + 107.14).
  expectRows(*analysis, {{5, 9.9366, 19.8956, 29.8322, 16.5684, 11.6002, 0.5819},
                         {10, 22.0333, 23.4303, 45.4636, 29.8434, 18.8268, 1.1637},
                         {20, 52.7071, 30.4998, 83.2069, 62.8737, 36.5201, 2.3274}});
}

TEST(CapacityRows, UpliftRowTakesTheBuoyantShaftWeightAndFsbOfOne) {
  RunSettings s = shaftSettings(20.0f);
  s.loadingType = kUplift;
  s.upliftReduction = 0.8f;
  InputData data = profileOf(s, {linearClay()});
  const auto analysis = analyse(data, 2.0f);
  // L = 25: volume 2.90926 yd³, weight 2.90926 x 27 x 150 / 2000 = 5.89125 t
  // less buoyancy (25 - 20) x 0.0312 x 4 x 0.7854 = 0.49009 t; side
  // resistance reduced by 0.8; QDN = QS / 2 + WT / 1.
  const CapacityRow& row = rowOfLength(*analysis, 25);
  expectNear(row.volume, 2.90926, "VOLUME", 25);
  expectNear(row.base, 5.40116, "WT", 25);
  expectNear(row.side, 57.0273, "QS", 25);
  expectNear(row.ultimate, 62.4285, "QU", 25);
  expectNear(row.allowable, 33.9148, "QDN", 25);
  EXPECT_EQ(data.settings.fsBase, 1.0f);
}

TEST(CapacityRows, LrfdColumnsApplyTheLayerFactors) {
  Layer clay = linearClay();
  clay.lrfdSide = 0.45f;
  clay.lrfdTip = 0.4f;
  InputData data = profileOf(shaftSettings(20.0f), {clay});
  const auto analysis = analyse(data, 2.0f);
  const CapacityRow& row = rowOfLength(*analysis, 10);
  expectNear(row.factoredSide, 0.45 * 22.0333, "LRFD QS", 10);
  expectNear(row.factoredBase, 0.4 * 23.4303, "LRFD QB", 10);
  expectNear(row.factoredTotal, 19.2871, "LRFD QU", 10);
}

TEST(CapacityRows, BelledShaftGeometry) {
  RunSettings s;
  s.ratio = 1.2f;
  s.bellAngle = 30.0f;
  const ShaftGeometry g = shaftGeometryFor(4.0f, s);
  // DB = 4.8 ft; toe 0.5 ft for D > 3.52 ft; HB = 0.8 / (2 tan(30/57.29)) +
  // 0.5 = 0.8 / 1.154841 + 0.5 = 1.19274 ft; underream = [3.142 x 0.69274 / 3
  // x (4 + 5.76 + 4.8) + 0.5 x 18.0979] / 27 = 0.72639 yd³.
  EXPECT_FLOAT_EQ(g.baseDiameter, 4.8f);
  EXPECT_FLOAT_EQ(g.toeHeight, 0.5f);
  EXPECT_NEAR(g.bellHeight, 1.19274f, 1e-5f);
  EXPECT_NEAR(g.baseArea, 18.0979f, 1e-4f);
  EXPECT_NEAR(g.underreamVolume, 0.72639f, 1e-5f);
  EXPECT_NEAR(g.steelArea, 18.0979f, 1e-4f);  // 0.01 x 3.142 x 16 / 4 x 144
  EXPECT_EQ(g.baseZoneDepth, 9);              // int(2 x 4.8)

  // A ratio of exactly 1 has already been set to 0 when the input was read.
  for (const float straight : {0.4f, 0.0f}) {
    s.ratio = straight;
    const ShaftGeometry plain = shaftGeometryFor(4.0f, s);
    EXPECT_EQ(plain.baseDiameter, 4.0f);
    EXPECT_EQ(plain.bellHeight, 0.0f);
    EXPECT_EQ(plain.underreamVolume, 0.0f);
  }
}

TEST(CapacityRows, RowsWithoutConcreteVolumeHaveNoCapacityPerVolume) {
  RunSettings s = shaftSettings(20.0f);
  s.ratio = 2.0f;
  s.bellAngle = 30.0f;
  InputData data = profileOf(s, {linearClay()});
  const auto analysis = analyse(data, 2.0f);
  // HB = 2 / (2 tan 30) + 0.25 = 1.98 ft: the first slice stores its tip at
  // 3 ft, so the rows of 1 and 2 ft have no volume.
  const CapacityRow& first = analysis->table.rows[0];
  EXPECT_EQ(first.volume, 0.0f);
  EXPECT_EQ(first.perVolume, 0.0f);
  const CapacityRow between = interpolatedRow(analysis->table, 1.5f);
  EXPECT_TRUE(std::isfinite(between.perVolume));
  EXPECT_TRUE(std::isfinite(between.volume));
}

TEST(CapacityRows, LayerBottomsRoundToWholeFeetAndEachFootIsWalkedOnce) {
  RunSettings s = shaftSettings(40.0f);
  Layer upper = uniformSand();
  upper.bottomDepth = 10.5f;
  Layer lower = uniformSand();
  lower.topDepth = 10.5f;
  lower.bottomDepth = 30.4f;
  InputData data = profileOf(s, {upper, lower});
  const auto analysis = analyse(data, 2.0f);
  EXPECT_EQ(data.layers[1].bottomDepth, 11.0f);
  EXPECT_EQ(data.layers[2].bottomDepth, 30.0f);
  // Dry sand throughout: f(z) = 0.5 x 120 z x 0.700299 / 2000 = 0.0210090 z,
  // so QS at 30 ft = 6.284 x 0.0210090 x 465 = 61.388 t: the foot from 10 to
  // 11 ft counts once.
  EXPECT_NEAR(analysis->tips.side[30], 61.388f, 61.388f * kRelative);
  EXPECT_EQ(analysis->tips.deepest, 30);
}

TEST(CapacityRows, RockCarriesNoUnitWeightBelowTheWaterTable) {
  RunSettings s = shaftSettings(0.0f);
  Layer sandAbove = uniformSand();
  sandAbove.bottomDepth = 10.0f;
  Layer rock = unlimitedLayerOf(kStrongRockBoth, 10.0f, 20.0f);
  Layer sandBelow = uniformSand();
  sandBelow.topDepth = 20.0f;
  InputData data = profileOf(s, {sandAbove, rock, sandBelow});
  const auto analysis = analyse(data, 2.0f);
  // Water at the surface: 10 x 57.6 - 10 x 62.4 + 57.6 = 9.6 psf at 21 ft.
  // f = 0.5 x 9.6 x 0.700299 / 2000 = 0.00168072 tsf.
  EXPECT_NEAR(analysis->settlement.sideProfileTsf[21], 0.00168072f, 1e-7f);
  EXPECT_EQ(analysis->tips.soilFlag[15], 0.0f);
  EXPECT_EQ(analysis->tips.soilFlag[21], 1.0f);
}

TEST(CapacityRows, SmallStemTakesTheBaseOneFootBelowTheTip) {
  InputData data = profileOf(shaftSettings(20.0f), {linearClay()});
  const auto analysis = analyse(data, 0.9f);
  // No averaging below 1 ft: QB(L) = 9 c(L + 1) / 2000 x 3.142 x 0.81 / 4.
  const double area = 3.142 * 0.81 / 4.0;
  expectNear(rowOfLength(*analysis, 10).base, 9.0 * 1550.0 / 2000.0 * area, "QB", 10);
  // With TOPLENG = 0 and BS = 0 the first row is at 1 ft.
  EXPECT_EQ(analysis->table.rows[0].length, 1.0f);
}

TEST(CapacityRows, NegativeMaximumEndBearingFixesTheUnitBase) {
  Layer clay = linearClay();
  clay.maxBase = {-80000.0f, -80000.0f};  // -40 tsf
  InputData data = profileOf(shaftSettings(20.0f), {clay});
  const auto analysis = analyse(data, 2.0f);
  expectNear(rowOfLength(*analysis, 10).base, 40.0 * 3.142, "QB", 10);
}

TEST(CapacityRows, DesignLoadEndsTheTableAtTheFirstRowAboveIt) {
  RunSettings s = shaftSettings(20.0f);
  s.designControl = kDesignLoadGiven;
  s.designLoad = 18.0f;  // QDN is 11.6 at 5 ft and 18.83 at 10 ft
  InputData data = profileOf(s, {linearClay()});
  const auto analysis = analyse(data, 2.0f);
  ASSERT_TRUE(analysis->table.targetReached);
  const CapacityRow& last =
      analysis->table.rows[static_cast<std::size_t>(analysis->table.count - 1)];
  const CapacityRow& before =
      analysis->table.rows[static_cast<std::size_t>(analysis->table.count - 2)];
  EXPECT_GT(last.allowable, 18.0f);
  EXPECT_LE(before.allowable, 18.0f);
  EXPECT_LE(last.length, 10.0f);
}

TEST(CapacityRows, AProfileTooShortForTheBaseZoneFormsNoRows) {
  Layer clay = linearClay();
  clay.bottomDepth = 4.0f;  // deepest tip 4 ft, K2 = 4: no length fits
  InputData data = profileOf(shaftSettings(20.0f), {clay});
  const auto analysis = analyse(data, 2.0f);
  EXPECT_TRUE(analysis->table.lengthRangeEmpty);
  EXPECT_EQ(analysis->table.count, 0);
}

}  // namespace
}  // namespace bormek

namespace bormek {
namespace {

RowTable twoRows() {
  RowTable table;
  table.count = 3;
  table.rows[0] = {1.0f, 0.1f, 0.0f, 4.0f, 4.0f, 1.3f, 1.3f, 40.0f, 0.0f, 2.0f, 2.0f};
  table.rows[1] = {2.0f, 0.2f, 6.0f, 8.0f, 14.0f, 8.6f, 5.6f, 70.0f, 3.0f, 4.0f, 7.0f};
  table.rows[2] = {3.0f, 0.3f, 9.0f, 9.0f, 18.0f, 12.0f, 7.5f, 60.0f, 5.0f, 5.0f, 10.0f};
  return table;
}

TEST(IncrementTable, InterpolatesEveryColumnLinearlyInLength) {
  const CapacityRow row = interpolatedRow(twoRows(), 2.5f);
  EXPECT_FLOAT_EQ(row.length, 2.5f);
  EXPECT_FLOAT_EQ(row.volume, 0.25f);
  EXPECT_FLOAT_EQ(row.side, 7.5f);
  EXPECT_FLOAT_EQ(row.base, 8.5f);
  EXPECT_FLOAT_EQ(row.allowable, 6.55f);
  EXPECT_FLOAT_EQ(row.perVolume, 65.0f);
  EXPECT_FLOAT_EQ(row.factoredTotal, 4.0f + 4.5f);  // the sum of the interpolated LRFD columns
}

TEST(IncrementTable, TheFirstIntervalWithoutSideResistanceBuildsOnTheSecondRow) {
  // At 0.5 ft the row interpolated from the surface has QS 0: it takes half
  // of the second row's QS, QBD and QDN, its QB, and its volume scaled by
  // 0.5 / 2.
  const CapacityRow row = interpolatedRow(twoRows(), 0.5f);
  EXPECT_FLOAT_EQ(row.side, 3.0f);
  EXPECT_FLOAT_EQ(row.base, 8.0f);
  EXPECT_FLOAT_EQ(row.ultimate, 11.0f);
  EXPECT_FLOAT_EQ(row.allowableBase, 4.3f);
  EXPECT_FLOAT_EQ(row.allowable, 2.8f);
  EXPECT_FLOAT_EQ(row.volume, 0.05f);
  EXPECT_FLOAT_EQ(row.perVolume, 220.0f);
  EXPECT_FLOAT_EQ(row.factoredSide, 1.5f);
  EXPECT_FLOAT_EQ(row.factoredBase, 4.0f);
}

TEST(IncrementTable, ADepthAboveTheFirstRowLiesOnTheLineThroughTheFirstTwo) {
  // An SI increment of 0.5 m over a 1.4 m upper zone: the first rows are at
  // 5 and 6 ft, and the 1.5 m row (4.9212 ft) lies 0.0788 ft above the
  // first. Each column is extended along rows 1 and 2: value(5) - 0.0788 x
  // (value(6) - value(5)); none is scaled towards zero at the surface.
  RowTable table;
  table.count = 2;
  table.rows[0] = {5.0f, 2.0f, 8.0f, 250.0f, 258.0f, 91.0f, 100.0f, 129.0f, 6.0f, 200.0f, 206.0f};
  table.rows[1] = {6.0f, 2.4f, 10.0f, 252.0f, 262.0f, 94.0f, 102.0f, 109.0f, 7.5f, 201.6f, 209.1f};
  const CapacityRow row = interpolatedRow(table, 1.5f * kFeetPerMetre);
  struct Column {
    const char* name;
    float actual;
    double expected;
  };
  const Column columns[] = {
      {"LENGTH", row.length, 4.9212},
      {"VOLUME", row.volume, 1.96848},
      {"QS", row.side, 7.8424},
      {"QB", row.base, 249.8424},
      {"QU", row.ultimate, 257.6848},
      {"QBD", row.allowableBase, 90.7636},
      {"QDN", row.allowable, 99.8424},
      {"QU/VOLUME", row.perVolume, 130.576},
      {"LRFD QS", row.factoredSide, 5.8818},
      {"LRFD QB", row.factoredBase, 199.87392},
      {"LRFD QU", row.factoredTotal, 205.75572},
  };
  for (const Column& c : columns) {
    // Single precision of values up to 260: 1e-6 relative.
    EXPECT_NEAR(c.actual, c.expected, 1e-6 * c.expected) << c.name;
  }
  // A table of one row has no line: the row holds at the depth asked for.
  table.count = 1;
  const CapacityRow only = interpolatedRow(table, 4.5f);
  EXPECT_FLOAT_EQ(only.length, 4.5f);
  EXPECT_FLOAT_EQ(only.side, 8.0f);
  EXPECT_FLOAT_EQ(only.base, 250.0f);
}

TEST(IncrementTable, RowsAboveTheZonesWithoutSideFrictionAreNotReported) {
  RunSettings s;
  s.topLength = 5.0f;
  s.bottomLength = 1.0f;
  ShaftGeometry g;
  g.bellHeight = 1.2f;
  EXPECT_FALSE(incrementRowIsReported(s, g, 6.0f));
  EXPECT_FALSE(incrementRowIsReported(s, g, 7.2f));  // must lie below BS + TOPLENG + HB
  EXPECT_TRUE(incrementRowIsReported(s, g, 7.5f));
  s.si = true;
  s.proposedDepth = 7.4f;  // in SI the design depth (ft) bounds the rows too
  EXPECT_FALSE(incrementRowIsReported(s, g, 7.5f));
}

}  // namespace
}  // namespace bormek
