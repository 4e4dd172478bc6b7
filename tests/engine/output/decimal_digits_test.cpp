// The integer route to the significant digits against the standard
// library's correctly rounded conversion of the same (exact) value.
#include "output/decimal_digits.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace bormek::fmt {
namespace {

struct Digits {
  std::string text;
  int exponent10 = 0;
};

// d.ddd digits and exponent from std::to_chars on the float's exact value.
Digits libraryDigits(float value, int digits) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                    std::chars_format::scientific, digits - 1);
  Digits d;
  const char* p = buffer;
  for (; *p != 'e'; ++p) {
    if (*p != '.') {
      d.text.push_back(*p);
    }
  }
  std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, d.exponent10);
  return d;
}

void expectSameDigits(float value, int digits, int& compared) {
  char out[kMaxFastDigits];
  int exponent10 = 0;
  if (!roundedDigits(value, digits, out, exponent10)) {
    return;
  }
  ++compared;
  const Digits expected = libraryDigits(value, digits);
  ASSERT_EQ(std::string(out, static_cast<std::size_t>(digits)), expected.text)
      << value << " to " << digits << " digits";
  ASSERT_EQ(exponent10, expected.exponent10) << value << " to " << digits << " digits";
}

TEST(RoundedDigits, AgreeWithTheLibraryAcrossTheFloatRange) {
  int compared = 0;
  // Every 4999th float from the smallest normal to the largest finite one.
  for (std::uint32_t bits = 0x00800000u; bits < 0x7f800000u; bits += 4999u) {
    for (int digits = 1; digits <= kMaxFastDigits; ++digits) {
      expectSameDigits(std::bit_cast<float>(bits), digits, compared);
    }
  }
  // Exact ties at every digit count: halves of integers and their neighbours.
  for (int k = 1; k < 200000; k += 7) {
    const float half = static_cast<float>(k) + 0.5f;
    for (int digits = 1; digits <= 7; ++digits) {
      expectSameDigits(half, digits, compared);
      expectSameDigits(std::nextafter(half, 0.0f), digits, compared);
      expectSameDigits(std::nextafter(half, 1e9f), digits, compared);
    }
  }
  // The plot file's and the report's values, 1e-9 to 1e9, take this route.
  EXPECT_GT(compared, 2000000);
}

// value x 10^decimals from std::to_chars's fixed form of the exact value.
std::uint64_t libraryScaled(float value, int decimals) {
  char buffer[80];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                    std::chars_format::fixed, decimals);
  std::string digits;
  for (const char* p = buffer; p != result.ptr; ++p) {
    if (*p != '.') {
      digits.push_back(*p);
    }
  }
  return std::stoull(digits);
}

TEST(RoundedScaled, AgreesWithTheLibraryFromZeroToTenBillion) {
  int compared = 0;
  for (std::uint32_t bits = 0; bits < 0x50800000u; bits += 4999u) {
    const float value = std::bit_cast<float>(bits);
    for (int decimals = 0; decimals <= 4; ++decimals) {
      std::uint64_t scaled = 0;
      if (!roundedScaled(value, decimals, scaled)) {
        continue;
      }
      ++compared;
      ASSERT_EQ(scaled, libraryScaled(value, decimals)) << value << " to " << decimals;
    }
  }
  // Exact ties: 0.125 and 0.375 to two decimals go to the even digit.
  std::uint64_t scaled = 0;
  ASSERT_TRUE(roundedScaled(0.125f, 2, scaled));
  EXPECT_EQ(scaled, 12u);
  ASSERT_TRUE(roundedScaled(0.375f, 2, scaled));
  EXPECT_EQ(scaled, 38u);
  // Values below about 1e-9 take the general route.
  EXPECT_GT(compared, 500000);
}

TEST(RoundedDigits, LeaveValuesOutsideTheirRangeToTheGeneralRoute) {
  char out[kMaxFastDigits];
  int exponent10 = 0;
  EXPECT_FALSE(roundedDigits(0.0f, 3, out, exponent10));
  EXPECT_FALSE(roundedDigits(1e-40f, 3, out, exponent10));  // subnormal
  EXPECT_FALSE(roundedDigits(3.4e38f, 3, out, exponent10));
  EXPECT_FALSE(roundedDigits(2.5f, kMaxFastDigits + 1, out, exponent10));
  std::uint64_t scaled = 0;
  EXPECT_FALSE(roundedScaled(3.4e38f, 1, scaled));
  EXPECT_FALSE(roundedScaled(-1.0f, 1, scaled));
  ASSERT_TRUE(roundedDigits(2.5f, 1, out, exponent10));
  EXPECT_EQ(out[0], '2');  // a tie goes to the even digit
  EXPECT_EQ(exponent10, 0);
}

}  // namespace
}  // namespace bormek::fmt
