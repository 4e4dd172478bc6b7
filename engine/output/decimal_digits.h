// Correctly rounded decimal digits of a float, in 64-bit integer
// arithmetic: the fast route of the exponent and fixed-point edit
// descriptors, which write every number of the report and plot-data file.
#pragma once

#include <cstdint>

namespace bormek::fmt {

inline constexpr int kMaxFastDigits = 9;
inline constexpr int kMaxFastDecimals = 9;

// Writes the first `digits` (1 to kMaxFastDigits) significant decimal digits
// of `magnitude` (finite, above 0) into `out`, rounded to nearest from its
// exact binary value with ties to the even digit, and sets `exponent10` so
// that magnitude ~ d.ddd x 10^exponent10. Returns false, writing nothing,
// when the value lies outside the range this route computes exactly
// (very small or very large magnitudes, subnormals); the caller then takes
// the general conversion, which gives the same digits.
bool roundedDigits(float magnitude, int digits, char* out, int& exponent10);

// `magnitude` (finite, 0 or above) x 10^decimals (0 to kMaxFastDecimals),
// rounded to the nearest integer from its exact binary value with ties to
// even: the digits of a fixed-point field. False, leaving `scaledValue`
// alone, when the value lies outside the range computed exactly here.
bool roundedScaled(float magnitude, int decimals, std::uint64_t& scaledValue);

}  // namespace bormek::fmt
