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
// One atmosphere in psf, as used by the soil rules.
inline constexpr float kAtmospherePsf = 2116.8f;

}  // namespace bormek
