// Load-settlement of shafts tipped in strong rock, against values worked
// by hand from the influence-factor method and the side curves.
#include "settlement/rock_socket_settlement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "capacity/depth_walk.h"
#include "capacity/layer_completion.h"
#include "input/si_conversion.h"
#include "support/layers.h"
#include "support/test_folder.h"

namespace bormek {
namespace {

// Single precision through a power, a table look-up and a dozen products
// (and, carried up, a few rounds of iteration): 1e-4 relative.
void expectClose(float actual, double expected, const std::string& what) {
  EXPECT_NEAR(actual, expected, 1e-4 * std::max(1e-3, std::abs(expected))) << what;
}

using testing::layerOf;

// Rock of intact modulus `modulusPsi` (100000 psi = 7200 tsf) and RQD from
// `rqdTop` to `rqdBottom` %, socket 3 ft.
Layer rockOf(int type, float top, float bottom, float modulusPsi, float rqdTop = 100.0f,
             float rqdBottom = 100.0f) {
  Layer layer = layerOf(type, top, bottom);
  layer.modulus = {modulusPsi, modulusPsi};
  layer.rqd = {rqdTop, rqdBottom};
  layer.socketDiameter = {3.0f, 3.0f};
  return layer;
}

// Ec = 4000000 psi = 288000 tsf.
InputData profileOf(std::initializer_list<Layer> layers) {
  InputData data;
  data.settings.dStart = 3.0f;
  data.settings.ecInput = 4000000.0f;
  for (const Layer& layer : layers) {
    data.layers[static_cast<std::size_t>(data.entryCount++)] = layer;
  }
  completeLayerTable(data);
  return data;
}

// A 3 ft shaft tipped at `tipFt` in the last layer of `data`.
SettlementInput inputFor(const InputData& data, float tipFt, float tipTons, float sideTons) {
  SettlementInput input;
  input.data = &data;
  input.tipLayer = data.entryCount - 1;
  input.lengthFt = tipFt;
  input.stemDiameterFt = 3.0f;
  input.baseDiameterFt = 3.0f;
  input.tipTons = tipTons;
  input.sideTons = sideTons;
  return input;
}

// Rock from the surface to 20 ft, RQD 100, Ei = 7200 tsf; tip at 15 ft,
// QB = 500 t, QS = 300 t.
InputData surfaceSocket() {
  return profileOf({rockOf(kStrongRockBoth, 0.0f, 20.0f, 100000.0f)});
}

// Clay 0 to 10 ft with 50 t of side resistance over rock to 30 ft; tip at
// 20 ft, QB = 600 t, QS = 250 t.
InputData clayOverRock() {
  return profileOf({layerOf(kClay, 0.0f, 10.0f), rockOf(kStrongRockBoth, 10.0f, 30.0f, 100000.0f)});
}

SettlementInput clayOverRockInput(const InputData& data) {
  SettlementInput input = inputFor(data, 20.0f, 600.0f, 250.0f);
  input.layers[1].cumulativeSideTons = 50.0f;
  return input;
}

TEST(SocketMassModulusRatio, FullRqdKeepsTheIntactModulusAndOtherValuesInterpolate) {
  struct Case {
    float rqd;
    float ratio;
  };
  const Case cases[] = {
      {100.0f, 1.0f},   // Em = Ei
      {75.0f, 0.335f},  // 0.2 + (0.47 - 0.2) x 5 / 10
      {92.5f, 0.79f},   // 0.73 + (0.85 - 0.73) x 2.5 / 5
      {0.0f, 0.1f},
  };
  for (const Case& c : cases) {
    EXPECT_FLOAT_EQ(socketMassModulusRatio(c.rqd), c.ratio) << "RQD " << c.rqd;
  }
}

TEST(SocketInfluenceFactor, InterpolatesBetweenCurvesBandByBand) {
  struct Case {
    float lambda;
    float r;
    double influence;
  };
  const Case cases[] = {
      // r < 10: C10 between lambda 2 and 4: 0.44 - 0.045 x 0.5.
      {3.0f, 5.0f, 0.4175},
      // r < 10 and lambda >= 20: 0.385, not the curve's 0.365.
      {25.0f, 5.0f, 0.385},
      // 10 <= r < 50 at lambda 5: 0.385 - (0.385 - 0.26) x 30 / 40.
      {5.0f, 40.0f, 0.29125},
      // 50 <= r < 100 at lambda 1.5: C50 = 0.40, C100 = 0.385;
      // 0.40 - 0.015 x 25 / 50.
      {1.5f, 75.0f, 0.3925},
      // 100 <= r < 5000 at lambda 10: 0.18 - 0.05 x 2450 / 4900.
      {10.0f, 2550.0f, 0.155},
      // r >= 5000 beyond lambda 20: C5000 at 20.
      {30.0f, 6000.0f, 0.085},
  };
  for (const Case& c : cases) {
    // Single precision through two interpolations: 1e-6 absolute.
    EXPECT_NEAR(socketInfluenceFactor(c.lambda, c.r), c.influence, 1e-6)
        << "lambda " << c.lambda << ", r " << c.r;
  }
}

TEST(RockSocketSettlement, SurfaceSocketSettlesByTheInfluenceFactorUntilItCarriesTipAndSide) {
  const InputData data = surfaceSocket();
  testing::TestFolder folder;
  RunOutput out;
  out.openReport(folder.file("r.bkt"));
  const SettlementLine line = rockSocketSettlement(inputFor(data, 15.0f, 500.0f, 300.0f), out);
  out.closeAll();

  // Ls = 15 ft, Ds = 3 ft, lambda = 5; Em = 7200 tsf, r = 40: I = 0.29125
  // (see above). Pmax = 500 + 300 = 800 t.
  // Point 1: s = 0.00018, Q = 0.00018 x 9 x 7200 / 0.29125 = 40.0481 t;
  // rho = 0.00018 x 3 + 15 x 40.0481 / (0.7854 x 9 x 288000) =
  // 0.00054 + 0.00029509 = 0.00083509 ft = 0.0100210 in. No layers above:
  // no overburden, head = socket top, and the tip columns repeat the top.
  expectClose(line[0].topLoad, 40.0481, "point 1 load");
  expectClose(line[0].topMovement, 0.0100210, "point 1 movement");
  // Point 8: s = 0.00018 x 1.5^7 = 0.00307547, below the limit:
  // Q = 684.259 t.
  expectClose(line[7].topLoad, 684.259, "point 8 load");
  // From point 9 (s = 0.00461320) the limit I Pmax / (Ds^2 Em) =
  // 233 / 64800 = 0.00359568 holds: Q = Pmax, rho = 0.0107870 +
  // 15 x 800 / 2035756.8 = 0.0166817 ft = 0.200180 in.
  for (std::size_t k = 8; k < line.size(); ++k) {
    const std::string point = "point " + std::to_string(k + 1);
    expectClose(line[k].topLoad, 800.0, point + " load");
    expectClose(line[k].topMovement, 0.200180, point + " movement");
  }
  for (const SettlementPoint& point : line) {
    EXPECT_EQ(point.tipLoad, point.topLoad);
    EXPECT_EQ(point.tipMovement, point.topMovement);
  }
  const std::vector<std::string> heading = {
      "", "", std::string(15, ' ') + "       LOAD SETTLEMENT RELATIONSHIP      ",
      std::string(15, ' ') + std::string(42, '-')};
  EXPECT_EQ(testing::readLines(folder.file("r.bkt")), heading);
}

TEST(RockSocketSettlement, ClayAboveTheSocketIsMobilizedAlongTheSideCurves) {
  const InputData data = clayOverRock();
  RunOutput out;
  const SettlementLine line = rockSocketSettlement(clayOverRockInput(data), out);

  // Ls = 10 ft, lambda = 3.3333: C10 = 0.41, C50 = 0.30333, r = 40:
  // I = 0.33. Pmax = 600 + 250 - 50 = 800 t; point 1 is below the limit.
  // Q = 0.00018 x 64800 / 0.33 = 35.3455 t; socket top
  // rho = 0.00054 + 10 x 35.3455 / 2035756.8 = 0.00071362 ft.
  // Pass 1, no overburden: head 0.00071362 ft, w0 = 0.00023787. Clay
  // curve 1: t1 = 0.068984; Q' = 35.3455 + 50 t1 = 38.7946;
  // 0.7854 D^3 Ec = 6107270.4 t; wtop = 0.00030140, t2 = 0.087405,
  // Qnew = 39.2552 (change 0.46 > 0.345); again wtop = 0.00030215,
  // Qnew = 39.2606 (change 0.005): surface movement 3 wtop = 0.00090645 ft.
  // Pass 2: Qo = 50 x 0.00090645 / 0.017 = 2.66603 t; head =
  // 0.00071362 + 10 x 2.66603 / 2035756.8 = 0.00072672 ft = 0.0087206 in,
  // head load 38.0115 t.
  expectClose(line[0].topLoad, 38.0115, "head load");
  expectClose(line[0].topMovement, 0.0087206, "head movement");
  // Clay curve 2 from w0 = 0.00024224: t1 = 0.179258, Q' = 44.3083,
  // wtop = 0.00031479, t2 = 0.232944, Qnew = 45.6505 (change 1.34 >
  // 0.896); again wtop = 0.00031699, t2 = 0.234571, Qnew = 45.6912
  // (change 0.04): 45.6912 t at 3 x 0.00031699 ft = 0.0114116 in.
  expectClose(line[0].tipLoad, 45.6912, "carried-up load");
  expectClose(line[0].tipMovement, 0.0114116, "carried-up movement");
}

TEST(RockSocketSettlement, SocketOfTwoLayersActsAsOneOfThicknessWeightedRock) {
  // 10 ft of 3600 tsf at RQD 80 and 10 ft (to the tip) of the tip layer,
  // 7200 tsf at RQD 90 to 100 (its mean 95, not the value at the tip):
  // Ei = 5400 tsf (75000 psi), RQD 87.5. The socket diameter is the tip
  // layer's top value, scaled by D / DSTART.
  Layer upper = rockOf(kStrongRockEither, 0.0f, 10.0f, 50000.0f, 80.0f, 80.0f);
  upper.socketDiameter = {9.0f, 9.0f};
  Layer tip = rockOf(kStrongRockBoth, 10.0f, 40.0f, 100000.0f, 90.0f, 100.0f);
  tip.socketDiameter = {3.0f, 5.0f};
  const InputData layered = profileOf({upper, tip});
  const InputData single =
      profileOf({rockOf(kStrongRockBoth, 0.0f, 40.0f, 75000.0f, 87.5f, 87.5f)});
  RunOutput out;
  SettlementInput layeredInput = inputFor(layered, 20.0f, 700.0f, 400.0f);
  SettlementInput singleInput = inputFor(single, 20.0f, 700.0f, 400.0f);
  for (SettlementInput* input : {&layeredInput, &singleInput}) {
    input->stemDiameterFt = 3.75f;
    input->socketScale = 1.25f;
  }
  const SettlementLine fromLayers = rockSocketSettlement(layeredInput, out);
  const SettlementLine fromOne = rockSocketSettlement(singleInput, out);
  for (std::size_t k = 0; k < fromOne.size(); ++k) {
    const std::string point = "point " + std::to_string(k + 1);
    expectClose(fromLayers[k].tipLoad, fromOne[k].tipLoad, point + " load");
    expectClose(fromLayers[k].tipMovement, fromOne[k].tipMovement, point + " movement");
  }
}

// Clay over two rock layers with bottoms off the whole foot, as read: the
// walk rounds each bottom (10.4 to 10 ft, 20.4 to 20 ft) while the next
// layer's top stays as read. The socket's depth list is 10, 20 and the tip
// at 30 ft: 10 ft of each rock layer, whatever their read tops.
struct SocketCase {
  const char* what;
  bool si;
  float bottoms[3];   // ft, or m for SI (converted on reading)
  float rqd[2][2];    // top and bottom RQD (%) of the two rock layers
  float modulus[2];   // Ei as read: psi, or kPa for SI
  double rqdPercent;  // hand-worked averages
  double intactModulusTsf;
};

SocketRock socketRockFor(const SocketCase& c) {
  InputData data;
  data.settings.si = c.si;
  data.settings.dStart = 3.0f;
  data.settings.ecInput = 4000000.0f;
  const int types[] = {kClay, kStrongRockEither, kStrongRockBoth};
  float top = 0.0f;
  for (int k = 0; k < 3; ++k) {
    Layer layer = layerOf(types[k], top, c.bottoms[k]);
    if (k > 0) {
      layer.rqd = {c.rqd[k - 1][0], c.rqd[k - 1][1]};
      layer.modulus = {c.modulus[k - 1], c.modulus[k - 1]};
    }
    data.layers[static_cast<std::size_t>(data.entryCount++)] = layer;
    top = c.bottoms[k];
  }
  convertSiInput(data);
  completeLayerTable(data);
  roundWalkedLayerBottoms(data);
  SettlementInput input;
  input.data = &data;
  input.tipLayer = 3;
  input.lengthFt = 30.0f;
  return socketRockOf(input);
}

TEST(SocketRock, LayersWeighTheirShareOfTheSocketsDepthList) {
  // English: 50000 psi = 3600 tsf, 100000 psi = 7200 tsf. SI: 3.17 m =
  // 10.400 ft, 6.22 m = 20.406 ft, 12 m = 39.37 ft; 400000 kPa x 20.885 /
  // 2000 = 4177 tsf, 800000 kPa = 8354 tsf.
  const SocketCase cases[] = {
      {"uniform, English",
       false,
       {10.4f, 20.4f, 40.0f},
       {{75.0f, 75.0f}, {75.0f, 75.0f}},
       {100000.0f, 100000.0f},
       75.0,
       7200.0},
      {"uniform, SI",
       true,
       {3.17f, 6.22f, 12.0f},
       {{75.0f, 75.0f}, {75.0f, 75.0f}},
       {800000.0f, 800000.0f},
       75.0,
       8354.0},
      // (10 x 80 + 10 x 95) / 20 and (10 x 3600 + 10 x 7200) / 20; the
      // tip layer counts with the mean of its ends, 95.
      {"two layers, English",
       false,
       {10.4f, 20.4f, 40.0f},
       {{80.0f, 80.0f}, {90.0f, 100.0f}},
       {50000.0f, 100000.0f},
       87.5,
       5400.0},
      {"two layers, SI",
       true,
       {3.17f, 6.22f, 12.0f},
       {{80.0f, 80.0f}, {90.0f, 100.0f}},
       {400000.0f, 800000.0f},
       87.5,
       6265.5},
  };
  for (const SocketCase& c : cases) {
    const SocketRock rock = socketRockFor(c);
    EXPECT_EQ(rock.overlyingLayers, 1) << c.what;
    EXPECT_FLOAT_EQ(rock.topDepthFt, 10.0f) << c.what;
    EXPECT_FLOAT_EQ(rock.lengthFt, 20.0f) << c.what;
    EXPECT_FALSE(rock.tipAboveSocket) << c.what;
    // Single precision through a weighted sum: 1e-6 relative.
    EXPECT_NEAR(rock.rqdPercent, c.rqdPercent, 1e-6 * c.rqdPercent) << c.what;
    EXPECT_NEAR(rock.intactModulusTsf, c.intactModulusTsf, 1e-6 * c.intactModulusTsf) << c.what;
  }
}

TEST(RockSocketSettlement, TipAtTheSocketTopUsesTheTipLayerRockAndWarns) {
  // Design-load mode put the tip at 10 ft, the top of the rock: Ls = 0,
  // lambda = 0, I = 1.1. The rock's own means: RQD 90 (Em / Ei = 0.73),
  // Em = 5256 tsf. Point 1: Q = 0.00018 x 9 x 5256 / 1.1 = 7.74065 t,
  // rho = 0.00054 ft = 0.00648 in; no side above (Qover = 0).
  InputData data = clayOverRock();
  data.layers[2].rqd = {80.0f, 100.0f};
  testing::TestFolder folder;
  RunOutput out;
  out.openNotes(folder.file("n.bkr"));
  const SettlementLine line = rockSocketSettlement(inputFor(data, 10.0f, 400.0f, 0.0f), out);
  out.closeAll();

  expectClose(line[0].topLoad, 7.74065, "head load");
  expectClose(line[0].topMovement, 0.00648, "head movement");
  // Through the clay without side resistance the load holds and the clay
  // shortens by 10 x 7.74065 / 6107270.4 x 3 ft: 0.00057802 ft.
  expectClose(line[0].tipLoad, 7.74065, "carried-up load");
  expectClose(line[0].tipMovement, 0.0069363, "carried-up movement");
  for (const SettlementPoint& point : line) {
    EXPECT_TRUE(std::isfinite(point.topMovement) && std::isfinite(point.tipMovement));
  }
  const std::vector<std::string> expected = {
      "", "     *********************WARNING**********************",
      "     LAYER 2 (STRONG ROCK): THE SHAFT TIP DOES NOT REACH INTO THE ROCK SOCKET;",
      "     THE SETTLEMENT IS COMPUTED FOR A SOCKET OF ZERO LENGTH."};
  EXPECT_EQ(testing::readLines(folder.file("n.bkr")), expected);
}

TEST(RockSocketSettlement, MissingSocketDiameterOrRockModulusIsWarnedAbout) {
  struct Case {
    const char* what;
    Layer rock;
    const char* warning;
    bool zeroLine;
  };
  Layer noDiameter = rockOf(kStrongRockBoth, 0.0f, 20.0f, 100000.0f);
  noDiameter.socketDiameter = {0.0f, 3.0f};
  const Case cases[] = {
      {"no socket diameter", noDiameter,
       "     LAYER 1 (STRONG ROCK): THE SOCKET DIAMETER IS ZERO OR LESS;", false},
      {"no modulus", rockOf(kStrongRockBoth, 0.0f, 20.0f, 0.0f),
       "     LAYER 1 (STRONG ROCK): THE MODULUS OF THE ROCK MASS IS ZERO OR LESS;", true},
  };
  const InputData reference = surfaceSocket();
  RunOutput quiet;
  const SettlementLine referenceLine =
      rockSocketSettlement(inputFor(reference, 15.0f, 500.0f, 300.0f), quiet);
  for (const Case& c : cases) {
    const InputData data = profileOf({c.rock});
    testing::TestFolder folder;
    RunOutput out;
    out.openNotes(folder.file("n.bkr"));
    const SettlementLine line = rockSocketSettlement(inputFor(data, 15.0f, 500.0f, 300.0f), out);
    out.closeAll();
    const auto notes = testing::readLines(folder.file("n.bkr"));
    ASSERT_EQ(notes.size(), 4u) << c.what;
    EXPECT_EQ(notes[2], c.warning) << c.what;
    // The 3 ft stem stands in for the socket: the line of a 3 ft socket.
    // Without a modulus the line is all zeros.
    for (std::size_t k = 0; k < line.size(); ++k) {
      EXPECT_EQ(line[k].topLoad, c.zeroLine ? 0.0f : referenceLine[k].topLoad) << c.what;
      EXPECT_EQ(line[k].tipMovement, c.zeroLine ? 0.0f : referenceLine[k].tipMovement) << c.what;
    }
  }
}

TEST(RockSocketSettlement, SiLineIsInKilonewtonsAndMetresWithoutHeading) {
  InputData data = surfaceSocket();
  data.settings.si = true;
  testing::TestFolder folder;
  RunOutput out;
  out.openReport(folder.file("r.bkt"));
  const SettlementLine line = rockSocketSettlement(inputFor(data, 15.0f, 500.0f, 300.0f), out);
  out.closeAll();
  // Point 1 of the surface socket: 40.0481 t x 8.896 = 356.268 kN,
  // 0.00083509 ft / 3.2808 = 0.00025454 m.
  expectClose(line[0].topLoad, 356.268, "load");
  expectClose(line[0].topMovement, 0.00025454, "movement");
  expectClose(line[0].tipLoad, 356.268, "tip load");
  EXPECT_TRUE(testing::readLines(folder.file("r.bkt")).empty());
}

}  // namespace
}  // namespace bormek
