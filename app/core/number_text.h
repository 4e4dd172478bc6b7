// Extended-precision numbers as the application holds them, and their text
// form: "." as decimal separator and no digit grouping, whatever the
// user's locale.
#pragma once

#include <string>

using Extended = long double;

// General format with at most `significantDigits` digits: fixed notation
// for moderate exponents, otherwise a mantissa and "E" with a signed
// exponent without leading zeros ("1E-6", "1.5E20"); no trailing zeros.
std::string FormatGeneral(Extended value, int significantDigits);

// Reads a whole text as a decimal number ("12", "-1.5", ".5", "1E-6",
// "2.5e+3"); false when the text is not one.
bool ParseNumber(const std::string& text, Extended& value);
