// The rock and intermediate-geomaterial rules at single slices, against
// values worked by hand from the formulas and the design charts.
#include "capacity/rock_rules.h"

#include <gtest/gtest.h>

#include <cmath>

#include "capacity/layer_completion.h"
#include "capacity/table_interpolation.h"
#include "capacity/weak_rock_tables.h"
#include "support/layers.h"
#include "support/test_folder.h"

namespace bormek {
namespace {

// Single precision through square roots, powers and logarithms: 1e-4
// relative.
void expectClose(float actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-4 * std::max(1.0, std::abs(expected))) << what;
}

Layer rockLayer(int type, float top, float bottom) {
  return testing::unlimitedLayerOf(type, top, bottom);
}

Layer strongRock(int type, float rockPsi, float concretePsi) {
  Layer layer = rockLayer(type, 0.0f, 20.0f);
  layer.rockStrength = {rockPsi * 144.0f, rockPsi * 144.0f};
  layer.concreteStrength = {concretePsi * 144.0f, concretePsi * 144.0f};
  layer.discontinuitySpacing = {1.0f, 1.0f};
  layer.socketDiameter = {3.0f, 3.0f};
  return layer;
}

InputData profileOf(std::initializer_list<Layer> layers, float designDepth = 30.0f) {
  InputData data;
  data.settings.designControl = kShaftLengthGiven;
  data.settings.proposedDepth = designDepth;
  data.settings.dStart = 3.0f;
  data.settings.ecInput = 4000000.0f;  // psi: 288000 tsf
  data.settings.waterTableDepth = 50.0f;
  for (const Layer& layer : layers) {
    data.layers[static_cast<std::size_t>(data.entryCount++)] = layer;
  }
  completeLayerTable(data);
  return data;
}

RockSlice sliceOf(const InputData& data, int layerIndex, float depth, float stress = 0.0f,
                  float scale = 1.0f) {
  const Layer& layer = data.layers[static_cast<std::size_t>(layerIndex)];
  RockSlice slice;
  slice.data = &data;
  slice.layerIndex = layerIndex;
  slice.depthFt = depth;
  slice.fraction = (depth - layer.topDepth) / (layer.bottomDepth - layer.topDepth);
  slice.stressBottomPsf = stress;
  slice.socketScale = scale;
  slice.designDepthFt = rockDesignDepth(data, layerIndex);
  return slice;
}

struct StrongCase {
  const char* what;
  int type;
  float rockPsi, concretePsi;
  bool compression;
  double side;  // tsf
  double base;  // tons
};

TEST(StrongRock, SideAndBaseByTypeStrengthAndLoading) {
  // Ksp with s = 1 ft, no thickness, Bs = 3 ft: (3 + 1/3) / 10 = 0.33333;
  // QB = 3 x 0.33333 x qu / 2000 x 0.7854 x 9 = 0.0035343 qu (qu in psf).
  const double basePerPsf = 0.0035343;
  const StrongCase cases[] = {
      // 300 psi > 280 psi: 2.5 sqrt(300) x 144 / 2000 = 3.11769 tsf.
      {"type 7, 300 psi", kStrongRockBoth, 300.0f, 4000.0f, true, 3.11769, basePerPsf * 43200},
      // Type 4 at 300 psi: side friction only.
      {"type 4, 300 psi", kStrongRockEither, 300.0f, 4000.0f, true, 3.11769, 0.0},
      // Type 4 at 1500 psi in compression: end bearing only.
      {"type 4, 1500 psi", kStrongRockEither, 1500.0f, 4000.0f, true, 0.0, basePerPsf * 216000},
      // Concrete of 200 psi governs the side (0.15 x 28800 / 2000), not the base.
      {"weak concrete", kStrongRockBoth, 1500.0f, 200.0f, true, 2.16, basePerPsf * 216000},
      // In uplift type 4 keeps its side friction.
      {"type 4 uplift", kStrongRockEither, 1500.0f, 4000.0f, false,
       2.5 * std::sqrt(1500.0) * 144 / 2000, basePerPsf * 216000},
  };
  for (const StrongCase& c : cases) {
    const InputData data = profileOf({strongRock(c.type, c.rockPsi, c.concretePsi)});
    RunOutput out;
    RockNotes notes(out);
    const RockResult result = strongRockSlice(sliceOf(data, 1, 10.0f), c.compression, notes);
    expectClose(result.unitSideTsf, c.side, c.what);
    expectClose(result.baseTons, c.base, c.what);
    EXPECT_EQ(result.socketDiameterFt, 3.0f) << c.what;
  }
}

TEST(StrongRock, ASecondDiameterScalesTheSocket) {
  const InputData data = profileOf({strongRock(kStrongRockBoth, 1500.0f, 4000.0f)});
  RunOutput out;
  RockNotes notes(out);
  // D / DSTART = 1.25: Bs = 3.75 ft, Ksp = (3 + 1 / 3.75) / 10 = 0.326667,
  // QB = 3 x 0.326667 x 108 x 0.7854 x 14.0625 = 1168.94 t.
  const RockResult result = strongRockSlice(sliceOf(data, 1, 10.0f, 0.0f, 1.25f), true, notes);
  EXPECT_FLOAT_EQ(result.socketDiameterFt, 3.75f);
  expectClose(result.baseTons, 1168.94, "base with the scaled socket");
}

TEST(StrongRock, MissingSpacingGivesNoBaseAndOneNoteForTheLayer) {
  Layer layer = strongRock(kStrongRockBoth, 1500.0f, 4000.0f);
  layer.discontinuitySpacing = {0.0f, 0.0f};
  const InputData data = profileOf({layer});
  testing::TestFolder folder;
  RunOutput out;
  out.openNotes(folder.file("n.bkr"));
  RockNotes notes(out);
  for (const float depth : {5.0f, 10.0f}) {
    const RockResult result = strongRockSlice(sliceOf(data, 1, depth), true, notes);
    EXPECT_EQ(result.baseTons, 0.0f);
    EXPECT_GT(result.unitSideTsf, 0.0f);
  }
  out.closeAll();
  const std::vector<std::string> expected = {
      "", "     *********************WARNING**********************",
      "     LAYER 1 (STRONG ROCK): THE SPACING OF DISCONTINUITIES IS ZERO OR LESS;",
      "     THE SLICES CONCERNED GIVE NO BASE RESISTANCE."};
  EXPECT_EQ(testing::readLines(folder.file("n.bkr")), expected);
}

// Sand 0 to 10 ft at 120 pcf over decomposed rock to 40 ft at 130 pcf,
// N = 60, socket 3 ft, design depth 25 ft.
InputData decomposedProfile() {
  Layer sand = rockLayer(kSand, 0.0f, 10.0f);
  sand.unitWeight = {120.0f, 120.0f};
  Layer rock = rockLayer(kDecomposedRock, 10.0f, 40.0f);
  rock.unitWeight = {130.0f, 130.0f};
  rock.blowCount = {60.0f, 60.0f};
  rock.poissonRatio = {0.3f, 0.3f};
  rock.socketDiameter = {3.0f, 3.0f};
  return profileOf({sand, rock}, 25.0f);
}

TEST(DecomposedRock, SideAndBaseAtOneDepth) {
  const InputData data = decomposedProfile();
  RunOutput out;
  RockNotes notes(out);
  // At 15 ft (above 25 + 2 x 3 ft) the running stress 10 x 120 + 5 x 130 =
  // 1850 psf is used. OCR = 0.2 x 60 x 2115.7 / 1850 = 13.7235;
  // phi' = atan[(60 / (12.2 + 20.3 x 1850 / 2115.7))^0.34] = 51.705 deg;
  // K0 = (1 - sin phi') OCR^sin phi' = 1.68071; f = 1850 K0 tan(0.75 phi') =
  // 2498.08 psf = 1.24904 tsf. qmax = 2.1459 x 1850 x OCR^0.8 = 32266.5 psf,
  // QB = qmax x 3.1416 x 9 / 4 / 2000 = 114.040 t.
  const RockResult result = decomposedRockSlice(sliceOf(data, 2, 15.0f, 1850.0f), notes);
  expectClose(result.unitSideTsf, 1.24904, "side");
  expectClose(result.baseTons, 114.040, "base");
  // No modulus given: Em = 46545.4 x 60^0.82 psf.
  EXPECT_NEAR(geomaterialModulusPsf(data.layers[2], 60.0f), 1336475.0f, 20.0f);
}

TEST(DecomposedRock, BelowTheDesignDepthTheMidLayerStressIsUsed) {
  const InputData data = decomposedProfile();
  RunOutput out;
  RockNotes notes(out);
  // At 35 ft (not above 25 + 6 ft) the stress at mid-layer counts,
  // 10 x 120 + 15 x 130 = 3150 psf, whatever the running stress: the same
  // as a slice higher up whose running stress is 3150 psf.
  const RockResult deep = decomposedRockSlice(sliceOf(data, 2, 35.0f, 9999.0f), notes);
  const RockResult viaMid = decomposedRockSlice(sliceOf(data, 2, 15.0f, 3150.0f), notes);
  EXPECT_GT(deep.unitSideTsf, 0.0f);
  EXPECT_FLOAT_EQ(deep.unitSideTsf, viaMid.unitSideTsf);
}

TEST(DecomposedRock, NoEffectiveStressGivesNothingAndANote) {
  const InputData data = decomposedProfile();
  testing::TestFolder folder;
  RunOutput out;
  out.openNotes(folder.file("n.bkr"));
  RockNotes notes(out);
  const RockResult result = decomposedRockSlice(sliceOf(data, 2, 15.0f, -20.0f), notes);
  EXPECT_EQ(result.unitSideTsf, 0.0f);
  EXPECT_EQ(result.baseTons, 0.0f);
  out.closeAll();
  const auto lines = testing::readLines(folder.file("n.bkr"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2],
            "     LAYER 2 (DECOMPOSED ROCK): THE EFFECTIVE VERTICAL STRESS IS ZERO OR LESS;");
}

// Clay 0 to 10 ft over weak rock to 40 ft: qu 100000 psf, slump 7 in,
// RQD 70, socket 3 ft, design depth 30 ft.
InputData weakProfile(int condition, float modulusPsi) {
  Layer clay = rockLayer(kClay, 0.0f, 10.0f);
  Layer rock = rockLayer(kWeakRock, 10.0f, 40.0f);
  rock.rockStrength = {100000.0f, 100000.0f};
  rock.interfaceConditionTop = condition;
  rock.interfaceConditionBottom = condition;
  rock.slump = {7.0f, 7.0f};
  rock.interfaceFriction = {25.0f, 25.0f};
  rock.socketDiameter = {3.0f, 3.0f};
  rock.modulus = {modulusPsi, modulusPsi};
  rock.rqd = {70.0f, 70.0f};
  return profileOf({clay, rock}, 30.0f);
}

// Common to both interfaces at 20 ft: Lz = 10 ft, zc = (30 + 10) / 2 = 20 ft.
// M from table 1 at slump 7 in: 0.962234 (zc 13.12) and 0.763959 (zc 26.25),
// 0.858340 at 20 ft; sigma-n = 150 x 0.858340 x 20 = 2575.02 psf. Em / Ei =
// 0.7 (RQD 70, closed joints), table 4 at 0.7: 0.88.
TEST(WeakRock, RoughInterfaceSideAndCappedBase) {
  const InputData data = weakProfile(1, 500000.0f);
  RunOutput out;
  RockNotes notes(out);
  RockDiameterState state;
  // fa = 0.5 qu x 0.88 = 44000 psf; Em = 0.7 x 36000 = 25200 tsf, rho =
  // 288000 / 25200; lambda = 10 / 3: Gamma = 1.597664, Omega = 0.674480;
  // K = 25200 x 2000 x Gamma x 0.15 / (3.1416 x 10 x Omega x 44000) = 12.9549,
  // n = 2575.02 / 100000 = 0.025750, Phi = n + (K - n)(1 - n) / (K - 2n + 1)
  // = 0.931732; f = 40996.2 psf = 20.4981 tsf. The base formula gives more
  // than 2.5 qu: 250000 psf x 0.7854 x 9 / 2000 = 883.575 t.
  const RockResult result = weakRockSlice(sliceOf(data, 2, 20.0f), state, notes);
  expectClose(result.unitSideTsf, 20.4981, "side");
  expectClose(result.baseTons, 883.575, "base");
  EXPECT_TRUE(state.weakRockStrengthKept);
  EXPECT_NEAR(state.firstWeakRockStrengthPsf, 40996.2f, 5.0f);
}

TEST(WeakRock, SmoothInterfaceSideTableFiveAndUncappedBase) {
  const InputData data = weakProfile(2, 50000.0f);
  RunOutput out;
  RockNotes notes(out);
  RockDiameterState state;
  // alpha from table 2 at sigma-n / pa = 1.21710 and qu = 100000 psf:
  // 0.066797 (row 1) and 0.103586 (row 2) give 0.074784; fa = alpha qu
  // tan 25 / tan 30 x 0.88 = 5315.25 psf = 2.65763 tsf.
  const RockResult result = weakRockSlice(sliceOf(data, 2, 20.0f), state, notes);
  expectClose(result.unitSideTsf, 2.65763, "side");
  // Em = 0.7 x 3600 = 2520 tsf: Gamma = 1.556377, Omega = 0.550619, bracket
  // 200 (sqrt(lambda) - Gamma)(1 + lambda) / (3.1416 x 3048 x Omega) =
  // 0.0442767; qb = 20.88 x 0.0134 x 2520 x 95.76 x bracket^0.67 x
  // lambda / (1 + lambda) x 45.72^0.67 = 83307.8 psf; QB = 294.435 t.
  expectClose(result.baseTons, 294.435, "base");

  // n from table 5 at Em / sigma-n = 1957.27 and qu / pa = 47.2657: rows
  // 1500 (0.056119) and 2000 (0.019346) give 0.022489.
  const WeakRockSocket socket = weakRockSocketAt(sliceOf(data, 2, 20.0f), 3600.0f, 10.0f);
  ASSERT_TRUE(socket.valid);
  EXPECT_NEAR(socket.n, 0.022489f, 1e-5f);
}

TEST(WeakRock, RoughInterfaceWithFullRqdKeepsHalfTheStrength) {
  Layer rock = rockLayer(kWeakRock, 0.0f, 40.0f);
  rock.rockStrength = {100000.0f, 100000.0f};
  rock.interfaceConditionTop = 1;
  rock.slump = {7.0f, 7.0f};
  rock.socketDiameter = {3.0f, 3.0f};
  rock.modulus = {500000.0f, 500000.0f};
  rock.rqd = {100.0f, 100.0f};
  const InputData data = profileOf({rock});
  const WeakRockSocket socket = weakRockSocketAt(sliceOf(data, 1, 20.0f), 36000.0f, 20.0f);
  EXPECT_FLOAT_EQ(socket.sideStrengthPsf, 50000.0f);  // 0.5 qu x 1.0
}

TEST(WeakRock, AVeryLongSocketGetsNoBaseAndANote) {
  Layer clay = rockLayer(kClay, 0.0f, 10.0f);
  Layer rock = weakProfile(1, 500000.0f).layers[2];
  rock.bottomDepth = 110.0f;
  const InputData data = profileOf({clay, rock}, 30.0f);
  testing::TestFolder folder;
  RunOutput out;
  out.openNotes(folder.file("n.bkr"));
  RockNotes notes(out);
  RockDiameterState state;
  // Lz = 90 ft, lambda = 30: sqrt(lambda) - Gamma = 5.4772 - 5.8369 < 0.
  const RockResult result = weakRockSlice(sliceOf(data, 2, 100.0f), state, notes);
  EXPECT_EQ(result.baseTons, 0.0f);
  EXPECT_GT(result.unitSideTsf, 0.0f);
  out.closeAll();
  const auto lines = testing::readLines(folder.file("n.bkr"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2],
            "     LAYER 2 (WEAK ROCK): THE SOCKET IS TOO LONG FOR THE BASE RESISTANCE FORMULA;");
}

TEST(WeakRock, SiSlumpIsReadInMetres) {
  InputData data = weakProfile(1, 500000.0f);
  data.settings.si = true;
  data.layers[2].slump = {0.1778f, 0.1778f};  // 7 in
  const WeakRockSocket socket = weakRockSocketAt(sliceOf(data, 2, 20.0f), 36000.0f, 10.0f);
  EXPECT_NEAR(socket.normalStressPsf, 2575.02f, 0.05f);
}

TEST(WeakRock, ZeroSocketOrModulusGivesNothing) {
  InputData data = weakProfile(1, 0.0f);
  RunOutput out;
  RockNotes notes(out);
  RockDiameterState state;
  const RockResult noModulus = weakRockSlice(sliceOf(data, 2, 20.0f), state, notes);
  EXPECT_EQ(noModulus.unitSideTsf, 0.0f);
  EXPECT_EQ(noModulus.baseTons, 0.0f);
  data = weakProfile(1, 500000.0f);
  data.layers[2].socketDiameter = {0.0f, 0.0f};
  const WeakRockSocket socket = weakRockSocketAt(sliceOf(data, 2, 20.0f), 36000.0f, 10.0f);
  EXPECT_FALSE(socket.valid);
  EXPECT_EQ(socket.gap, RockGap::kNoSocketDiameter);
}

TEST(WeakRock, SocketStartsAtTheFirstWeakOrStrongRockNotInGravel) {
  Layer gravel = rockLayer(kGravel, 0.0f, 10.0f);
  Layer rock = weakProfile(1, 500000.0f).layers[2];
  const InputData data = profileOf({gravel, rock}, 30.0f);
  RunOutput out;
  RockNotes notes(out);
  RockDiameterState state;
  // Same socket as with clay above: Lz = 20 - 10 ft, not 20 ft from the
  // top of the gravel.
  const RockResult result = weakRockSlice(sliceOf(data, 2, 20.0f), state, notes);
  expectClose(result.unitSideTsf, 20.4981, "side");
}

TEST(RockDesignDepth, GivenShaftLengthOrMidLayerPlusTopZone) {
  InputData data = decomposedProfile();        // layer 2 from 10 to 40 ft
  EXPECT_EQ(rockDesignDepth(data, 2), 25.0f);  // the shaft length given
  data.settings.designControl = kDesignLoadGiven;
  data.settings.topLength = 4.0f;
  EXPECT_EQ(rockDesignDepth(data, 2), 29.0f);  // (10 + 40) / 2 + 4
}

TEST(TableInterpolation, BetweenPointsAndClampedOutside) {
  const float keys[] = {1.0f, 2.0f, 4.0f};
  const float values[] = {10.0f, 20.0f, 0.0f};
  EXPECT_FLOAT_EQ(interpolateTable(keys, values, 3.0f), 10.0f);
  EXPECT_FLOAT_EQ(interpolateTable(keys, values, 0.0f), 10.0f);
  EXPECT_FLOAT_EQ(interpolateTable(keys, values, 9.0f), 0.0f);
  // Table 1 beyond its grid: zc above 39.37 ft takes the last row, a slump
  // below 5 in the first column.
  EXPECT_FLOAT_EQ(fluidPressureFactor(4.0f, 40.0f), 0.35f);
  EXPECT_FLOAT_EQ(fluidPressureFactor(9.5f, 0.0f), 1.0f);
  // Table 3 at RQD 60: closed 0.15 + (0.7 - 0.15) x 0.5 = 0.425, open 0.2.
  EXPECT_FLOAT_EQ(massModulusRatio(60.0f, false), 0.425f);
  EXPECT_FLOAT_EQ(massModulusRatio(60.0f, true), 0.2f);
}

}  // namespace
}  // namespace bormek
