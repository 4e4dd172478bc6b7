#include "capacity/soil_tip_rules.h"

#include <algorithm>
#include <cmath>

#include "input/input_data.h"
#include "input/unit_constants.h"

namespace bormek {
namespace {

// Granular tips.
constexpr float kNoFrictionAngleDeg = 1e-5f;  // at or below: the layer has no angle
constexpr float kTipTsfPerBlow = 0.6f;
constexpr float kGranularTipMaxTsf = 45.0f;  // reached at N = 75
constexpr float kNegligibleTipTons = 1e-5f;  // loose sand: practically no base resistance
constexpr float kLooseSandAngleDeg = 30.0f;
constexpr float kMediumSandAngleDeg = 36.0f;
constexpr float kDenseSandAngleDeg = 41.0f;
constexpr float kMediumSandTsfPerDeg = 2.667f;
constexpr float kDenseSandTsfPerDeg = 4.8f;
constexpr float kDenseSandStartTsf = 16.0f;
constexpr float kVeryDenseSandTsf = 40.0f;
constexpr float kSizeReductionReferenceInches = 50.0f;
constexpr float kSizeReductionStartFt = 4.17f;  // 50 in
constexpr float kFullEmbedmentDiameters = 10.0f;

// Cohesive tips.
constexpr float kNoCohesiveBearingFactor = 1e-9f;
constexpr float kBlowsPerTsfOfStrength = 10.0f;
constexpr float kClayTipMaxTsf = 40.0f;
constexpr float kLargeBaseStartFt = 6.25f;
constexpr float kStrengthFactorPerRootKsf = 0.45f;
constexpr float kStrengthFactorMin = 0.5f;
constexpr float kStrengthFactorMax = 1.5f;
constexpr float kDepthFactorIntercept = 0.0071f;
constexpr float kDepthFactorPerDiameter = 0.0021f;
constexpr float kDepthFactorMax = 0.015f;
constexpr float kLargeBaseScale = 2.5f;
constexpr float kLargeBaseMaxFactor = 1.0f;

// Unit base resistance (tsf) of dense granular soil from the friction angle;
// loose sand (30 degrees and below) is handled by the caller.
float frictionAngleTipTsf(float frictionAngleDeg) {
  if (frictionAngleDeg <= kMediumSandAngleDeg) {
    return (frictionAngleDeg - kLooseSandAngleDeg) * kMediumSandTsfPerDeg;
  }
  if (frictionAngleDeg <= kDenseSandAngleDeg) {
    return (frictionAngleDeg - kMediumSandAngleDeg) * kDenseSandTsfPerDeg + kDenseSandStartTsf;
  }
  return kVeryDenseSandTsf;
}

// QB (tons) before the size and embedment reductions.
float unreducedGranularTipTons(const GranularTipInput& input) {
  if (input.bottomFrictionAngle <= kNoFrictionAngleDeg) {
    return std::min(kTipTsfPerBlow * input.blowCount, kGranularTipMaxTsf) * input.baseAreaSqFt;
  }
  if (input.frictionAngleDeg <= kLooseSandAngleDeg) {
    return kNegligibleTipTons;
  }
  return frictionAngleTipTsf(input.frictionAngleDeg) * input.baseAreaSqFt;
}

// Bases wider than 50 in: QB scaled by 50 in / DB.
float sizeReduced(float tipTons, float baseDiameterFt) {
  if (baseDiameterFt <= kSizeReductionStartFt) {
    return tipTons;
  }
  return tipTons * kSizeReductionReferenceInches / (kInchesPerFoot * baseDiameterFt);
}

// Tips less than ten diameters deep: QB scaled by z / 10 DB.
float embedmentReduced(float tipTons, float depthFt, float baseDiameterFt) {
  const float fullEmbedmentFt = kFullEmbedmentDiameters * baseDiameterFt;
  if (depthFt >= fullEmbedmentFt) {
    return tipTons;
  }
  return tipTons * depthFt / fullEmbedmentFt;
}

// Undrained strength cu (tsf): from c when the layer gives one, else N / 10.
float undrainedStrengthTsf(const CohesiveTipInput& input) {
  if (input.cohesionGiven) {
    return input.cohesionPsf / kPoundsPerTon;
  }
  return input.blowCount / kBlowsPerTsfOfStrength;
}

// b of the large-base reduction: 0.45 sqrt(cu in ksf), within 0.5 to 1.5.
float strengthFactor(float strengthTsf) {
  const float strengthKsf = strengthTsf * kPoundsPerTon / kPoundsPerKip;
  return std::clamp(kStrengthFactorPerRootKsf * std::sqrt(strengthKsf), kStrengthFactorMin,
                    kStrengthFactorMax);
}

// a of the large-base reduction: grows with the depth in base diameters.
float depthFactor(float depthFt, float baseDiameterFt) {
  const float a = kDepthFactorIntercept + kDepthFactorPerDiameter * depthFt / baseDiameterFt;
  return std::min(a, kDepthFactorMax);
}

// Fr for bases wider than 6.25 ft: 2.5 / (a B + 2.5 b), B in inches.
float largeBaseFactor(float strengthTsf, float depthFt, float baseDiameterFt) {
  if (baseDiameterFt <= kLargeBaseStartFt) {
    return kLargeBaseMaxFactor;
  }
  const float baseInches = kInchesPerFoot * baseDiameterFt;
  const float factor = kLargeBaseScale / (depthFactor(depthFt, baseDiameterFt) * baseInches +
                                          kLargeBaseScale * strengthFactor(strengthTsf));
  return std::min(factor, kLargeBaseMaxFactor);
}

}  // namespace

float granularTipTons(const GranularTipInput& input) {
  const float tipTons = unreducedGranularTipTons(input);
  if (!input.sizeAndEmbedmentReductions) {
    return tipTons;
  }
  return embedmentReduced(sizeReduced(tipTons, input.baseDiameterFt), input.depthFt,
                          input.baseDiameterFt);
}

float cohesiveTipTons(const CohesiveTipInput& input) {
  if (input.bearingFactor <= kNoCohesiveBearingFactor) {
    return 0.0f;
  }
  const float strengthTsf = undrainedStrengthTsf(input);
  float tipTsf = strengthTsf * input.bearingFactor;
  if (input.soilType == kClay) {
    tipTsf = std::min(tipTsf, kClayTipMaxTsf);
  }
  const float reduction = largeBaseFactor(strengthTsf, input.depthFt, input.baseDiameterFt);
  return input.baseAreaSqFt * tipTsf * reduction;
}

}  // namespace bormek
