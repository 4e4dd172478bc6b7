#include "capacity/soil_tip_rules.h"

#include <gtest/gtest.h>

#include <span>

#include "input/input_data.h"

namespace bormek {
namespace {

// Single precision: results agree with the hand values to 1e-5 relative.
constexpr float kTolerance = 1e-5f;

// The rules take the base area as given; 10 ft^2 keeps the hand working
// short. Depths of 60 ft are past ten diameters for every base used here.
constexpr float kAreaSqFt = 10.0f;
constexpr float kNoAngle = 0.0f;
constexpr float kLayerAngle = 36.0f;  // any bottom angle selects the angle rule

struct GranularCase {
  const char* what;
  GranularTipInput input;
  float expectedTons;
};

struct CohesiveCase {
  const char* what;
  CohesiveTipInput input;
  float expectedTons;
};

GranularTipInput byBlowCount(float blowCount) {
  return {.blowCount = blowCount,
          .bottomFrictionAngle = kNoAngle,
          .depthFt = 60.0f,
          .baseDiameterFt = 3.0f,
          .baseAreaSqFt = kAreaSqFt};
}

GranularTipInput byFrictionAngle(float frictionAngleDeg) {
  return {.frictionAngleDeg = frictionAngleDeg,
          .bottomFrictionAngle = kLayerAngle,
          .depthFt = 60.0f,
          .baseDiameterFt = 3.0f,
          .baseAreaSqFt = kAreaSqFt};
}

GranularTipInput reduced(GranularTipInput input, float baseDiameterFt, float depthFt) {
  input.baseDiameterFt = baseDiameterFt;
  input.depthFt = depthFt;
  input.sizeAndEmbedmentReductions = true;
  return input;
}

CohesiveTipInput clayWithCohesion(float cohesionPsf, float bearingFactor) {
  return {.soilType = kClay,
          .cohesionPsf = cohesionPsf,
          .cohesionGiven = true,
          .bearingFactor = bearingFactor,
          .depthFt = 60.0f,
          .baseDiameterFt = 4.0f,
          .baseAreaSqFt = kAreaSqFt};
}

CohesiveTipInput wideBase(CohesiveTipInput input, float baseDiameterFt, float depthFt) {
  input.baseDiameterFt = baseDiameterFt;
  input.depthFt = depthFt;
  return input;
}

void expectTips(std::span<const GranularCase> cases) {
  for (const GranularCase& c : cases) {
    EXPECT_NEAR(granularTipTons(c.input), c.expectedTons, kTolerance * c.expectedTons) << c.what;
  }
}

void expectTips(std::span<const CohesiveCase> cases) {
  for (const CohesiveCase& c : cases) {
    EXPECT_NEAR(cohesiveTipTons(c.input), c.expectedTons, kTolerance * c.expectedTons) << c.what;
  }
}

TEST(GranularTip, WithoutALayerAngleTheTipTakesSixTenthsOfNTsfUpTo45) {
  GranularTipInput angleAtTheLimit = byBlowCount(30.0f);
  angleAtTheLimit.bottomFrictionAngle = 1e-5f;
  const GranularCase cases[] = {
      // 0.6 x 30 = 18 tsf x 10 ft^2 = 180 tons.
      {"N 30", byBlowCount(30.0f), 180.0f},
      {"N 30, bottom angle 1e-5", angleAtTheLimit, 180.0f},
      // 0.6 x 75 = 45 tsf; above N 75 the tip stays at 45 tsf.
      {"N 75", byBlowCount(75.0f), 450.0f},
      {"N 80", byBlowCount(80.0f), 450.0f},
  };
  expectTips(cases);
}

TEST(GranularTip, WithALayerAngleTheTipFollowsTheFrictionAngleBands) {
  const GranularCase cases[] = {
      // 30 degrees and below: 1e-5 tons.
      {"25 degrees", byFrictionAngle(25.0f), 1e-5f},
      {"30 degrees", byFrictionAngle(30.0f), 1e-5f},
      // (33 - 30) x 2.667 = 8.001 tsf; (36 - 30) x 2.667 = 16.002 tsf.
      {"33 degrees", byFrictionAngle(33.0f), 80.01f},
      {"36 degrees", byFrictionAngle(36.0f), 160.02f},
      // (38 - 36) x 4.8 + 16 = 25.6 tsf; (41 - 36) x 4.8 + 16 = 40 tsf.
      {"38 degrees", byFrictionAngle(38.0f), 256.0f},
      {"41 degrees", byFrictionAngle(41.0f), 400.0f},
      {"43 degrees", byFrictionAngle(43.0f), 400.0f},
  };
  expectTips(cases);
}

TEST(GranularTip, WideAndShallowTipsAreReducedWhenTheOptionIsChosen) {
  const GranularCase cases[] = {
      // 180 x 50 / (12 x 5) = 150; at DB 4.17 ft no reduction.
      {"DB 5 ft", reduced(byBlowCount(30.0f), 5.0f, 60.0f), 150.0f},
      {"DB 4.17 ft", reduced(byBlowCount(30.0f), 4.17f, 60.0f), 180.0f},
      // 180 x 15 / (10 x 3) = 90; at z = 10 DB no reduction.
      {"z 15 ft, DB 3 ft", reduced(byBlowCount(30.0f), 3.0f, 15.0f), 90.0f},
      {"z 30 ft, DB 3 ft", reduced(byBlowCount(30.0f), 3.0f, 30.0f), 180.0f},
      // Both: 180 x 50 / 72 x 30 / 60 = 62.5; 256 x 50 / 72 x 30 / 60 = 88.88889.
      {"N 30, z 30 ft, DB 6 ft", reduced(byBlowCount(30.0f), 6.0f, 30.0f), 62.5f},
      {"38 degrees, z 30 ft, DB 6 ft", reduced(byFrictionAngle(38.0f), 6.0f, 30.0f), 88.88889f},
  };
  expectTips(cases);
}

TEST(GranularTip, WideAndShallowTipsAreNotReducedWithoutTheOption) {
  GranularTipInput wideAndShallow = reduced(byBlowCount(30.0f), 6.0f, 30.0f);
  wideAndShallow.sizeAndEmbedmentReductions = false;
  // 0.6 x 30 x 10 = 180 tons, as for a narrow deep tip.
  EXPECT_NEAR(granularTipTons(wideAndShallow), 180.0f, kTolerance * 180.0f);
}

TEST(CohesiveTip, StrengthComesFromCohesionWhenGivenElseFromBlowCount) {
  CohesiveTipInput fromBlowCount = clayWithCohesion(0.0f, 9.0f);
  fromBlowCount.cohesionGiven = false;
  fromBlowCount.blowCount = 20.0f;
  CohesiveTipInput cohesionWins = clayWithCohesion(2000.0f, 9.0f);
  cohesionWins.blowCount = 20.0f;
  const CohesiveCase cases[] = {
      // cu = 2000 / 2000 = 1 tsf; 1 x 9 x 10 = 90 tons.
      {"c 2000 psf", clayWithCohesion(2000.0f, 9.0f), 90.0f},
      {"c 2000 psf and N 20", cohesionWins, 90.0f},
      // cu = 20 / 10 = 2 tsf; 2 x 9 x 10 = 180 tons.
      {"N 20", fromBlowCount, 180.0f},
  };
  expectTips(cases);
}

TEST(CohesiveTip, ClayTipIsCappedAtFortyTsfButClayShaleIsNot) {
  CohesiveTipInput shale = clayWithCohesion(16000.0f, 7.0f);
  shale.soilType = kClayShale;
  const CohesiveCase cases[] = {
      // cu = 5 tsf, 5 x 9 = 45 tsf, capped at 40: 400 tons.
      {"clay, c 10000 psf", clayWithCohesion(10000.0f, 9.0f), 400.0f},
      // cu = 8 tsf, 8 x 7 = 56 tsf: 560 tons.
      {"clay shale, c 16000 psf", shale, 560.0f},
  };
  expectTips(cases);
}

TEST(CohesiveTip, ClayTipIsReducedForBasesWiderThanSixAndAQuarterFeet) {
  const CohesiveCase cases[] = {
      // cu = 1 tsf = 2 ksf: b = 0.45 sqrt(2) = 0.636396;
      // a = 0.0071 + 0.0021 x 40 / 8 = 0.0176, at most 0.015;
      // Fr = 2.5 / (0.015 x 96 + 2.5 x 0.636396) = 0.8248129; 90 x Fr = 74.23317.
      {"DB 8 ft, cu 1 tsf", wideBase(clayWithCohesion(2000.0f, 9.0f), 8.0f, 40.0f), 74.23317f},
      // cu = 20 tsf = 40 ksf: b = 0.45 sqrt(40) = 2.846, at most 1.5;
      // a = 0.0071 + 0.0021 x 16 / 8 = 0.0113; Fr = 2.5 / (1.0848 + 3.75) = 0.5170845;
      // q = 180 tsf capped at 40: 400 x Fr = 206.8338.
      {"DB 8 ft, cu 20 tsf", wideBase(clayWithCohesion(40000.0f, 9.0f), 8.0f, 16.0f), 206.8338f},
      // cu = 0.5 tsf = 1 ksf: b = 0.45, at least 0.5; a = 0.0071 + 0.0021 x 2 = 0.0113;
      // Fr = 2.5 / (0.0113 x 120 + 1.25) = 0.9593246; 45 x Fr = 43.16961.
      {"DB 10 ft, cu 0.5 tsf", wideBase(clayWithCohesion(1000.0f, 9.0f), 10.0f, 20.0f), 43.16961f},
      // Fr = 2.5 / (0.0113 x 96 + 1.25) = 1.0708, at most 1: 45 tons.
      {"DB 8 ft, Fr above 1", wideBase(clayWithCohesion(1000.0f, 9.0f), 8.0f, 16.0f), 45.0f},
      // DB = 6.25 ft is not reduced: 1 x 9 x 10 = 90 tons.
      {"DB 6.25 ft", wideBase(clayWithCohesion(2000.0f, 9.0f), 6.25f, 40.0f), 90.0f},
  };
  expectTips(cases);
}

TEST(CohesiveTip, NoBearingFactorMeansNoBaseResistance) {
  EXPECT_EQ(cohesiveTipTons(clayWithCohesion(2000.0f, 0.0f)), 0.0f);
  EXPECT_EQ(cohesiveTipTons(clayWithCohesion(2000.0f, 1e-9f)), 0.0f);
}

}  // namespace
}  // namespace bormek
