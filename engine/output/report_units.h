// Engine values in the report's units: English as computed (ft, yd³, tons,
// tons/yd³), SI in m, m³, kN and kN/m³. The report, the plot-data file and
// the results file convert through these, so they print the same numbers.
#pragma once

#include "input/unit_constants.h"

namespace bormek {

inline float reportLength(float ft, bool si) {
  return si ? ft / kFeetPerMetre : ft;
}
inline float reportVolume(float yd3, bool si) {
  return si ? yd3 / kCubicYardsPerCubicMetre : yd3;
}
inline float reportForce(float tons, bool si) {
  return si ? tons / kTonsPerKilonewton : tons;
}
inline float reportForcePerVolume(float tonsPerYd3, bool si) {
  return si ? tonsPerYd3 / (kTonsPerKilonewton / kCubicYardsPerCubicMetre) : tonsPerYd3;
}
inline float reportSteelArea(float squareInches, bool si) {
  return si ? squareInches * kSquareMetresPerSquareInch : squareInches;
}

}  // namespace bormek
