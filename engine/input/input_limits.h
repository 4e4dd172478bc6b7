// The ranges of the input values the engine turns into depths, lengths,
// counts and array indices. Tip depths are stored per whole foot from 0 to
// 499 ft, so every depth of the profile stays within that; the limits of
// the diameters, the bell and the output increment keep the lengths and
// counts derived from them finite and within the same arrays. Each limit is
// given in the project's own unit, English (ft) or SI (m).
#pragma once

#include <string>

namespace bormek {

struct LengthLimit {
  float feet;
  float metres;  // rounded so that it does not exceed the limit in feet
  float in(bool si) const { return si ? metres : feet; }
};

inline constexpr LengthLimit kMaxDepth{499.0f, 152.0f};      // layer bottoms, shaft length, zones
inline constexpr LengthLimit kMaxStemDiameter{30.0f, 9.1f};  // minimum and maximum diameter
inline constexpr LengthLimit kMinOutputIncrement{0.1f, 0.03f};
inline constexpr float kMaxBellRatio = 10.0f;
inline constexpr float kMinBellAngleDeg = 1.0f;  // a steeper bell would reach below any profile
inline constexpr float kMaxBellAngleDeg = 90.0f;

// "499 FT" or "152 M": a limit as the messages print it.
std::string limitText(const LengthLimit& limit, bool si);

// A value as read, in its shortest form: "3E+09", "-5", "0.25".
std::string foundText(float value);

}  // namespace bormek
