// Units of measure: ten unit slots reached through short unit codes such as
// "L2" (depth), "F2" (force) or "F/L2^2" (stress). A code gives the factor
// that converts a stored value between the English (1) and SI (2) systems
// and the label shown for it.
#pragma once

#include <string>

#include "core/number_text.h"

inline constexpr int kEnglishUnits = 1;
inline constexpr int kSiUnits = 2;
inline constexpr int kCodeUnits = 3;  // shows the unit code itself

// Multiplier that converts a value of `code` from `fromSystem` to `toSystem`;
// 1 for the same system and for systems other than 1 and 2.
Extended UnitFactor(int fromSystem, int toSystem, const std::string& code);
// The code with each unit code replaced by its label in `system`.
std::string UnitLabel(const std::string& code, int system);
// The axis caption form: one force and one length code replaced.
std::string AxisUnitLabel(const std::string& code, int system);
