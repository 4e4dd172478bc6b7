#include "core/numeric_entry.h"

#include <cmath>
#include <cstdio>

#include "core/expression_evaluator.h"
#include "core/units.h"

namespace {

constexpr int kEntryDigits = 18;
constexpr int kMinimumHexDigits = 4;
constexpr char kHexMark = '$';

constexpr const char* kNotAValidInteger = "Entry must be a valid integer.";
constexpr const char* kNotAnInteger = "Entry must be an integer.";
constexpr const char* kBelowMinimum = "Entry must be greater than or equal to ";
constexpr const char* kAboveMaximum = "Entry must be less than or equal to ";

// The value rounded to a 64-bit integer, saturating at the ends of the
// range (the limits of an unbounded field are far beyond it).
long long roundedToInteger(Extended value) {
  constexpr Extended kLargest = static_cast<Extended>(std::numeric_limits<long long>::max());
  if (std::isnan(value)) {
    return 0;
  }
  if (value >= kLargest) {
    return std::numeric_limits<long long>::max();
  }
  if (value <= -kLargest) {
    return std::numeric_limits<long long>::min();
  }
  return std::llround(value);
}

std::string hexText(Extended value) {
  const long long rounded = roundedToInteger(value);
  const bool fits32 = rounded >= std::numeric_limits<std::int32_t>::min() &&
                      rounded <= std::numeric_limits<std::int32_t>::max();
  const unsigned long long bits =
      fits32 ? static_cast<std::uint32_t>(static_cast<std::int32_t>(rounded))
             : static_cast<unsigned long long>(rounded);
  char digits[24];
  std::snprintf(digits, sizeof digits, "%0*llX", kMinimumHexDigits, bits);
  return std::string(1, kHexMark) + digits;
}

EntryCheck refused(EntryFault fault, std::string message) {
  EntryCheck check;
  check.fault = fault;
  check.message = std::move(message);
  return check;
}

// Below the minimum or above the maximum: the field takes the limit.
EntryCheck clampedTo(EntryFault fault, Extended limit, const char* message, bool hex) {
  EntryCheck check;
  check.fault = fault;
  check.value = limit;
  check.text = FormatEntryValue(limit, hex);
  check.message = message + check.text;
  return check;
}

}  // namespace

std::string FormatEntryValue(Extended value, bool hex) {
  return hex ? hexText(value) : FormatGeneral(value, kEntryDigits);
}

int LabelUnitSystem(int units) {
  if (units < kEnglishUnits) {
    return kEnglishUnits;
  }
  return units > kCodeUnits ? kCodeUnits : units;
}

std::string EntryLabelText(const std::string& caption, const std::string& unitsString, int units) {
  if (unitsString.empty()) {
    return caption;
  }
  // The code itself for system 3: UnitLabel leaves it unchanged.
  return caption + " (" + UnitLabel(unitsString, LabelUnitSystem(units)) + ")";
}

Extended IntegerEntryLimit(Extended limit) {
  if (limit < kSmallestIntegerEntry) {
    return kSmallestIntegerEntry;
  }
  return limit > kLargestIntegerEntry ? kLargestIntegerEntry : limit;
}

EntryCheck CheckEntry(const std::string& text, bool integerOnly, Extended minimum, Extended maximum,
                      bool hex) {
  Extended value = 0;
  try {
    value = Evaluate(text);
  } catch (const EAssignError& error) {
    return refused(EntryFault::kEvaluation, integerOnly ? kNotAValidInteger : error.what());
  } catch (const EMathError& error) {
    return refused(EntryFault::kEvaluation, error.what());
  }
  if (integerOnly && value != std::trunc(value)) {
    return refused(EntryFault::kNotInteger, kNotAnInteger);
  }
  if (value < minimum) {
    return clampedTo(EntryFault::kBelowMinimum, minimum, kBelowMinimum, hex);
  }
  if (!(value <= maximum)) {
    return clampedTo(EntryFault::kAboveMaximum, maximum, kAboveMaximum, hex);
  }
  EntryCheck check;
  check.value = value;
  check.text = FormatEntryValue(value, hex);
  return check;
}
