// The shortest decimal text that reads back to the same single-precision
// value, character for character as std::to_chars(float) writes it: fixed
// or exponent form, whichever is shorter (fixed on a tie), the digits
// nearest the value among the shortest, "." as decimal point whatever the
// locale.
//
// Written because the results file holds up to a few hundred thousand
// numbers and the library's general routine took most of the time spent on
// it. Normal values go through the Schubfach method (a 64-bit power-of-ten
// table and one rounding to odd); zero, subnormal and non-finite values go
// to std::to_chars.
#pragma once

#include <cstddef>

namespace bormek {

// Room the writer needs: the longest text, "-1.17549435e-38", is shorter,
// but digits are moved in blocks of a fixed size.
inline constexpr std::size_t kFloatTextCapacity = 32;

// Writes the text of `value` at `first`, which must have room for
// kFloatTextCapacity characters (those after the text may be overwritten);
// returns the end of the text.
char* writeShortestFloat(char* first, float value);

}  // namespace bormek
