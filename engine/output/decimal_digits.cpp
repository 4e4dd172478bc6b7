#include "output/decimal_digits.h"

#include <array>
#include <bit>
#include <cstdint>
#include <limits>

namespace bormek::fmt {
namespace {

using U64 = std::uint64_t;

constexpr int kFloatFractionBits = 23;
constexpr int kFloatExponentBias = 150;  // 127 + the 23 fraction bits
constexpr U64 kMaxU64 = std::numeric_limits<U64>::max();
constexpr int kMaxShift = 63;
constexpr int kMaxPowerOfFive = 27;  // 5^27 < 2^63

constexpr U64 powerOf(U64 base, int exponent) {
  U64 result = 1;
  for (int k = 0; k < exponent; ++k) {
    result *= base;
  }
  return result;
}

// 5^0 to 5^27 and 10^0 to 10^9, looked up rather than multiplied out for
// every number written.
constexpr auto kPowersOfFive = [] {
  std::array<U64, kMaxPowerOfFive + 1> powers{};
  for (int k = 0; k <= kMaxPowerOfFive; ++k) {
    powers[static_cast<std::size_t>(k)] = powerOf(5, k);
  }
  return powers;
}();
constexpr auto kPowersOfTen = [] {
  std::array<U64, kMaxFastDigits + 1> powers{};
  for (int k = 0; k <= kMaxFastDigits; ++k) {
    powers[static_cast<std::size_t>(k)] = powerOf(10, k);
  }
  return powers;
}();

// floor(b x log10(2)) for |b| below 1700: 78913 / 2^18 = 0.30103.
constexpr int kLog10Of2Times2To18 = 78913;
constexpr int kLog10Shift = 18;

// The value m x 2^e2 x 10^s as the exact fraction x / y.
struct Fraction {
  U64 x = 0;
  U64 y = 1;
};

bool shiftLeft(U64 value, int shift, U64& result) {
  if (shift > kMaxShift || value > (kMaxU64 >> shift)) {
    return false;
  }
  result = value << shift;
  return true;
}

bool scaled(U64 m, int e2, int s, Fraction& f) {
  if (s >= 0) {
    // m 5^s 2^(e2 + s)
    if (s > kMaxPowerOfFive) {
      return false;
    }
    const U64 five = kPowersOfFive[static_cast<std::size_t>(s)];
    if (m > kMaxU64 / five) {
      return false;
    }
    const U64 numerator = m * five;
    const int k = e2 + s;
    if (k >= 0) {
      return shiftLeft(numerator, k, f.x);
    }
    if (-k > kMaxShift) {
      return false;
    }
    f.x = numerator;
    f.y = U64{1} << -k;
    return true;
  }
  // m 2^(e2 - t) / 5^t with t = -s
  const int t = -s;
  if (t > kMaxPowerOfFive) {
    return false;
  }
  const U64 five = kPowersOfFive[static_cast<std::size_t>(t)];
  const int k = e2 - t;
  if (k >= 0) {
    f.y = five;
    return shiftLeft(m, k, f.x);
  }
  f.x = m;
  return shiftLeft(five, -k, f.y);
}

// The float's bits as m x 2^e2; false for zero, subnormals, infinities and
// not-a-number.
bool decompose(float magnitude, U64& m, int& e2) {
  const auto bits = std::bit_cast<std::uint32_t>(magnitude);
  const auto biased = static_cast<int>(bits >> kFloatFractionBits);
  if (biased == 0 || biased == 0xff) {
    return false;
  }
  m = (bits & ((1u << kFloatFractionBits) - 1u)) | (1u << kFloatFractionBits);
  e2 = biased - kFloatExponentBias;
  return true;
}

// x / y rounded to the nearest integer, ties to even.
U64 roundedQuotient(const Fraction& f) {
  U64 q = f.x / f.y;
  const U64 r = f.x % f.y;
  const U64 rest = f.y - r;  // compared with r: above, at or below half
  if (r > rest || (r == rest && (q & 1u) != 0)) {
    ++q;
  }
  return q;
}

}  // namespace

bool roundedDigits(float magnitude, int digits, char* out, int& exponent10) {
  U64 m = 0;
  int e2 = 0;
  if (digits < 1 || digits > kMaxFastDigits || !(magnitude > 0.0f) ||
      !decompose(magnitude, m, e2)) {
    return false;
  }
  const int binaryExponent = e2 + kFloatFractionBits;  // 2^b <= magnitude < 2^(b + 1)
  // The estimate is off by one at most; the digits tell which way.
  int e10 = (binaryExponent * kLog10Of2Times2To18) >> kLog10Shift;
  const U64 limit = kPowersOfTen[static_cast<std::size_t>(digits)];
  constexpr int kAttempts = 3;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    Fraction f;
    if (!scaled(m, e2, digits - 1 - e10, f)) {
      return false;
    }
    const U64 truncated = f.x / f.y;
    if (truncated >= limit) {
      ++e10;
      continue;
    }
    if (truncated < limit / 10) {
      --e10;
      continue;
    }
    U64 q = roundedQuotient(f);
    if (q == limit) {
      q = limit / 10;
      ++e10;
    }
    for (int k = digits - 1; k >= 0; --k) {
      out[k] = static_cast<char>('0' + q % 10);
      q /= 10;
    }
    exponent10 = e10;
    return true;
  }
  return false;
}

bool roundedScaled(float magnitude, int decimals, std::uint64_t& scaledValue) {
  if (decimals < 0 || decimals > kMaxFastDecimals || !(magnitude >= 0.0f)) {
    return false;
  }
  if (magnitude == 0.0f) {
    scaledValue = 0;
    return true;
  }
  U64 m = 0;
  int e2 = 0;
  Fraction f;
  if (!decompose(magnitude, m, e2) || !scaled(m, e2, decimals, f)) {
    return false;
  }
  scaledValue = roundedQuotient(f);
  return true;
}

}  // namespace bormek::fmt
