// Load-settlement lines of weak-rock and decomposed-rock tips against
// values worked by hand from the formulas, and the guards that replace
// values the formulas cannot use.
#include "settlement/geomaterial_settlement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "capacity/layer_completion.h"
#include "support/layers.h"
#include "support/test_folder.h"

namespace bormek {
namespace {

using Lines = std::vector<std::string>;

// Single precision through roots, powers, logarithms and the design
// charts: 1e-4 relative.
void expectClose(float actual, double expected, const std::string& what) {
  EXPECT_NEAR(actual, expected, 1e-4 * std::max(1.0, std::abs(expected))) << what;
}

void expectFinite(const SettlementLine& line) {
  for (const SettlementPoint& point : line) {
    EXPECT_TRUE(std::isfinite(point.topLoad));
    EXPECT_TRUE(std::isfinite(point.topMovement));
  }
}

using testing::layerOf;

InputData profileOf(std::initializer_list<Layer> layers, float waterTableFt = 50.0f) {
  InputData data;
  data.settings.designControl = kShaftLengthGiven;
  data.settings.dStart = 3.0f;
  data.settings.ecInput = 4000000.0f;  // psi: 288000 tsf
  data.settings.waterTableDepth = waterTableFt;
  for (const Layer& layer : layers) {
    data.layers[static_cast<std::size_t>(data.entryCount++)] = layer;
  }
  completeLayerTable(data);
  return data;
}

// Runs a builder with the report and the run notes in files.
struct BuilderRun {
  SettlementLine line{};
  Lines report;
  Lines notes;
};

template <typename Builder>
BuilderRun runBuilder(Builder builder, const SettlementInput& input) {
  testing::TestFolder folder;
  RunOutput out;
  out.openReport(folder.file("r.bkr"));
  out.openNotes(folder.file("n.bkr"));
  BuilderRun run;
  run.line = builder(input, out);
  out.closeAll();
  run.report = testing::readLines(folder.file("r.bkr"));
  run.notes = testing::readLines(folder.file("n.bkr"));
  return run;
}

Lines warningOf(const std::string& first, const std::string& second) {
  return {"", "     *********************WARNING**********************", "     " + first,
          "     " + second};
}

// Weak rock over [top, bottom] ft: qu 100000 psf, rough interface, slump
// 7 in, RQD 70, socket 3 ft, Ei 500000 psi = 36000 tsf.
Layer weakRock(float top, float bottom) {
  Layer rock = layerOf(kWeakRock, top, bottom);
  rock.rockStrength = {100000.0f, 100000.0f};
  rock.interfaceConditionTop = 1;
  rock.slump = {7.0f, 7.0f};
  rock.interfaceFriction = {25.0f, 25.0f};
  rock.socketDiameter = {3.0f, 3.0f};
  rock.modulus = {500000.0f, 500000.0f};
  rock.rqd = {70.0f, 70.0f};
  return rock;
}

InputData clayOverWeakRock(float rockBottomFt) {
  return profileOf({layerOf(kClay, 0.0f, 10.0f), weakRock(10.0f, rockBottomFt)});
}

SettlementInput weakRockInput(const InputData& data, int tipLayer, float designDepthFt) {
  SettlementInput input;
  input.data = &data;
  input.tipLayer = tipLayer;
  input.designDepthFt = designDepthFt;
  input.stemDiameterFt = 3.0f;
  input.socketScale = 1.0f;
  input.sideAboveWeakRockTons = 40.0f;
  input.sideTons = 5000.0f;
  return input;
}

struct WeakRockPoint {
  const char* what;
  bool si;
  int point;
  double load;      // tons or kN
  double movement;  // in or m
};

// Clay 0 to 10 ft over weak rock to 40 ft, DGH 30 ft, 40 t of side above the
// socket, earlier weak-rock moduli 60000 tsf over 2 slices. L = 20 ft,
// Bs = 3 ft; mean Ei = (60000 + 36000) / 3 = 32000 tsf, Em = 0.7 Ei = 22400
// tsf. zc = (30 + 10) / 2 = 20 ft: sigma-n = 150 x 0.858340 x 20 = 2575.02
// psf, n = 0.0257502, fa = 0.5 qu x 0.88 = 44000 psf. lambda = 20 / 3,
// log(288000 / 22400) = 1.109144: Gamma = 2.415735, Omega = 0.822138; base
// bracket 200 (sqrt(lambda) - Gamma)(1 + lambda) / (3.1416 x 6096 x Omega) =
// 0.0161908.
// Point 1: w = 3 x 9e-5 x 1.5 = 0.000405 ft, K = 22400 x 2000 x Gamma x w /
// (3.1416 x 20 x Omega x fa) = 0.0192843 < n so Phi = K; Qsock = 3.1416 x 3 x
// 20 x fa x Phi = 159941 lb. qb = 20.88 x 0.0134 x 22400 x 95.76 x
// bracket^0.67 x lambda / (1 + lambda) x 0.123444^0.67 = 8110.82 psf, Qb =
// 57332.1 lb. Load (80000 + 159941 + 57332.1) / 2000 = 148.6364 t; shortening
// 148.6364 x 2000 x 120 / 4000000 / (0.7854 x 9 x 144) = 0.00876154 in.
// Point 15: w = 0.15 ft, K = 7.14234, Phi = n + (K - n)(1 - n) / (K - 2n + 1)
// = 0.882687, Qsock = 7320850 lb; qb capped at 2.5 qu, Qb = 1767150 lb; load
// 4583.9991 t, shortening 0.270209 in.
TEST(WeakRockSettlement, FirstAndLastPointsMatchTheSocketWorkedByHand) {
  const WeakRockPoint cases[] = {
      {"point 1", false, 1, 148.636403, 0.000405 * 12 + 0.00876154},
      {"point 15", false, 15, 4583.999102, 0.15 * 12 + 0.270209},
      // SI: load x 8.896, movement w / 3.2808 + shortening x 0.0254.
      {"point 1 SI", true, 1, 1322.26944, 0.000405 / 3.2808 + 0.00876154 * 0.0254},
      {"point 15 SI", true, 15, 40779.25601, 0.15 / 3.2808 + 0.270209 * 0.0254},
  };
  for (const WeakRockPoint& c : cases) {
    InputData data = clayOverWeakRock(40.0f);
    if (c.si) {
      data.settings.si = true;
      data.layers[2].slump = {0.1778f, 0.1778f};  // 7 in, read in m
    }
    SettlementInput input = weakRockInput(data, 2, 30.0f);
    input.rock.weakRockModulusSumTsf = 60000.0f;
    input.rock.weakRockModulusCount = 2;
    const BuilderRun run = runBuilder(weakRockSettlement, input);
    const SettlementPoint& point = run.line[static_cast<std::size_t>(c.point - 1)];
    expectClose(point.topLoad, c.load, std::string(c.what) + " load");
    expectClose(point.topMovement, c.movement, std::string(c.what) + " movement");
    EXPECT_EQ(point.tipLoad, 0.0f);
    EXPECT_EQ(point.tipMovement, 0.0f);
    EXPECT_TRUE(run.notes.empty()) << c.what;
  }
}

TEST(WeakRockSettlement, LastFourPointsSettleFixedSharesOfTheSocketDiameter) {
  // Weak rock from the surface: no shaft above the socket shortens, so the
  // movement is Bs rk = 3 ft x 12 x rk in.
  const InputData data = profileOf({weakRock(0.0f, 40.0f)});
  const BuilderRun run = runBuilder(weakRockSettlement, weakRockInput(data, 1, 20.0f));
  const double shares[] = {9e-5 * std::pow(1.5, 12), 0.0125, 0.025, 0.05};  // 1.1677 % at 12
  for (int k = 0; k < 4; ++k) {
    expectClose(run.line[static_cast<std::size_t>(11 + k)].topMovement, 36.0 * shares[k],
                "point " + std::to_string(12 + k));
  }
}

TEST(WeakRockSettlement, SideNeverExceedsTheFinalSideResistance) {
  // A 90 ft socket (DGH 100 ft): lambda = 30, Gamma = 5.5672 > sqrt(30) =
  // 5.4772, so the base formula has no positive bracket and the load is the
  // side alone. With a final QS of 1000 t the socket side passes 1000 - 40 t
  // between points 6 (893.9 t) and 7 (1323.3 t); from there the line is flat.
  const InputData data = clayOverWeakRock(110.0f);
  SettlementInput input = weakRockInput(data, 2, 100.0f);
  input.sideTons = 1000.0f;
  const BuilderRun run = runBuilder(weakRockSettlement, input);
  for (std::size_t k = 0; k < run.line.size(); ++k) {
    EXPECT_LE(run.line[k].topLoad, 1000.0f) << "point " << k + 1;
    if (k >= 6) {
      EXPECT_EQ(run.line[k].topLoad, 1000.0f) << "point " << k + 1;
    } else {
      EXPECT_LT(run.line[k].topLoad, 1000.0f) << "point " << k + 1;
    }
  }
  EXPECT_EQ(run.notes,
            warningOf("LAYER 2 (WEAK ROCK): THE SOCKET IS TOO LONG FOR THE BASE FORMULA;",
                      "THE LOAD-SETTLEMENT CURVE TAKES NO BASE RESISTANCE."));
}

TEST(WeakRockSettlement, ZeroSocketLengthLeavesTheSideAboveAndAWarning) {
  // DGH at the top of the weak rock: every point carries the 40 t above the
  // socket; shortening 40 x 2000 x 120 / 4000000 / (0.7854 x 9 x 144) =
  // 0.00235785 in on top of w.
  const InputData data = clayOverWeakRock(40.0f);
  SettlementInput input = weakRockInput(data, 2, 10.0f);
  input.sideTons = 40.0f;
  const BuilderRun run = runBuilder(weakRockSettlement, input);
  expectFinite(run.line);
  for (const SettlementPoint& point : run.line) {
    EXPECT_FLOAT_EQ(point.topLoad, 40.0f);
  }
  expectClose(run.line[0].topMovement, 0.000405 * 12 + 0.00235785, "point 1");
  expectClose(run.line[14].topMovement, 0.15 * 12 + 0.00235785, "point 15");
  EXPECT_EQ(run.notes, warningOf("LAYER 2 (WEAK ROCK): THE SOCKET LENGTH IS ZERO OR LESS;",
                                 "THE LOAD-SETTLEMENT CURVE TAKES NO LOAD IN THE SOCKET."));
}

TEST(WeakRockSettlement, SocketStartsAtWeakRockNotAtGravelAbove) {
  // Gravel 0 to 10 ft does not start the socket (types 8 and 9 are not
  // rock): the line is the one of the same socket under clay.
  const InputData gravel = profileOf({layerOf(kGravel, 0.0f, 10.0f), weakRock(10.0f, 40.0f)});
  const InputData clay = clayOverWeakRock(40.0f);
  const BuilderRun overGravel = runBuilder(weakRockSettlement, weakRockInput(gravel, 2, 30.0f));
  const BuilderRun overClay = runBuilder(weakRockSettlement, weakRockInput(clay, 2, 30.0f));
  for (std::size_t k = 0; k < overClay.line.size(); ++k) {
    EXPECT_EQ(overGravel.line[k].topLoad, overClay.line[k].topLoad) << "point " << k + 1;
    EXPECT_EQ(overGravel.line[k].topMovement, overClay.line[k].topMovement) << "point " << k + 1;
  }
}

// Sand 0 to 10 ft (120 pcf) over decomposed rock to 40 ft (130 pcf), DGH
// 25 ft, so L = 15 ft; final QS 300 t.
struct DecomposedCase {
  const char* what;
  bool blowCounts;  // false: moduli 10000 psi at the top, 20000 psi at the bottom
  bool si;
  double elasticLoad;       // Pt, point 10
  double elasticMovement;   // ws, point 10
  double ultimateLoad;      // Qult, point 14
  double ultimateMovement;  // ws + dw, point 14
};

InputData decomposedProfile(bool blowCounts, bool si) {
  Layer sand = layerOf(kSand, 0.0f, 10.0f);
  sand.unitWeight = {120.0f, 120.0f};
  Layer rock = layerOf(kDecomposedRock, 10.0f, 40.0f);
  rock.unitWeight = {130.0f, 130.0f};
  rock.socketDiameter = {3.0f, 3.0f};
  if (blowCounts) {
    rock.blowCount = {40.0f, 60.0f};
  } else {
    rock.blowCount = {60.0f, 60.0f};
    rock.modulus = {10000.0f, 20000.0f};  // 720 and 1440 tsf
  }
  InputData data = profileOf({sand, rock}, blowCounts ? 20.0f : 50.0f);
  data.settings.si = si;
  return data;
}

SettlementInput decomposedInput(const InputData& data, bool deepSlice) {
  SettlementInput input;
  input.data = &data;
  input.tipLayer = 2;
  input.designDepthFt = 25.0f;
  input.stemDiameterFt = 3.0f;
  input.sideTons = 300.0f;
  LayerSummary& last = input.layers[2];
  if (deepSlice) {
    input.socketScale = 1.25f;
    last.lastSliceDepthFt = 39.0f;
    last.lastSliceFraction = 29.0f / 30.0f;
    last.lastSliceStressPsf = 9999.0f;  // not used below DGH + 2 Bs
  } else {
    last.lastSliceDepthFt = 25.0f;
    last.lastSliceFraction = 0.5f;
    last.lastSliceStressPsf = 3150.0f;  // 10 x 120 + 15 x 130
  }
  return input;
}

// Moduli given, slice at 25 ft (above 25 + 2 x 3 ft): sigma-v' = 3150 psf,
// N60 = 60, Bs = 3 ft, Em = 1440 x 2000 = 2.88e6 psf, rho = 1080 / 1440 =
// 0.75. lambda = 288000 x 2000 x 2.6 / Em = 520; zeta = ln[(0.25 + (2.5 x
// 0.75 x 0.6 - 0.25) x 2.5) x 2 x 15 / 3] = ln 24.375 = 3.193558; muL = 2 x
// 5 x sqrt(2 / (zeta lambda)) = 0.347037; A = 4 x 1.4 [1 + 8 tanh(muL) 5 /
// (2.5 x 3.1416 x 520 x 0.6 muL)] / [16 / 0.6 + 4 x 3.1416 x 0.75 tanh(muL)
// 5 / (zeta muL)] = 0.139214. Pt = 600000 / (1 - A / (2.5 x 1.4 x 0.6 cosh
// muL)) = 639994.0 lb = 319.99699 t; ws = A Pt / (Em Bs) = 0.0103120 ft =
// 0.123744 in. OCR = 0.2 x 60 x 2115.7 / 3150 = 8.05981, qmax = 2.1459 x
// 3150 x OCR^0.8 = 35890.5 psf, Qult = qmax x 3.1416 x 9 / 4 + 600000 =
// 853695.8 lb = 426.84790 t; dw = (Qult - Pt) x 1.4 x 0.6 / 3 / (0.4 Em) =
// 0.0519414 ft, point 14 at 0.0622534 ft = 0.747041 in.
// Blow counts 40 to 60, water table 20 ft, D / DSTART = 1.25, slice at 39 ft
// (not above 25 + 2 x 3.75 ft): sigma-v' at mid-layer 1200 + 15 x 130 - 62.4
// x 5 = 2838 psf, N60 = 40 + 20 x 29 / 30 = 59.3333, Em = 46545.4 x
// N60^0.82, rho = 40 / 60, Bs = 3.75 ft: zeta = ln 17 = 2.833213, lambda =
// 1130.87, A = 0.146930, Pt = 322.09294 t, ws = 0.0190593 ft = 0.228712
// in, Qult = 492.38077 t, point 14 at 0.163078 ft = 1.956940 in.
TEST(DecomposedRockSettlement, ElasticTopThenBaseToTheUltimateLoad) {
  const DecomposedCase cases[] = {
      {"moduli given", false, false, 319.99699, 0.123744, 426.84790, 0.747041},
      {"from blow counts", true, false, 322.09294, 0.228712, 492.38077, 1.956940},
      // SI: loads x 8.896 kN, movements / 3.2808 m.
      {"moduli given, SI", false, true, 2846.69323, 0.00314314, 3797.23888, 0.01897508},
  };
  for (const DecomposedCase& c : cases) {
    const InputData data = decomposedProfile(c.blowCounts, c.si);
    const BuilderRun run =
        runBuilder(decomposedRockSettlement, decomposedInput(data, c.blowCounts));
    const std::string what = c.what;
    expectClose(run.line[0].topLoad, c.elasticLoad / 10.0, what + ", point 1 load");
    expectClose(run.line[0].topMovement, c.elasticMovement / 10.0, what + ", point 1 movement");
    expectClose(run.line[9].topLoad, c.elasticLoad, what + ", point 10 load");
    expectClose(run.line[9].topMovement, c.elasticMovement, what + ", point 10 movement");
    expectClose(run.line[13].topLoad, c.ultimateLoad, what + ", point 14 load");
    expectClose(run.line[13].topMovement, c.ultimateMovement, what + ", point 14 movement");
    EXPECT_EQ(run.line[14].topLoad, run.line[13].topLoad) << what;
    expectClose(run.line[14].topMovement, 1.2 * c.ultimateMovement, what + ", point 15");
    EXPECT_TRUE(run.notes.empty()) << what;
  }
}

TEST(DecomposedRockSettlement, ShortSocketTakesZetaOfOneAndWarns) {
  // DGH 10.5 ft: L = 0.5 ft, the logarithm's argument 2.4375 x 1 / 3 =
  // 0.8125 gives zeta < 0; with zeta = 1: muL = 2 x (1 / 6) x sqrt(2 / 520) =
  // 0.0206725, A = 0.198428, Pt = 100000 / 0.905531 lb = 55.216228 t, ws =
  // 0.00253621 ft = 0.030435 in (QS 50 t, sigma-v' 1200 + 0.5 x 130 = 1265
  // psf, moduli given).
  const InputData data = decomposedProfile(false, false);
  SettlementInput input = decomposedInput(data, false);
  input.designDepthFt = 10.5f;
  input.sideTons = 50.0f;
  input.layers[2].lastSliceDepthFt = 10.5f;
  input.layers[2].lastSliceFraction = 0.5f / 30.0f;
  input.layers[2].lastSliceStressPsf = 1265.0f;
  const BuilderRun run = runBuilder(decomposedRockSettlement, input);
  expectFinite(run.line);
  expectClose(run.line[9].topLoad, 55.216228, "Pt");
  expectClose(run.line[9].topMovement, 0.030435, "ws");
  EXPECT_EQ(run.notes,
            warningOf("LAYER 2 (DECOMPOSED ROCK): THE SOCKET IS TOO SHORT FOR THE INFLUENCE FACTOR "
                      "ZETA;",
                      "ZETA = 1 IS TAKEN FOR THE LOAD-SETTLEMENT CURVE."));
}

struct ZeroLineCase {
  const char* what;
  float topBlows, bottomBlows;  // no modulus given
  float sliceStressPsf;
  const char* missing;
};

TEST(DecomposedRockSettlement, NoEffectiveStressOrNoModulusGivesZerosAndAWarning) {
  const ZeroLineCase cases[] = {
      // Rock above without unit weight, below the water table.
      {"no effective stress", 60.0f, 60.0f, -20.0f,
       "THE EFFECTIVE VERTICAL STRESS IS ZERO OR LESS"},
      // Em = 46545.4 x 0^0.82 = 0.
      {"no modulus and no blow count", 0.0f, 0.0f, 3150.0f,
       "THE ELASTIC MODULUS OF THE ROCK IS ZERO OR LESS"},
  };
  for (const ZeroLineCase& c : cases) {
    InputData data = decomposedProfile(true, false);
    data.layers[2].blowCount = {c.topBlows, c.bottomBlows};
    SettlementInput input = decomposedInput(data, false);
    input.layers[2].lastSliceStressPsf = c.sliceStressPsf;
    const BuilderRun run = runBuilder(decomposedRockSettlement, input);
    for (const SettlementPoint& point : run.line) {
      EXPECT_EQ(point.topLoad, 0.0f) << c.what;
      EXPECT_EQ(point.topMovement, 0.0f) << c.what;
    }
    EXPECT_EQ(run.notes, warningOf(std::string("LAYER 2 (DECOMPOSED ROCK): ") + c.missing + ";",
                                   "THE LOAD-SETTLEMENT CURVE IS SET TO ZERO."))
        << c.what;
  }
}

TEST(DecomposedRockSettlement, ZeroBottomBlowCountTakesAUniformModulusAndWarns) {
  // N60 = 20 at the slice (25 ft, 3150 psf), Em = 46545.4 x 20^0.82, rho =
  // 40 / 0 replaced by 1: zeta = ln 33.75 = 3.518980, lambda = 2758.51, A =
  // 0.126511, Pt = 319.022683 t, ws = 0.594728 in.
  InputData data = decomposedProfile(true, false);
  data.layers[2].blowCount = {40.0f, 0.0f};
  const BuilderRun run = runBuilder(decomposedRockSettlement, decomposedInput(data, false));
  expectClose(run.line[9].topLoad, 319.022683, "Pt");
  expectClose(run.line[9].topMovement, 0.594728, "ws");
  EXPECT_EQ(
      run.notes,
      warningOf("LAYER 2 (DECOMPOSED ROCK): THE BLOW COUNT AT THE BOTTOM OF THE LAYER IS ZERO;",
                "RHO = 1 IS TAKEN FOR THE LOAD-SETTLEMENT CURVE."));
}

TEST(GeomaterialSettlement, BothBuildersWriteTheTableHeading) {
  const Lines heading = {"", "", std::string(15, ' ') + "       LOAD SETTLEMENT RELATIONSHIP      ",
                         std::string(15, ' ') + "------------------------------------------   "};
  const InputData weak = clayOverWeakRock(40.0f);
  EXPECT_EQ(runBuilder(weakRockSettlement, weakRockInput(weak, 2, 30.0f)).report, heading);
  const InputData decomposed = decomposedProfile(false, false);
  EXPECT_EQ(runBuilder(decomposedRockSettlement, decomposedInput(decomposed, false)).report,
            heading);
}

}  // namespace
}  // namespace bormek
