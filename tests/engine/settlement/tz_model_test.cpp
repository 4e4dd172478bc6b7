// The t-z model against values worked by hand from its curves and its
// segment equations.
#include "settlement/tz_model.h"
#include "settlement/tz_solution.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "capacity/layer_completion.h"
#include "settlement/settlement_stage.h"
#include "support/layers.h"
#include "support/test_folder.h"

namespace bormek {
namespace {

TzCurve linearCurve(float valuePerInch) {
  TzCurve curve;
  for (int k = 0; k < kCurvePoints; ++k) {
    curve.movement[static_cast<std::size_t>(k)] = static_cast<float>(k);
    curve.value[static_cast<std::size_t>(k)] = valuePerInch * static_cast<float>(k);
  }
  return curve;
}

TEST(TzModel, AssumedTipMovementsForATwentyFourInchShaft) {
  const auto w = assumedTipMovements(24.0f);
  EXPECT_FLOAT_EQ(w[0], 0.00001f);
  EXPECT_FLOAT_EQ(w[11], 0.5f);
  // 0.01 x 24 = 0.24 < 0.5: 1.25 x 0.5; 0.025 x 24 = 0.6 < 0.625: 1.25 x
  // 0.625; 0.05 x 24 = 1.2 stands.
  EXPECT_FLOAT_EQ(w[12], 0.625f);
  EXPECT_FLOAT_EQ(w[13], 0.78125f);
  EXPECT_FLOAT_EQ(w[14], 1.2f);
}

TEST(TzModel, CurvesClampBeyondTheirLastPoint) {
  const TzCurve curve = linearCurve(5.0f);
  EXPECT_FLOAT_EQ(curveValueAt(curve, 2.5f), 12.5f);
  EXPECT_FLOAT_EQ(curveValueAt(curve, 50.0f), 45.0f);
}

// A two-segment shaft: L = 240 in, D = 24 in, Ec = 4e6 psi (AE = 0.7854 x
// 576 x 4e6 = 1.80956e9 lb), side t = 5 w psi, tip P = 10000 w lb.
// For Wm = 0.5 in: tip 5000 lb; segment 1 (mid-depth 180 in) first with
// w = 0.5: dQ = 3.1416 x 24 x 120 x 2.5 = 22619.5 lb, wmid = 0.5 + 60 x
// ((5000 + 16309.8) / 2) / AE = 0.5003533, off by more than 1e-4, so again
// with t = 5 x 0.5003533: dQ = 22635.5, wmid within 1e-4: accepted, Q2 =
// 27635.5, w2 = 0.5 + 120 x (5000 + 11317.8) / AE = 0.5010821; segment 2
// likewise gives the head: 50353.9 lb at 0.503668 in.
TEST(TzModel, TwoSegmentSolutionByHand) {
  auto model = std::make_unique<TzModel>();
  model->lengthIn = 240.0f;
  model->diameterIn = 24.0f;
  model->stemStiffnessLb = 0.7854f * 576.0f * 4e6f;
  model->baseStiffnessLb = model->stemStiffnessLb;
  model->nodeCount = 1;
  model->nodes[0].curve = linearCurve(5.0f);
  model->tip = linearCurve(10000.0f);
  divideIntoSegments(*model, 2);

  const TzHead low = solveForTipMovement(*model, 0.5f);
  EXPECT_FLOAT_EQ(low.tipLoadLb, 5000.0f);
  EXPECT_NEAR(low.topLoadLb, 50353.93f, 0.5f);
  EXPECT_NEAR(low.topMovementIn, 0.503668f, 2e-6f);
  EXPECT_FALSE(low.iterationLimitReached);
  // Wm = 2 in: the same equations give 201415.7 lb at 2.014672 in.
  const TzHead high = solveForTipMovement(*model, 2.0f);
  EXPECT_NEAR(high.topLoadLb, 201415.7f, 2.0f);
  EXPECT_NEAR(high.topMovementIn, 2.014672f, 2e-6f);
}

TEST(TzModel, BellZoneTransfersNoLoad) {
  auto model = std::make_unique<TzModel>();
  model->lengthIn = 240.0f;
  model->diameterIn = 24.0f;
  model->bellHeightIn = 130.0f;  // the lower segment (mid-depth 180 in) lies in it
  model->stemStiffnessLb = 0.7854f * 576.0f * 4e6f;
  model->baseStiffnessLb = 0.7854f * 1296.0f * 4e6f;
  model->nodeCount = 1;
  model->nodes[0].curve = linearCurve(5.0f);
  model->tip = linearCurve(10000.0f);
  divideIntoSegments(*model, 2);
  const TzHead head = solveForTipMovement(*model, 2.0f);
  // Only the upper segment carries 3.1416 x 24 x 120 x 5 w with w about 2.
  EXPECT_NEAR(head.topLoadLb, 20000.0f + 9047.81f * 5.0f * 2.0f, 150.0f);
  EXPECT_LT(head.topLoadLb, 20000.0f + 2.0f * 9047.81f * 5.0f * 2.0f);
}

// A 2 ft shaft of `lengthFt` in the two layers of `data`, one segment per
// foot, Ec = 4e6 psi; Db = D and a tip resistance of 50 tons.
SettlementInput twoLayerShaft(InputData& data, int tipLayer, float lengthFt) {
  data.entryCount = 3;
  data.settings.ecInput = 4000000.0f;
  SettlementInput input;
  input.data = &data;
  input.depthPoints = static_cast<int>(lengthFt);
  input.lengthFt = lengthFt;
  input.stemDiameterFt = 2.0f;
  input.baseDiameterFt = 2.0f;
  input.tipTons = 50.0f;
  input.tipLayer = tipLayer;
  return input;
}

// Sand 0 to 20 ft over clay 20 to 40 ft; D = 2 ft, the walk's side
// resistance 1.44 tsf (20 psi) everywhere.
SettlementInput twoLayerInput(InputData& data, int tipLayer) {
  Layer sand;
  sand.type = kSand;
  sand.topDepth = 0.0f;
  sand.bottomDepth = 20.0f;
  Layer clay = sand;
  clay.type = kClay;
  clay.topDepth = 20.0f;
  clay.bottomDepth = 40.0f;
  data.layers[1] = sand;
  data.layers[2] = clay;
  SettlementInput input = twoLayerShaft(data, tipLayer, 30.0f);
  input.baseDiameterFt = 2.5f;
  input.tipTons = 100.0f;
  for (int k = 1; k <= 2; ++k) {
    input.layers[static_cast<std::size_t>(k)] = {true, 1.44f, 1.44f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
  }
  for (int z = 1; z <= 40; ++z) {
    input.sideProfileTsf[static_cast<std::size_t>(z)] = 1.44f;
  }
  input.sideProfileDeepest = 40;
  return input;
}

TEST(TzModel, NodeCurvesAndTipCurvesOfBothFamilies) {
  InputData data;
  const SettlementInput input = twoLayerInput(data, 1);
  auto model = std::make_unique<TzModel>();
  ASSERT_EQ(buildTzModel(input, TzPassCode::kTrend, *model).status, TzStatus::kBuilt);
  // Five nodes of the surface entry, then five per layer.
  ASSERT_EQ(model->nodeCount, 15);
  // Nodes of the clay layer (240 to 480 in): 252.01, 300, 360, 419.995, 479.99.
  EXPECT_FLOAT_EQ(model->nodes[10].depthIn, 252.01f);
  EXPECT_FLOAT_EQ(model->nodes[11].depthIn, 300.0f);
  EXPECT_FLOAT_EQ(model->nodes[14].depthIn, 479.99f);
  // 1.44 tsf = 20 psi. Sand trend point 2: 0.001 x 24 = 0.024 in, 0.335 x 20
  // = 6.7 psi; clay trend point 10: 0.02 x 24 = 0.48 in, 0.835 x 20 = 16.7 psi.
  EXPECT_FLOAT_EQ(model->nodes[6].curve.movement[1], 0.024f);
  EXPECT_NEAR(model->nodes[6].curve.value[1], 6.7f, 1e-4f);
  EXPECT_FLOAT_EQ(model->nodes[12].curve.movement[9], 0.48f);
  EXPECT_NEAR(model->nodes[12].curve.value[9], 16.7f, 1e-4f);
  // Sand tip, trend: Dt = 30 in, Qb = 200000 lb: point 4 at 0.015 x 30 =
  // 0.45 in carries 0.485 x 200000 = 97000 lb.
  EXPECT_FLOAT_EQ(model->tip.movement[3], 0.45f);
  EXPECT_FLOAT_EQ(model->tip.value[3], 97000.0f);

  const SettlementInput clayTip = twoLayerInput(data, 2);
  ASSERT_EQ(buildTzModel(clayTip, TzPassCode::kLowerBound, *model).status, TzStatus::kBuilt);
  // Clay tip, lower bound, point 10: 0.1 x 30 = 3 in, 0.99 x 200000 lb.
  EXPECT_FLOAT_EQ(model->tip.movement[9], 3.0f);
  EXPECT_FLOAT_EQ(model->tip.value[9], 198000.0f);
  // Clay upper-bound side, point 5 of a clay node: 0.005 x 24 in, 1.01 x 20 psi.
  ASSERT_EQ(buildTzModel(clayTip, TzPassCode::kUpperBound, *model).status, TzStatus::kBuilt);
  EXPECT_FLOAT_EQ(model->nodes[11].curve.movement[4], 0.12f);
  EXPECT_NEAR(model->nodes[11].curve.value[4], 20.2f, 1e-4f);
}

// Clay 0 to 10 ft over sand 10 to 30 ft; the walk's side resistance grows
// by 0.1 tsf per ft of depth (z / 12 x 0.1 x 2000 / 144 = 0.1157407 z psi
// at z in), the layer summaries give clay 0.5 to 1.0 and sand 1.2 to 2.0 tsf.
TEST(TzModel, NodesStartWithTheSurfaceEntryAndTakeTheWalkedSideResistance) {
  InputData data;
  data.layers[1] = testing::layerOf(kClay, 0.0f, 10.0f);
  data.layers[2] = testing::layerOf(kSand, 10.0f, 30.0f);
  SettlementInput input = twoLayerShaft(data, 2, 25.0f);
  input.layers[1] = {true, 0.5f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
  input.layers[2] = {true, 1.2f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
  for (int z = 1; z <= 30; ++z) {
    input.sideProfileTsf[static_cast<std::size_t>(z)] = 0.1f * static_cast<float>(z);
  }
  input.sideProfileDeepest = 30;
  auto model = std::make_unique<TzModel>();
  ASSERT_EQ(buildTzModel(input, TzPassCode::kTrend, *model).status, TzStatus::kBuilt);
  ASSERT_EQ(model->nodeCount, 15);

  constexpr double kPsiPerInch = 0.1 / 12.0 * 2000.0 / 144.0;
  struct Case {
    int node;  // numbered from 1 at the top
    double depthIn;
    double tmaxPsi;
    int type;
  };
  const Case cases[] = {
      // The surface entry, 0 in thick and given 0.1 in: top, quarter,
      // middle, three quarters to the last node, 0.01 in above its bottom.
      {1, 0.0, 0.0, 0},
      {2, 0.025, 0.025 * kPsiPerInch, 0},
      {3, 0.05, 0.05 * kPsiPerInch, 0},
      {4, 0.07, 0.07 * kPsiPerInch, 0},
      {5, 0.09, 0.09 * kPsiPerInch, 0},
      // Clay, 0 to 120 in: its top node lies 12.01 in below the ground.
      {6, 12.01, 12.01 * kPsiPerInch, kClay},
      {7, 30.0, 30.0 * kPsiPerInch, kClay},
      {8, 60.0, 60.0 * kPsiPerInch, kClay},
      {9, 89.995, 89.995 * kPsiPerInch, kClay},
      {10, 119.99, 119.99 * kPsiPerInch, kClay},
      // Sand, 120 to 360 in.
      {11, 132.01, 132.01 * kPsiPerInch, kSand},
      {12, 180.0, 180.0 * kPsiPerInch, kSand},
      {14, 299.995, 299.995 * kPsiPerInch, kSand},
      // The last node keeps the layer profile's value: 1.2 + 0.8 x 239.99 /
      // 240 tsf = 1.9999667 tsf = 27.77731 psi.
      {15, 359.99, 27.77731, kSand},
  };
  for (const Case& c : cases) {
    const TzNode& node = model->nodes[static_cast<std::size_t>(c.node - 1)];
    // Depths and values in single precision: 1e-5 relative.
    EXPECT_NEAR(node.depthIn, c.depthIn, 1e-5 * c.depthIn + 1e-7) << "node " << c.node;
    EXPECT_NEAR(node.tmaxPsi, c.tmaxPsi, 1e-5 * c.tmaxPsi + 1e-7) << "node " << c.node;
    EXPECT_EQ(node.type, c.type) << "node " << c.node;
  }
}

TEST(TzModel, ThinDeepestLayerAndDeepClayTipAreBeyondTheProfile) {
  InputData data;
  SettlementInput input = twoLayerInput(data, 2);
  data.layers[2].bottomDepth = 20.5f;  // 6 in thick: its first node lies 6.01 in below it
  auto model = std::make_unique<TzModel>();
  const TzBuild thin = buildTzModel(input, TzPassCode::kTrend, *model);
  EXPECT_EQ(thin.status, TzStatus::kNodeBeyondProfile);
  EXPECT_FLOAT_EQ(thin.depthBeyondIn, 252.01f);

  data.layers[2].bottomDepth = 40.0f;
  input.lengthFt = 41.0f;  // a clay-family tip below the profile
  const TzBuild deep = buildTzModel(input, TzPassCode::kTrend, *model);
  EXPECT_EQ(deep.status, TzStatus::kTipBeyondProfile);
  EXPECT_FLOAT_EQ(deep.depthBeyondIn, 492.0f);
}

}  // namespace
}  // namespace bormek

namespace bormek {
namespace {

// The three passes solved together on two threads still give, for each
// movement, exactly what it gives solved alone, whichever thread takes it.
TEST(TzModel, PassesSolvedTogetherOnTwoThreadsGiveEachMovementItsOwnHead) {
  InputData data;
  const SettlementInput input = twoLayerInput(data, 2);
  const TzPassCode passes[] = {TzPassCode::kTrend, TzPassCode::kUpperBound,
                               TzPassCode::kLowerBound};
  std::vector<std::unique_ptr<TzModel>> models;
  for (const TzPassCode pass : passes) {
    models.push_back(std::make_unique<TzModel>());
    ASSERT_EQ(buildTzModel(input, pass, *models.back()).status, TzStatus::kBuilt);
  }
  const auto movements = assumedTipMovements(models[0]->diameterIn);
  SideWorker worker;
  constexpr int kRepeats = 20;
  for (int repeat = 0; repeat < kRepeats; ++repeat) {
    std::vector<std::array<TzHead, kTipMovements>> heads(models.size());
    std::vector<TzSolution> solutions;
    for (std::size_t k = 0; k < models.size(); ++k) {
      solutions.push_back({models[k].get(), movements.data(), heads[k].data(), kTipMovements});
    }
    solveForTipMovements(solutions, &worker);
    for (std::size_t k = 0; k < models.size(); ++k) {
      for (std::size_t m = 0; m < movements.size(); ++m) {
        const TzHead alone = solveForTipMovement(*models[k], movements[m]);
        const TzHead& shared = heads[k][m];
        ASSERT_EQ(shared.topLoadLb, alone.topLoadLb) << "pass " << k << ", movement " << m;
        ASSERT_EQ(shared.topMovementIn, alone.topMovementIn) << "pass " << k << ", movement " << m;
        ASSERT_EQ(shared.tipLoadLb, alone.tipLoadLb) << "pass " << k << ", movement " << m;
        ASSERT_EQ(shared.tipMovementIn, movements[m]);
      }
    }
  }
}

TEST(SettlementStage, TheLineCountStaysThreeOnceTheTzPassesHaveRun) {
  testing::TestFolder folder;
  testing::InFolder inside(folder.path());  // the passes write TZDATA.DAT here
  InputData data;
  SettlementInput input = twoLayerInput(data, 1);
  RunOutput out;
  auto lines = std::make_unique<SettlementLines>();
  SideWorker worker;
  ASSERT_EQ(runSettlementStage(input, out, *lines, worker), 0);
  EXPECT_EQ(lines->count, 3);
  EXPECT_FALSE(lines->oneLine);
  EXPECT_GT(lines->lines[2][14].topLoad, 0.0f);

  // A later diameter tipped in strong rock gives one line; the count stays.
  data.layers[2].type = kStrongRockBoth;
  input.tipLayer = 2;
  ASSERT_EQ(runSettlementStage(input, out, *lines, worker), 0);
  EXPECT_EQ(lines->count, 3);
  EXPECT_TRUE(lines->oneLine);
}

}  // namespace
}  // namespace bormek
