// The rules of a numeric entry field without its widget: the canonical
// text of a value, the limits an entry must respect, the check run when an
// entry is left, and the text of the field's label.
#pragma once

#include <cfloat>
#include <cstdint>
#include <limits>
#include <string>

#include "core/number_text.h"

// A field without limits accepts every finite extended value.
inline constexpr Extended kNoLowerLimit = -LDBL_MAX;
inline constexpr Extended kNoUpperLimit = LDBL_MAX;
// An integer field holds a 32-bit signed integer.
inline constexpr Extended kSmallestIntegerEntry = std::numeric_limits<std::int32_t>::min();
inline constexpr Extended kLargestIntegerEntry = std::numeric_limits<std::int32_t>::max();

// The canonical text of a value: general format with up to 18 significant
// digits or, in hexadecimal, "$" and the value rounded to an integer, at
// least four upper-case digits (a negative 32-bit value in its two's
// complement, as the evaluator reads "$FFFFFFFF" back as -1).
std::string FormatEntryValue(Extended value, bool hex);

// The unit system of a label: 1 English, 2 SI, 3 the unit code itself;
// values below 1 count as 1, above 3 as 3.
int LabelUnitSystem(int units);

// "Caption" alone without a unit code, else "Caption (label)" with the
// code's label in `units` (the code unchanged for 3).
std::string EntryLabelText(const std::string& caption, const std::string& unitsString, int units);

// The limit of an integer field: `limit` clamped into the 32-bit range.
Extended IntegerEntryLimit(Extended limit);

// Why an entry was refused.
enum class EntryFault { kNone, kEvaluation, kNotInteger, kBelowMinimum, kAboveMaximum };

struct EntryCheck {
  EntryFault fault = EntryFault::kNone;
  // Accepted: the value. Below the minimum or above the maximum: the limit
  // the field takes instead. Otherwise 0.
  Extended value = 0;
  // The text the field shows afterwards; empty when it keeps what was typed.
  std::string text;
  // The message for the user; empty when accepted.
  std::string message;
};

// The check run when an entry is left: the text is evaluated as an
// expression and must be a whole number for an integer field and lie in
// [minimum, maximum]. Arithmetic faults of the evaluation (division by zero)
// are refused with their own message like the evaluator's messages.
EntryCheck CheckEntry(const std::string& text, bool integerOnly, Extended minimum, Extended maximum,
                      bool hex);
