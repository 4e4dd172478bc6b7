#include "capacity/shaft_geometry.h"

#include <cmath>

#include "input/unit_constants.h"

namespace bormek {
namespace {
constexpr float kLargeStemFt = 3.52f;  // stems above this get the taller toe
constexpr float kLargeToeFt = 0.5f;
constexpr float kSmallToeFt = 0.25f;
constexpr float kSteelFraction = 0.01f;
constexpr float kBaseZoneDiameters = 2.0f;

float circleArea(float diameter) {
  return kShaftPi * diameter * diameter / 4.0f;
}

// A frustum from the stem to the base diameter plus the toe cylinder.
float underreamVolumeYd3(const ShaftGeometry& g) {
  const float d = g.stemDiameter;
  const float db = g.baseDiameter;
  const float frustum = kShaftPi * (g.bellHeight - g.toeHeight) / 3.0f *
                        (d * d / 4.0f + db * db / 4.0f + d * db / 4.0f);
  return (frustum + g.toeHeight * g.baseArea) / kCubicFeetPerCubicYard;
}
}  // namespace

ShaftGeometry shaftGeometryFor(float stemDiameterFt, const RunSettings& s) {
  ShaftGeometry g;
  g.stemDiameter = stemDiameterFt;
  g.stemArea = circleArea(stemDiameterFt);
  g.perimeter = kShaftPi * stemDiameterFt;
  // Ratios below 1 truncate to 0: a straight shaft.
  const bool belled = static_cast<int>(s.ratio) != 0;
  if (belled) {
    g.baseDiameter = s.ratio * stemDiameterFt;
    g.baseArea = circleArea(g.baseDiameter);
    g.toeHeight = stemDiameterFt > kLargeStemFt ? kLargeToeFt : kSmallToeFt;
    const float bellAngleRad = s.bellAngle / kDegreesPerRadian;
    g.bellHeight =
        (g.baseDiameter - stemDiameterFt) / (2.0f * std::tan(bellAngleRad)) + g.toeHeight;
    g.underreamVolume = underreamVolumeYd3(g);
  } else {
    g.baseDiameter = stemDiameterFt;
    g.baseArea = g.stemArea;
  }
  g.steelArea = kSteelFraction * g.stemArea * kSquareInchesPerSquareFoot;
  g.baseZoneDepth = static_cast<int>(kBaseZoneDiameters * g.baseDiameter);
  return g;
}

}  // namespace bormek
