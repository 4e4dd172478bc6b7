#include "capacity/soil_side_rules.h"

#include <gtest/gtest.h>

namespace bormek {
namespace {

Layer layerOf(int type, EndValues coefficient, bool defaulted) {
  Layer layer;
  layer.type = type;
  layer.topDepth = 0.0f;
  layer.bottomDepth = 50.0f;
  layer.coefficient = coefficient;
  layer.defaultCoefficient = defaulted;
  layer.coefficientOption = kSandBetaMethodOption;
  return layer;
}

TEST(SoilSideRules, BetaSideIsCappedForSandAndGravellySandButNotGravel) {
  // 1.2 x 4000 / 2000 = 2.4 tsf.
  EXPECT_FLOAT_EQ(betaSideTsf(kSand, 1.2f, 4000.0f), 2.1f);
  EXPECT_FLOAT_EQ(betaSideTsf(kGravellySand, 1.2f, 4000.0f), 2.1f);
  EXPECT_FLOAT_EQ(betaSideTsf(kGravel, 1.2f, 4000.0f), 2.4f);
  EXPECT_FLOAT_EQ(betaSideTsf(kSand, 0.5f, 4000.0f), 1.0f);
}

TEST(SoilSideRules, SliceCoefficientIsInterpolatedReEvaluatedOrZero) {
  // Given at both ends: linear, 0.4 + (0.8 - 0.4) x 0.25 = 0.5.
  EXPECT_FLOAT_EQ(sliceCoefficient(layerOf(kSand, {0.4f, 0.8f}, false), 0.25f, 12.5f, 30.0f), 0.5f);
  // Given at the top only: neither interpolated nor defaulted.
  EXPECT_EQ(sliceCoefficient(layerOf(kSand, {0.8f, 0.0f}, false), 0.5f, 25.0f, 30.0f), 0.0f);
  // Defaulted sand beta at the slice depth: 1.5 - 0.135 sqrt(25) = 0.825.
  EXPECT_FLOAT_EQ(sliceCoefficient(layerOf(kSand, {1.2f, 0.6f}, true), 0.5f, 25.0f, 30.0f), 0.825f);
  // Defaulted gravel: 3.4 exp(-0.085 x 0.3048 x 75) = 0.48708.
  EXPECT_NEAR(sliceCoefficient(layerOf(kGravel, {3.0f, 0.3f}, true), 0.5f, 75.0f, 30.0f), 0.48708f,
              1e-5f);
  // Defaulted clay keeps its interpolated alpha.
  EXPECT_FLOAT_EQ(sliceCoefficient(layerOf(kClay, {0.55f, 0.45f}, true), 0.5f, 25.0f, 0.0f), 0.5f);
}

TEST(SoilSideRules, StrengthFromFrictionAngleCohesionOrBlowCount) {
  // 1000 tan(30 / 57.29) + 200 = 1000 x 0.577421 + 200.
  EXPECT_NEAR(shearStrengthPsf(1000.0f, 30.0f, 200.0f), 777.421f, 0.01f);
  EXPECT_FLOAT_EQ(cohesionFromBlowCount(kClay, 20.0f), 4000.0f);          // N / 10 tsf
  EXPECT_NEAR(cohesionFromBlowCount(kClayShale, 53.0f), 2000.0f, 1e-3f);  // N / 53 tsf
}

}  // namespace
}  // namespace bormek
