#include "output/fortran_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "output/decimal_digits.h"

namespace bormek::fmt {
namespace {

// A formatted field before alignment: sign, body (digits, point, exponent).
struct Field {
  char text[64];
  int length = 0;
  void put(char c) { text[length++] = c; }
  void put(const char* begin, const char* end) {
    while (begin != end) {
      put(*begin++);
    }
  }
};

void appendAsterisks(std::string& out, int w) {
  out.append(static_cast<std::size_t>(w > 0 ? w : 0), '*');
}

// Right-aligns the field in w columns, or gives w asterisks when it does
// not fit. Fortran drops the optional leading zero of "0.xxx" when the field
// is one column short of holding it.
void appendAligned(std::string& out, bool negative, const Field& body, int w) {
  int start = 0;
  const int sign = negative ? 1 : 0;
  if (sign + body.length > w && body.length > 1 && body.text[0] == '0' && body.text[1] == '.') {
    start = 1;
  }
  const int length = sign + body.length - start;
  if (length > w) {
    appendAsterisks(out, w);
    return;
  }
  out.append(static_cast<std::size_t>(w - length), ' ');
  if (negative) {
    out.push_back('-');
  }
  out.append(body.text + start, static_cast<std::size_t>(body.length - start));
}

void appendText(std::string& out, const std::string& text, int w) {
  if (static_cast<int>(text.size()) > w) {
    appendAsterisks(out, w);
    return;
  }
  out.append(static_cast<std::size_t>(w) - text.size(), ' ');
  out += text;
}

// Non-finite values never belong in a report; print them visibly, as
// gfortran does, rather than as digits.
void appendNonFinite(std::string& out, float value, int w) {
  if (std::isnan(value)) {
    appendText(out, "NaN", w);
    return;
  }
  const std::string sign = std::signbit(value) ? "-" : "";
  const std::string longForm = sign + "Infinity";
  appendText(out, static_cast<int>(longForm.size()) <= w ? longForm : sign + "Inf", w);
}

void appendInteger(std::string& out, long long value, int w) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  const auto length = static_cast<int>(result.ptr - buffer);
  if (length > w) {
    appendAsterisks(out, w);
    return;
  }
  out.append(static_cast<std::size_t>(w - length), ' ');
  out.append(buffer, static_cast<std::size_t>(length));
}

// The digits of value x 10^d as a fixed-point number: the integer part
// (at least "0"), then "." and d decimals when d > 0.
void putFixedDigits(Field& body, std::uint64_t scaled, int d) {
  char digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + scaled % 10);
    scaled /= 10;
  } while (scaled != 0 || count <= d);
  for (int k = count - 1; k >= 0; --k) {
    if (k == d - 1) {
      body.put('.');
    }
    body.put(digits[k]);
  }
}

void appendFixed(std::string& out, float value, int w, int d) {
  if (!std::isfinite(value)) {
    appendNonFinite(out, value, w);
    return;
  }
  Field body;
  if (std::uint64_t scaled = 0; roundedScaled(std::fabs(value), d, scaled)) {
    putFixedDigits(body, scaled, d);
  } else {
    const double magnitude = std::fabs(static_cast<double>(value));
    const auto result = std::to_chars(body.text, body.text + sizeof body.text - 1, magnitude,
                                      std::chars_format::fixed, d);
    if (result.ec != std::errc()) {
      appendAsterisks(out, w);
      return;
    }
    body.length = static_cast<int>(result.ptr - body.text);
  }
  if (d == 0) {
    body.put('.');
  }
  appendAligned(out, std::signbit(value), body, w);
}

// Exponent field: "E+01" for two digits; three-digit exponents drop the E.
void putExponent(Field& body, int exponent) {
  const int magnitude = std::abs(exponent);
  if (magnitude <= 99) {
    body.put('E');
  }
  body.put(exponent < 0 ? '-' : '+');
  char digits[8];
  const auto result = std::to_chars(digits, digits + sizeof digits, magnitude);
  if (magnitude < 10) {
    body.put('0');
  }
  body.put(digits, result.ptr);
}

void appendExponent(std::string& out, float value, int w, int d) {
  if (!std::isfinite(value)) {
    appendNonFinite(out, value, w);
    return;
  }
  const int digits = d > 0 ? d : 1;
  Field body;
  body.put('0');
  body.put('.');
  int exponent = 0;
  const double magnitude = std::fabs(static_cast<double>(value));
  if (magnitude == 0.0) {
    for (int k = 0; k < digits; ++k) {
      body.put('0');
    }
  } else if (char fast[kMaxFastDigits]; roundedDigits(std::fabs(value), digits, fast, exponent)) {
    body.put(fast, fast + digits);
    exponent += 1;
  } else {
    // d.ddd e±x from the exact binary value, then shifted to 0.dddd form.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, digits - 1);
    if (result.ec != std::errc()) {
      appendAsterisks(out, w);
      return;
    }
    const char* e = buffer;
    while (*e != 'e') {
      if (*e != '.') {
        body.put(*e);
      }
      ++e;
    }
    std::from_chars(e + (e[1] == '+' ? 2 : 1), result.ptr, exponent);
    exponent += 1;
  }
  putExponent(body, exponent);
  appendAligned(out, std::signbit(value), body, w);
}

}  // namespace

std::string X(int n) {
  return std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' ');
}

std::string I(long long value, int w) {
  std::string out;
  appendInteger(out, value, w);
  return out;
}

std::string F(float value, int w, int d) {
  std::string out;
  appendFixed(out, value, w, d);
  return out;
}

std::string E(float value, int w, int d) {
  std::string out;
  appendExponent(out, value, w, d);
  return out;
}

std::string A(std::string_view text, int w) {
  const auto width = static_cast<std::size_t>(w > 0 ? w : 0);
  std::string field(text.substr(0, width));
  field.resize(width, ' ');
  return field;
}

Record& Record::X(int n) {
  text_.append(static_cast<std::size_t>(n > 0 ? n : 0), ' ');
  return *this;
}

Record& Record::I(long long value, int w) {
  appendInteger(text_, value, w);
  return *this;
}

Record& Record::F(float value, int w, int d) {
  appendFixed(text_, value, w, d);
  return *this;
}

Record& Record::E(float value, int w, int d) {
  appendExponent(text_, value, w, d);
  return *this;
}

Record& Record::A(std::string_view text) {
  text_ += text;
  return *this;
}

Record& Record::A(std::string_view text, int w) {
  const auto width = static_cast<std::size_t>(w > 0 ? w : 0);
  const std::string_view cut = text.substr(0, width);
  text_ += cut;
  text_.append(width - cut.size(), ' ');
  return *this;
}

Record& Record::Slash() {
  text_ += '\n';
  return *this;
}

}  // namespace bormek::fmt
