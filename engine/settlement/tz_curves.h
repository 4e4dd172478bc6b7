// Normalized load-transfer (t-z) curves of the shaft side and tip (q-w)
// curves of the base, for the trend, upper-bound and lower-bound passes.
// Ten points each, the first at (0, 0).
#pragma once

#include <array>

namespace bormek {

inline constexpr int kCurvePoints = 10;
using CurveRatios = std::array<float, kCurvePoints>;

enum class TzPassCode : int { kTrend = 1, kUpperBound = 2, kLowerBound = 3 };

// Side: movement / D and t / tmax; sand curves for type 1, clay for others.
const CurveRatios& sideMovementRatios(bool sand);
const CurveRatios& sideTransferRatios(bool sand, TzPassCode pass);
// Tip: movement / Dt (both families) and q / Qb.
const CurveRatios& tipMovementRatios();
const CurveRatios& tipLoadRatios(bool sand, TzPassCode pass);

}  // namespace bormek
