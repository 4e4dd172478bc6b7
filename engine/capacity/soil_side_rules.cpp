#include "capacity/soil_side_rules.h"

#include <cmath>

#include "capacity/layer_completion.h"
#include "capacity/soil_defaults.h"
#include "input/unit_constants.h"

namespace bormek {
namespace {
constexpr float kBetaSideCapTsf = 2.1f;
constexpr float kClayTsfPerBlow = 0.1f;     // cu = N / 10 tsf
constexpr float kShaleBlowsPerTsf = 53.0f;  // cu = N / 53 tsf

}  // namespace

SideMethod sideMethodOf(const Layer& layer) {
  switch (layer.type) {
    case kSand:
      return sandUsesBetaMethod(layer) ? SideMethod::kBeta : SideMethod::kK;
    case kClay:
    case kClayShale:
      return SideMethod::kAlpha;
    case kGravellySand:
    case kGravel:
      return SideMethod::kBeta;
    default:
      return SideMethod::kNone;
  }
}

float sliceCoefficient(const Layer& layer, float fraction, float depthFt, float blowCount) {
  const EndValues& c = layer.coefficient;
  if (!layer.defaultCoefficient) {
    const bool bothGiven = c.top > kNotGivenBelow && c.bottom > kNotGivenBelow;
    return bothGiven ? valueAt(c, fraction) : 0.0f;
  }
  // Defaulted layers: the interpolated default within the sand bounds, then
  // the depth-dependent beta formulas where they apply.
  const float coefficient =
      boundedCoefficient(valueAt(c, fraction), kMinimumSideCoefficient, kSandBetaMax);
  if (layer.type == kSand && sandUsesBetaMethod(layer)) {
    return sandBetaAt(depthFt, blowCount);
  }
  if (layer.type == kGravellySand) {
    return gravellySandBetaAt(depthFt);
  }
  if (layer.type == kGravel) {
    return gravelBetaAt(depthFt);
  }
  return coefficient;
}

float shearStrengthPsf(float effectiveStressPsf, float frictionAngleDeg, float cohesionPsf) {
  return effectiveStressPsf * std::tan(frictionAngleDeg / kDegreesPerRadian) + cohesionPsf;
}

float cohesionFromBlowCount(int soilType, float blowCount) {
  if (soilType == kClayShale) {
    return blowCount * kPoundsPerTon / kShaleBlowsPerTsf;
  }
  return blowCount * kClayTsfPerBlow * kPoundsPerTon;
}

float betaSideTsf(int soilType, float beta, float middleStressPsf) {
  const float f = beta * middleStressPsf / kPoundsPerTon;
  const bool capped = soilType == kSand || soilType == kGravellySand;
  return capped && f > kBetaSideCapTsf ? kBetaSideCapTsf : f;
}

}  // namespace bormek
