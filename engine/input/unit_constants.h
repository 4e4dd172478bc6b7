// Conversion factors and physical constants of the engine, in single
// precision as the engine computes. The engine works in ft, short tons
// (2000 lb), tsf for unit resistances, psf and pcf; SI input is converted
// with these factors when read and converted back only for printing.
#pragma once

namespace bormek {

inline constexpr float kFeetPerMetre = 3.2808f;
inline constexpr float kTonsPerKilonewton = 0.1124f;
inline constexpr float kPoundsPerKilonewton = 224.8f;
inline constexpr float kPsfPerKpa = 20.885f;
inline constexpr float kPcfPerKnPerCubicMetre = 6.3659f;
inline constexpr float kCubicYardsPerCubicMetre = 1.3078f;
inline constexpr float kSquareMetresPerSquareInch = 0.00064516f;
inline constexpr float kPoundsPerTon = 2000.0f;
inline constexpr float kSquareInchesPerSquareFoot = 144.0f;
inline constexpr float kCubicFeetPerCubicYard = 27.0f;
inline constexpr float kWaterUnitWeightPcf = 62.4f;
inline constexpr float kConcreteUnitWeightPcf = 150.0f;
// The capacity rules use this rounded value of pi for shaft areas,
// perimeters and volumes; the printed capacities depend on it.
inline constexpr float kShaftPi = 3.142f;
inline constexpr float kDegreesPerRadian = 57.29f;
// One atmosphere in psf, as used by the soil rules; the intermediate
// geomaterial rules were set up with a slightly different value.
inline constexpr float kAtmospherePsf = 2116.8f;
inline constexpr float kGeomaterialAtmospherePsf = 2115.7f;
// pi of the decomposed-rock and weak-rock rules and of the t-z solution,
// and pi / 4 of socket and shaft areas.
inline constexpr float kGeomaterialPi = 3.1416f;
inline constexpr float kQuarterPi = 0.7854f;
inline constexpr float kInchesPerFoot = 12.0f;
inline constexpr float kMetresPerInch = 0.0254f;
inline constexpr float kNewtonsPerPound = 4.448f;
inline constexpr float kNewtonsPerKilonewton = 1000.0f;
// Load-settlement output: tons to kN as the curves are converted.
inline constexpr float kKilonewtonsPerTon = 8.896f;
// Trial stem diameters step by half a foot.
inline constexpr float kDiameterStepFt = 0.5f;

}  // namespace bormek
