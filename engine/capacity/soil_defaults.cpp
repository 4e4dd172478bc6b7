#include "capacity/soil_defaults.h"

#include <cmath>

#include "input/input_data.h"
#include "input/unit_constants.h"

namespace bormek {
namespace {
constexpr float kSandBetaIntercept = 1.5f;
constexpr float kSandBetaSlopePerRootFt = 0.135f;
constexpr float kSandBetaFullBlowCount = 15.0f;
constexpr float kGravellySandBetaIntercept = 2.0f;
constexpr float kGravellySandBetaSlope = 0.15f;
constexpr float kGravellySandBetaExponent = 0.75f;
constexpr float kGravellySandBetaMax = 1.8f;
constexpr float kGravelBetaFactor = 3.4f;
constexpr float kGravelBetaDecayPerMetre = 0.085f;
constexpr float kGravelBetaMax = 3.0f;
constexpr float kAlphaBase = 0.55f;
constexpr float kAlphaSlope = 0.1f;
constexpr float kAlphaBandStart = 1.5f;  // c / pa
constexpr float kAlphaBandEnd = 2.5f;
constexpr float kNcAtSurface = 6.0f;
constexpr float kNcGrowthPerDiameter = 0.2f;
constexpr float kNcMaxClay = 9.0f;
constexpr float kNcMaxClayShale = 7.0f;
}  // namespace

float boundedCoefficient(float value, float lower, float upper) {
  if (value > upper) {
    value = upper;
  }
  if (value < lower) {
    value = lower;
  }
  return value;
}

float sandBetaAt(float depthFt, float blowCount) {
  float beta = kSandBetaIntercept - kSandBetaSlopePerRootFt * std::sqrt(depthFt);
  if (blowCount > 0.0f && blowCount < kSandBetaFullBlowCount) {
    beta = beta * blowCount / kSandBetaFullBlowCount;
  }
  return boundedCoefficient(beta, kMinimumSideCoefficient, kSandBetaMax);
}

float gravellySandBetaAt(float depthFt) {
  const float beta =
      kGravellySandBetaIntercept -
      kGravellySandBetaSlope * std::pow(kMetresPerFoot * depthFt, kGravellySandBetaExponent);
  return boundedCoefficient(beta, kMinimumSideCoefficient, kGravellySandBetaMax);
}

float gravelBetaAt(float depthFt) {
  const float beta =
      kGravelBetaFactor * std::exp(-kGravelBetaDecayPerMetre * kMetresPerFoot * depthFt);
  return boundedCoefficient(beta, kMinimumSideCoefficient, kGravelBetaMax);
}

float clayAlphaFor(float cohesionPsf) {
  const float ratio = cohesionPsf / kAtmospherePsf;
  if (ratio > kAlphaBandStart && ratio < kAlphaBandEnd) {
    return kAlphaBase - kAlphaSlope * (ratio - kAlphaBandStart);
  }
  return kAlphaBase;
}

float defaultBearingFactor(int soilType, float depthFt, float dStartFt) {
  const float nc = kNcAtSurface * (1.0f + kNcGrowthPerDiameter * depthFt / dStartFt);
  const float cap = soilType == kClayShale ? kNcMaxClayShale : kNcMaxClay;
  return nc > cap ? cap : nc;
}

}  // namespace bormek
