#include <algorithm>
#include <cmath>

#include "capacity/rock_rules.h"
#include "input/unit_constants.h"

namespace bormek {
namespace {

constexpr float kHighStrengthPsf = 40320.0f;        // 280 psi
constexpr float kSoundRockStrengthPsf = 144000.0f;  // 1000 psi
constexpr float kWeakSideFactor = 0.15f;            // f = 0.15 qu
constexpr float kStrongSideFactorPsi = 2.5f;        // f = 2.5 sqrt(qu in psi) psi
constexpr float kBaseFactor = 3.0f;
constexpr float kKspStart = 3.0f;
constexpr float kKspScale = 10.0f;
constexpr float kKspThicknessFactor = 300.0f;

// Unit side resistance (tsf) of rock of governing strength qu (psf).
float strongRockSideTsf(float quPsf) {
  if (quPsf > kHighStrengthPsf) {
    const float quPsi = quPsf / kSquareInchesPerSquareFoot;
    return kStrongSideFactorPsi * std::sqrt(quPsi) * kSquareInchesPerSquareFoot / kPoundsPerTon;
  }
  return kWeakSideFactor * quPsf / kPoundsPerTon;
}

// Base from the rock strength, the discontinuity spacing s and thickness d
// and the socket diameter Bs: Ksp = (3 + s / Bs) / (10 sqrt(1 + 300 d / s)).
float strongRockBaseTons(const RockSlice& slice, float socketFt, RockNotes& notes) {
  const Layer& layer = slice.layer();
  const float spacing = valueAt(layer.discontinuitySpacing, slice.fraction);
  const float thickness = valueAt(layer.discontinuityThickness, slice.fraction);
  if (!(spacing > 0.0f)) {
    notes.gap(slice, RockGap::kNoSpacing);
    return 0.0f;
  }
  if (!(socketFt > 0.0f)) {
    notes.gap(slice, RockGap::kNoSocketDiameter);
    return 0.0f;
  }
  const float openness = 1.0f + kKspThicknessFactor * thickness / spacing;
  if (!(openness > 0.0f)) {
    notes.gap(slice, RockGap::kNegativeThickness);
    return 0.0f;
  }
  const float ksp = (kKspStart + spacing / socketFt) / (kKspScale * std::sqrt(openness));
  const float quPsf = valueAt(layer.rockStrength, slice.fraction);
  return kBaseFactor * ksp * (quPsf / kPoundsPerTon) * kQuarterPi * socketFt * socketFt;
}

}  // namespace

// Interpolated strengths always lie between the layer's end values, so
// the top value never has to stand in for one below both ends.
float governingStrengthPsf(const RockSlice& slice) {
  const Layer& layer = slice.layer();
  return std::min(valueAt(layer.rockStrength, slice.fraction),
                  valueAt(layer.concreteStrength, slice.fraction));
}

RockResult strongRockSlice(const RockSlice& slice, bool compression, RockNotes& notes) {
  const Layer& layer = slice.layer();
  const float governing = governingStrengthPsf(slice);
  // Type 4 takes side friction or end bearing: sound rock (above 1000 psi)
  // bears at the base only, weaker rock in side friction only.
  const bool sideOnly = layer.type == kStrongRockEither && !(governing > kSoundRockStrengthPsf);
  const bool baseOnly = layer.type == kStrongRockEither && compression && !sideOnly;
  RockResult result;
  result.socketDiameterFt = valueAt(layer.socketDiameter, slice.fraction) * slice.socketScale;
  result.unitSideTsf = baseOnly ? 0.0f : strongRockSideTsf(governing);
  result.baseTons = sideOnly ? 0.0f : strongRockBaseTons(slice, result.socketDiameterFt, notes);
  return result;
}

}  // namespace bormek
