#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace {

// %g switches to scientific notation below this decimal exponent.
constexpr int kLowestFixedExponent = -4;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Counts the digits from `pos` on and moves `pos` past them.
std::size_t skipDigits(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && isDigit(text[pos])) {
    ++pos;
  }
  return pos - start;
}

// True when the text is a sign, digits with an optional point (at least one
// digit in all) and an optional exponent with at least one digit.
bool isDecimalNumber(std::string_view text) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    ++pos;
  }
  std::size_t mantissaDigits = skipDigits(text, pos);
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    mantissaDigits += skipDigits(text, pos);
  }
  if (mantissaDigits == 0) {
    return false;
  }
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      ++pos;
    }
    if (skipDigits(text, pos) == 0) {
      return false;
    }
  }
  return pos == text.size();
}

}  // namespace

// Non-finite values never come out of the evaluator; they are written
// "INF", "-INF" and "NAN", which ParseNumber does not read back. Negative
// zero is written "0".
std::string FormatGeneral(Extended value, int significantDigits) {
  if (std::isnan(value)) {
    return "NAN";
  }
  if (std::isinf(value)) {
    return value < 0 ? "-INF" : "INF";
  }
  if (value == 0) {
    return "0";
  }
  const int digits = significantDigits < 1 ? 1 : significantDigits;

  // Rounded once, by to_chars, to "d.ddde-x"; then laid out again.
  std::string scientific(static_cast<std::size_t>(digits) + 16, '\0');
  const auto written = std::to_chars(scientific.data(), scientific.data() + scientific.size(),
                                     value, std::chars_format::scientific, digits - 1);
  scientific.resize(static_cast<std::size_t>(written.ptr - scientific.data()));

  const std::size_t exponentMark = scientific.find('e');
  int exponent = 0;
  const char* exponentText = scientific.data() + exponentMark + 1;
  if (*exponentText == '+') {
    ++exponentText;
  }
  std::from_chars(exponentText, scientific.data() + scientific.size(), exponent);

  std::string mantissa;
  for (std::size_t k = 0; k < exponentMark; ++k) {
    if (isDigit(scientific[k])) {
      mantissa += scientific[k];
    }
  }
  mantissa.erase(mantissa.find_last_not_of('0') + 1);

  std::string result = value < 0 ? "-" : "";
  if (exponent < kLowestFixedExponent || exponent >= digits) {
    result += mantissa.front();
    if (mantissa.size() > 1) {
      result += '.';
      result.append(mantissa, 1);
    }
    result += 'E';
    result += std::to_string(exponent);
  } else if (exponent < 0) {
    result += "0.";
    result.append(static_cast<std::size_t>(-exponent - 1), '0');
    result += mantissa;
  } else {
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= integerDigits) {
      result += mantissa;
      result.append(integerDigits - mantissa.size(), '0');
    } else {
      result.append(mantissa, 0, integerDigits);
      result += '.';
      result.append(mantissa, integerDigits);
    }
  }
  return result;
}

// A value too large or too small (below the normal range, other than zero)
// for Extended is out of range: false.
bool ParseNumber(const std::string& text, Extended& value) {
  if (!isDecimalNumber(text)) {
    return false;
  }
  // from_chars takes no "+" sign.
  const std::size_t start = text.front() == '+' ? 1 : 0;
  const char* end = text.data() + text.size();
  Extended parsed = 0;
  const auto read = std::from_chars(text.data() + start, end, parsed, std::chars_format::general);
  if (read.ec != std::errc() || read.ptr != end) {
    return false;
  }
  value = parsed;
  return true;
}
