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

inline constexpr float kPsiPerTsf = kPoundsPerTon / kSquareInchesPerSquareFoot;
inline constexpr float kPoundsPerKip = 1000.0f;
inline constexpr float kMillimetresPerInch = 25.4f;
inline constexpr float kMillimetresPerMetre = 1000.0f;
inline constexpr float kMetresPerFoot = 0.3048f;
// Buoyancy of the shaft below the water table: 62.4 / 2000, rounded as the
// uplift rule states it.
inline constexpr float kWaterTonsPerCubicFoot = 0.0312f;

// Factors that differ on purpose from their exact or elsewhere-used values:
// each is the value its method or listing was set up with, and the printed
// numbers depend on it.
// SI shaft modulus (kPa) to psi for the t-z analysis.
inline constexpr float kKpaPerPsi = 6.894f;
// Load transfer of the t-z curve listing in SI.
inline constexpr float kKpaPerPsiCurveListing = 6.895f;
// t-z movements to metres: 39.37 in per m, not 1 / 0.0254.
inline constexpr float kInchesPerMetre = 39.37f;
// The weak-rock base chart works in kPa: 95.76 kPa per tsf, and back to psf
// with 20.88 rather than the 20.885 of the input conversion.
inline constexpr float kKpaPerTsf = 95.76f;
inline constexpr float kPsfPerKpaWeakRockChart = 20.88f;

}  // namespace bormek
