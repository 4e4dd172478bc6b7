#include "output/fortran_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace bormek::fmt {
namespace {

std::string asterisks(int w) {
  return std::string(static_cast<std::size_t>(w > 0 ? w : 0), '*');
}

// Right-aligns text in w columns, or gives w asterisks when it does not fit.
std::string rightAligned(const std::string& text, int w) {
  const auto width = static_cast<std::size_t>(w > 0 ? w : 0);
  if (text.size() > width) {
    return asterisks(w);
  }
  return std::string(width - text.size(), ' ') + text;
}

// Fortran drops the optional leading zero of "0.xxx" when the field is one
// column short of holding it.
std::string fitLeadingZero(const std::string& sign, const std::string& body, int w) {
  std::string full = sign + body;
  if (static_cast<int>(full.size()) > w && body.size() > 1 && body[0] == '0' && body[1] == '.') {
    full = sign + body.substr(1);
  }
  return rightAligned(full, w);
}

// Non-finite values never belong in a report; print them visibly, as
// gfortran does, rather than as digits.
std::string nonFinite(float value, int w) {
  if (std::isnan(value)) {
    return rightAligned("NaN", w);
  }
  const std::string sign = std::signbit(value) ? "-" : "";
  const std::string longForm = sign + "Infinity";
  if (static_cast<int>(longForm.size()) <= w) {
    return rightAligned(longForm, w);
  }
  return rightAligned(sign + "Inf", w);
}

std::string exponentField(int exponent) {
  const char sign = exponent < 0 ? '-' : '+';
  const int magnitude = std::abs(exponent);
  std::string digits = std::to_string(magnitude);
  if (magnitude <= 99) {
    return std::string("E") + sign + (magnitude < 10 ? "0" : "") + digits;
  }
  return std::string(1, sign) + digits;  // three-digit exponents drop the E
}

}  // namespace

std::string X(int n) {
  return std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' ');
}

std::string I(long long value, int w) {
  return rightAligned(std::to_string(value), w);
}

std::string F(float value, int w, int d) {
  if (!std::isfinite(value)) {
    return nonFinite(value, w);
  }
  char buffer[64];
  const double magnitude = std::fabs(static_cast<double>(value));
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, d);
  if (result.ec != std::errc()) {
    return asterisks(w);
  }
  std::string body(buffer, result.ptr);
  if (d == 0) {
    body += '.';
  }
  return fitLeadingZero(std::signbit(value) ? "-" : "", body, w);
}

std::string E(float value, int w, int d) {
  if (!std::isfinite(value)) {
    return nonFinite(value, w);
  }
  const int digits = d > 0 ? d : 1;
  std::string mantissa;
  int exponent = 0;
  const double magnitude = std::fabs(static_cast<double>(value));
  if (magnitude == 0.0) {
    mantissa.assign(static_cast<std::size_t>(digits), '0');
  } else {
    // d.ddd e±x from the exact binary value, then shifted to 0.dddd form.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, digits - 1);
    if (result.ec != std::errc()) {
      return asterisks(w);
    }
    const std::string text(buffer, result.ptr);
    const auto ePos = text.find('e');
    for (std::size_t k = 0; k < ePos; ++k) {
      if (text[k] != '.') {
        mantissa += text[k];
      }
    }
    exponent = std::stoi(text.substr(ePos + 1)) + 1;
  }
  return fitLeadingZero(std::signbit(value) ? "-" : "", "0." + mantissa + exponentField(exponent),
                        w);
}

std::string A(std::string_view text, int w) {
  const auto width = static_cast<std::size_t>(w > 0 ? w : 0);
  std::string field(text.substr(0, width));
  field.resize(width, ' ');
  return field;
}

Record& Record::X(int n) {
  text_ += fmt::X(n);
  return *this;
}

Record& Record::I(long long value, int w) {
  text_ += fmt::I(value, w);
  return *this;
}

Record& Record::F(float value, int w, int d) {
  text_ += fmt::F(value, w, d);
  return *this;
}

Record& Record::E(float value, int w, int d) {
  text_ += fmt::E(value, w, d);
  return *this;
}

Record& Record::A(std::string_view text) {
  text_ += text;
  return *this;
}

Record& Record::A(std::string_view text, int w) {
  text_ += fmt::A(text, w);
  return *this;
}

Record& Record::Slash() {
  text_ += '\n';
  return *this;
}

}  // namespace bormek::fmt
