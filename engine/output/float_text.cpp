#include "output/float_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace bormek {
namespace {

// Binary layout of a float: value = c * 2^q with c = 2^23 + fraction bits.
constexpr int kFractionBits = 23;
constexpr std::uint32_t kFractionMask = (1u << kFractionBits) - 1u;
constexpr std::uint32_t kHiddenBit = 1u << kFractionBits;
constexpr int kExponentBias = 127 + kFractionBits;

// Below this a whole number's shortest text is its integer text: from 1e5
// on, an exponent form ("1e+05") can be shorter.
constexpr float kLeastExponentWhole = 1e5f;

// floor(q log10 2), floor(q log10 (3/4 2^q)) and floor(e log2 10) in integer
// arithmetic, exact over the exponents of a float.
int floorLog10Pow2(int q) {
  return static_cast<int>((static_cast<std::int64_t>(q) * 661971961083) >> 41);
}
int floorLog10ThreeQuartersPow2(int q) {
  return static_cast<int>((static_cast<std::int64_t>(q) * 661971961083 - 274743187321) >> 41);
}
int floorLog2Pow10(int e) {
  return static_cast<int>((static_cast<std::int64_t>(e) * 913124641741) >> 38);
}

// Upper 64-bit approximations of 10^e, e = -31 to 45: with F = floor(e log2
// 10) and G = floor(10^e 2^(125 - F)) + 1, each entry is floor(G / 2^63) + 1.
constexpr int kLeastPowerOfTen = -31;
constexpr std::array<std::uint64_t, 77> kPowersOfTen = {
    0x40E7599625A1FE7B, 0x51212FFBAF0A7E19, 0x65697BFA9ACD1DA0, 0x7EC3DAF941806507,
    0x4F3A68DBC8F03F25, 0x63090312BB2C4EEE, 0x7BCB43D769F762A9, 0x4D5F0A66A23A9DAA,
    0x60B6CD004AC94514, 0x78E480405D7B9659, 0x4B8ED0283A6D3DF8, 0x5E72843249088D76,
    0x760F253EDB4AB0D3, 0x49C97747490EAE84, 0x5C3BD5191B525A25, 0x734ACA5F6226F0AE,
    0x480EBE7B9D58566D, 0x5A126E1A84AE6C08, 0x709709A125DA070A, 0x465E6604B7A84466,
    0x57F5FF85E5925580, 0x6DF37F675EF6EAE0, 0x44B82FA09B5A52CC, 0x55E63B88C230E77F,
    0x6B5FCA6AF2BD215F, 0x431BDE82D7B634DB, 0x53E2D6238DA3C212, 0x68DB8BAC710CB296,
    0x4189374BC6A7EF9E, 0x51EB851EB851EB86, 0x6666666666666667, 0x4000000000000001,
    0x5000000000000001, 0x6400000000000001, 0x7D00000000000001, 0x4E20000000000001,
    0x61A8000000000001, 0x7A12000000000001, 0x4C4B400000000001, 0x5F5E100000000001,
    0x7735940000000001, 0x4A817C8000000001, 0x5D21DBA000000001, 0x746A528800000001,
    0x48C2739500000001, 0x5AF3107A40000001, 0x71AFD498D0000001, 0x470DE4DF82000001,
    0x58D15E1762800001, 0x6F05B59D3B200001, 0x4563918244F40001, 0x56BC75E2D6310001,
    0x6C6B935B8BBD4001, 0x43C33C1937564801, 0x54B40B1F852BDA01, 0x69E10DE76676D081,
    0x422CA8B0A00A4251, 0x52B7D2DCC80CD2E5, 0x6765C793FA10079E, 0x409F9CBC7C4A04C3,
    0x50C783EB9B5C85F3, 0x64F964E68233A770, 0x7E37BE2022C0914C, 0x4EE2D6D415B85ACF,
    0x629B8C891B267183, 0x7B426FAB61F00DE4, 0x4D0985CB1D3608AF, 0x604BE73DE4838ADA,
    0x785EE10D5DA46D91, 0x4B3B4CA85A86C47B, 0x5E0A1FD271287599, 0x758CA7C70D7292FF,
    0x4977E8DC68679BE0, 0x5BD5E313828182D7, 0x72CB5BD86321E38D, 0x47BF19673DF52E38,
    0x59AEDFC10D7279C6,
};

std::uint64_t powerOfTen(int e) {
  return kPowersOfTen[static_cast<std::size_t>(e - kLeastPowerOfTen)];
}

// g * cp / 2^95, rounded to odd: the low bit records a nonzero remainder.
std::uint32_t roundToOdd(std::uint64_t g, std::uint64_t cp) {
  __extension__ using Product = unsigned __int128;  // a GCC and Clang type
  const auto product = static_cast<Product>(g) * cp;
  const auto high = static_cast<std::uint64_t>(product >> 64);
  constexpr std::uint64_t kLow32 = 0xFFFFFFFFu;
  return static_cast<std::uint32_t>((high >> 31) | (((high & kLow32) + kLow32) >> 32));
}

struct Decimal {
  std::uint32_t digits = 0;
  int exponent = 0;  // value = digits * 10^exponent
};

// The shortest decimal in the rounding interval of c * 2^q, the nearest to
// it among the shortest (ties to an even last digit).
Decimal shortestDecimal(std::uint32_t c, int q) {
  const std::uint32_t out = c & 1u;  // an odd c excludes the interval's ends
  const std::uint64_t cb = static_cast<std::uint64_t>(c) << 2;
  const std::uint64_t cbr = cb + 2;
  // Below a power of two the lower neighbour is half as far.
  const bool powerOfTwo = c == kHiddenBit;
  const std::uint64_t cbl = powerOfTwo ? cb - 1 : cb - 2;
  const int k = powerOfTwo ? floorLog10ThreeQuartersPow2(q) : floorLog10Pow2(q);
  const int h = q + floorLog2Pow10(-k) + 33;
  const std::uint64_t g = powerOfTen(-k);
  const std::uint32_t vb = roundToOdd(g, cb << h);
  const std::uint32_t vbl = roundToOdd(g, cbl << h);
  const std::uint32_t vbr = roundToOdd(g, cbr << h);
  const std::uint32_t s = vb >> 2;
  constexpr std::uint32_t kLeastForShorter = 100;
  if (s >= kLeastForShorter) {
    // One digit fewer, when a multiple of ten lies in the interval.
    const std::uint32_t sp10 = 10 * (s / 10);
    const std::uint32_t tp10 = sp10 + 10;
    const bool upIn = vbl + out <= sp10 << 2;
    const bool wpIn = (tp10 << 2) + out <= vbr;
    if (upIn != wpIn) {
      return {upIn ? sp10 : tp10, k};
    }
  }
  const std::uint32_t t = s + 1;
  const bool uIn = vbl + out <= s << 2;
  const bool wIn = (t << 2) + out <= vbr;
  if (uIn != wIn) {
    return {uIn ? s : t, k};
  }
  const auto cmp = static_cast<std::int64_t>(vb) - static_cast<std::int64_t>((s + t) << 1);
  const bool lower = cmp < 0 || (cmp == 0 && (s & 1u) == 0);
  return {lower ? s : t, k};
}

// Copies `count` characters, at most kShortCopy, with one fixed-size copy:
// both buffers have room for kShortCopy characters, and what lies beyond
// `count` is overwritten later or ignored.
constexpr std::size_t kShortCopy = 16;
char* copyShort(char* to, const char* from, std::size_t count) {
  std::memcpy(to, from, kShortCopy);
  return to + count;
}

// Lays the digits out as fixed or exponent form, whichever is shorter. A
// fixed form that ends in zeros before the point shows the value's exact
// integer: as long as the shortest digits padded with zeros, and nearer.
char* writeDecimal(char* first, Decimal d, float magnitude) {
  while (d.digits % 10 == 0) {
    d.digits /= 10;
    ++d.exponent;
  }
  char digits[kFloatTextCapacity];
  const auto n = static_cast<std::size_t>(
      std::to_chars(digits, digits + sizeof digits, d.digits).ptr - digits);
  const int count = static_cast<int>(n);
  const int leading = count - 1 + d.exponent;  // decimal exponent of the first digit
  // A float's decimal exponent has at most two digits: "d.ddde+XX".
  const int scientificLength = count + (count > 1 ? 1 : 0) + 4;
  if (d.exponent >= 0 && leading + 1 <= scientificLength) {
    const auto whole = static_cast<std::uint64_t>(magnitude);
    return std::to_chars(first, first + kFloatTextCapacity, whole).ptr;
  }
  if (d.exponent < 0 && leading >= 0 && count + 1 <= scientificLength) {
    const auto before = static_cast<std::size_t>(leading + 1);
    first = copyShort(first, digits, before);
    *first++ = '.';
    return copyShort(first, digits + before, n - before);
  }
  if (leading < 0 && count + 1 - leading <= scientificLength) {
    *first++ = '0';
    *first++ = '.';
    first = std::fill_n(first, -leading - 1, '0');
    return copyShort(first, digits, n);
  }
  *first++ = digits[0];
  if (count > 1) {
    *first++ = '.';
    first = copyShort(first, digits + 1, n - 1);
  }
  const int exponent = std::abs(leading);
  *first++ = 'e';
  *first++ = leading < 0 ? '-' : '+';
  *first++ = static_cast<char>('0' + exponent / 10);
  *first++ = static_cast<char>('0' + exponent % 10);
  return first;
}

}  // namespace

char* writeShortestFloat(char* first, float value) {
  if (!std::isnormal(value)) {
    return std::to_chars(first, first + kFloatTextCapacity, value).ptr;
  }
  const auto bits = std::bit_cast<std::uint32_t>(value);
  if (value < 0.0f) {
    *first++ = '-';
  }
  const float magnitude = std::abs(value);
  if (magnitude < kLeastExponentWhole) {
    // Whole numbers (lengths, mostly) are their integer text, found quicker.
    const auto whole = static_cast<std::uint32_t>(magnitude);
    if (static_cast<float>(whole) == magnitude) {
      return std::to_chars(first, first + kFloatTextCapacity, whole).ptr;
    }
  }
  const int biasedExponent = static_cast<int>((bits >> kFractionBits) & 0xFFu);
  const std::uint32_t c = kHiddenBit | (bits & kFractionMask);
  return writeDecimal(first, shortestDecimal(c, biasedExponent - kExponentBias), magnitude);
}

}  // namespace bormek
