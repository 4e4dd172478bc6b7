// Base resistance of a shaft tip in soil, for the tip that belongs to one
// 1-ft slice of the depth walk. All values in English units.
#pragma once

namespace bormek {

// Sand, gravelly sand and gravel.
struct GranularTipInput {
  float blowCount = 0.0f;                   // N interpolated at the slice
  float frictionAngleDeg = 0.0f;            // friction angle interpolated at the slice
  float bottomFrictionAngle = 0.0f;         // the layer's bottom friction angle as input
  float depthFt = 0.0f;                     // z, the slice bottom
  float baseDiameterFt = 0.0f;              // DB
  float baseAreaSqFt = 0.0f;                // A = 3.142 DB^2 / 4
  bool sizeAndEmbedmentReductions = false;  // end-bearing-in-sand option 1
};

// QB in tons: 0.6 N tsf (at most 45) when the layer has no bottom friction
// angle, otherwise by friction-angle band; then the size reduction
// (DB > 4.17 ft) and the embedment reduction (z < 10 DB) when asked.
float granularTipTons(const GranularTipInput& input);

// Clay and clay shale.
struct CohesiveTipInput {
  int soilType = 0;             // kClay or kClayShale
  float cohesionPsf = 0.0f;     // c interpolated at the slice
  bool cohesionGiven = false;   // the layer's top or bottom c exceeds 1e-5
  float blowCount = 0.0f;       // N interpolated at the slice
  float bearingFactor = 0.0f;   // Nc interpolated at the slice
  float depthFt = 0.0f;         // z, the slice bottom
  float baseDiameterFt = 0.0f;  // DB
  float baseAreaSqFt = 0.0f;    // A
};

// QB in tons: cu Nc (at most 40 tsf for clay) times A, reduced for bases
// wider than 6.25 ft.
float cohesiveTipTons(const CohesiveTipInput& input);

}  // namespace bormek
