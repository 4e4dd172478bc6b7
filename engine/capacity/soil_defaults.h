// Default side coefficients and bearing factors of soil layers, used when
// the user gave none. Depths in ft, cohesion in psf, blow counts per ft.
#pragma once

namespace bormek {

inline constexpr float kMinimumSideCoefficient = 0.25f;
inline constexpr float kSandBetaMax = 1.2f;

// Sand, beta method: 1.5 - 0.135 sqrt(z), scaled by N / 15 for 0 < N < 15,
// kept within 0.25 to 1.2.
float sandBetaAt(float depthFt, float blowCount);
// Gravelly sand: 2.0 - 0.15 (z in m)^0.75, within 0.25 to 1.8.
float gravellySandBetaAt(float depthFt);
// Gravel: 3.4 exp(-0.085 z in m), within 0.25 to 3.0.
float gravelBetaAt(float depthFt);
// Clay and clay shale: alpha from the undrained strength c / pa.
float clayAlphaFor(float cohesionPsf);
// Nc = 6 (1 + 0.2 depth / DSTART), at most 9 for clay and 7 for clay shale.
float defaultBearingFactor(int soilType, float depthFt, float dStartFt);

// Upper bound first, then lower bound.
float boundedCoefficient(float value, float lower, float upper);

}  // namespace bormek
