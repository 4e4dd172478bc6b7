#include "core/units.h"

#include <array>
#include <span>
#include <string_view>

namespace {

struct UnitSlot {
  std::string_view englishLabel;
  std::string_view siLabel;
  Extended englishPerSi;  // English units in one SI unit
};

constexpr std::array<UnitSlot, 10> kSlots = {{
    {"lbs", "kN", 224.8089237L},
    {"kips", "kN", 0.2248089237L},
    {"tons", "kN", 0.1124044745L},
    {"in", "m", 39.37007874L},
    {"in", "mm", 0.03937007874L},
    {"ft", "m", 3.280839895L},
    {"lb-sec2/in", "Mg", 5.7101483L},
    {"sec", "sec", 1.0L},
    {"rad", "rad", 1.0L},
    {"slug", "Mg", 68.52176584L},
}};

struct CodeSlot {
  std::string_view code;
  std::size_t slot;
};

// The order matters: a longer code is replaced before "F" or "L" alone.
constexpr std::array<CodeSlot, 10> kLabelCodes = {{
    {"F2", 2},
    {"F1", 1},
    {"F4", 6},
    {"F5", 7},
    {"F6", 9},
    {"F", 0},
    {"L3", 8},
    {"L2", 5},
    {"L1", 4},
    {"L", 3},
}};

// Force and length digits after "F" or "L" in a code, and their slots.
struct DigitSlot {
  char digit;
  std::size_t slot;
};

constexpr std::array<DigitSlot, 6> kForceDigits = {{
    {'0', 0},
    {'1', 1},
    {'2', 2},
    {'4', 6},
    {'5', 7},
    {'6', 9},
}};

constexpr std::array<DigitSlot, 4> kLengthDigits = {{
    {'0', 3},
    {'1', 4},
    {'2', 5},
    {'3', 8},
}};

// The axis captions know one force and one length code each, tried in
// this order.
constexpr std::array<CodeSlot, 3> kAxisForceCodes = {{{"F2", 2}, {"F1", 1}, {"F", 0}}};
constexpr std::array<CodeSlot, 3> kAxisLengthCodes = {{{"L2", 5}, {"L1", 4}, {"L", 3}}};

constexpr char kForceLetter = 'F';
constexpr char kLengthLetter = 'L';
constexpr char kPowerMark = '^';
constexpr char kDefaultDigit = '0';
// "F0" and one separator; "F0^2" and one separator.
constexpr std::size_t kForceTermLength = 3;
constexpr std::size_t kForcePowerTermLength = 5;
// Position of the exponent digit in "F0^2" and "L2^3".
constexpr std::size_t kExponentPosition = 3;

const DigitSlot* findDigit(std::span<const DigitSlot> digits, char c) {
  for (const DigitSlot& entry : digits) {
    if (entry.digit == c) {
      return &entry;
    }
  }
  return nullptr;
}

// The exponent digit at the fixed position. A text too short to hold it
// ("L2", "F^") or a non-digit there ("L2^x") counts as exponent 1: a
// malformed code still gives a finite factor, nothing is read past the
// text's end and nothing throws.
int exponentAt(const std::string& text) {
  if (text.size() > kExponentPosition && text[kExponentPosition] >= '0' &&
      text[kExponentPosition] <= '9') {
    return text[kExponentPosition] - '0';
  }
  return 1;
}

Extended power(Extended base, int exponent) {
  Extended result = 1;
  for (int k = 0; k < exponent; ++k) {
    result *= base;
  }
  return result;
}

// The factor of one side of a code: an optional force term such as "F",
// "F1" or "F^2" followed by a separator, then an optional length term such
// as "L", "L2" or "L2^3". A letter without a known digit gets "0", so the
// digit is always found in its table. Text that fits neither term counts
// as 1.
Extended sideFactor(std::string text) {
  Extended force = 1;
  if (!text.empty() && text.front() == kForceLetter) {
    if (text.size() < 2 || findDigit(kForceDigits, text[1]) == nullptr) {
      text.insert(1, 1, kDefaultDigit);
    }
    force = kSlots[findDigit(kForceDigits, text[1])->slot].englishPerSi;
    if (text.size() > 2 && text[2] == kPowerMark) {
      force = power(force, exponentAt(text));
      text.erase(0, kForcePowerTermLength);
    } else {
      text.erase(0, kForceTermLength);
    }
  }
  Extended length = 1;
  if (!text.empty() && text.front() == kLengthLetter) {
    if (text.size() < 2 || findDigit(kLengthDigits, text[1]) == nullptr) {
      text.insert(1, 1, kDefaultDigit);
    }
    length = power(kSlots[findDigit(kLengthDigits, text[1])->slot].englishPerSi, exponentAt(text));
  }
  return force * length;
}

// English units of the code in one SI unit of it.
Extended codeRatio(const std::string& code) {
  const std::size_t slash = code.find('/');
  if (slash == std::string::npos) {
    return sideFactor(code);
  }
  return sideFactor(code.substr(0, slash)) / sideFactor(code.substr(slash + 1));
}

std::string_view labelOf(std::size_t slot, int system) {
  return system == kEnglishUnits ? kSlots[slot].englishLabel : kSlots[slot].siLabel;
}

void replaceAll(std::string& text, std::string_view code, std::string_view label) {
  std::size_t pos = text.find(code);
  while (pos != std::string::npos) {
    text.replace(pos, code.size(), label);
    pos = text.find(code, pos + label.size());
  }
}

// Replaces every occurrence of the first code of `codes` that occurs.
void replaceFirstPresent(std::string& text, const std::array<CodeSlot, 3>& codes, int system) {
  for (const CodeSlot& entry : codes) {
    if (text.find(entry.code) != std::string::npos) {
      replaceAll(text, entry.code, labelOf(entry.slot, system));
      return;
    }
  }
}

bool isLabelledSystem(int system) {
  return system == kEnglishUnits || system == kSiUnits;
}

}  // namespace

Extended UnitFactor(int fromSystem, int toSystem, const std::string& code) {
  if (fromSystem == kEnglishUnits && toSystem == kSiUnits) {
    return 1 / codeRatio(code);
  }
  if (fromSystem == kSiUnits && toSystem == kEnglishUnits) {
    return codeRatio(code);
  }
  return 1;
}

std::string UnitLabel(const std::string& code, int system) {
  std::string label = code;
  if (!isLabelledSystem(system)) {
    return label;
  }
  for (const CodeSlot& entry : kLabelCodes) {
    replaceAll(label, entry.code, labelOf(entry.slot, system));
  }
  return label;
}

std::string AxisUnitLabel(const std::string& code, int system) {
  std::string label = code;
  if (!isLabelledSystem(system)) {
    return label;
  }
  replaceFirstPresent(label, kAxisForceCodes, system);
  replaceFirstPresent(label, kAxisLengthCodes, system);
  return label;
}
