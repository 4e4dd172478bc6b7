// Shaft geometry of one trial stem diameter: base (bell) diameter and area,
// bell height, underream volume and the area of one-percent steel.
// Lengths in ft, areas in ft² (steel in in²), volumes in yd³.
#pragma once

#include "input/input_data.h"

namespace bormek {

struct ShaftGeometry {
  float stemDiameter = 0.0f;     // D
  float baseDiameter = 0.0f;     // DB
  float stemArea = 0.0f;         // pi D^2 / 4
  float perimeter = 0.0f;        // pi D
  float baseArea = 0.0f;         // pi DB^2 / 4
  float toeHeight = 0.0f;        // cylinder at the foot of a bell
  float bellHeight = 0.0f;       // HB, toe included; 0 for a straight shaft
  float underreamVolume = 0.0f;  // yd³
  float steelArea = 0.0f;        // one percent of the stem area, in²
  int baseZoneDepth = 0;         // K2: whole feet in two base diameters
};

ShaftGeometry shaftGeometryFor(float stemDiameterFt, const RunSettings& settings);

}  // namespace bormek
