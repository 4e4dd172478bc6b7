// The shortest text of a float against the standard library's own
// shortest conversion, and against reading the text back.
#include "output/float_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace bormek {
namespace {

std::string shortestOf(float value) {
  char text[kFloatTextCapacity];
  return std::string(text, writeShortestFloat(text, value));
}

std::string libraryTextOf(float value) {
  char text[64];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

TEST(FloatText, KnownValuesReadAsPeopleWriteThem) {
  const std::pair<float, const char*> cases[] = {
      {0.0f, "0"},
      {-0.0f, "-0"},
      {1.0f, "1"},
      {0.1f, "0.1"},
      {-2.5f, "-2.5"},
      {200.0f, "200"},
      {3600000.0f, "3600000"},  // as long as 3.6e+06: the fixed form wins the tie
      {1e10f, "1e+10"},
      {10000000.0f, "1e+07"},
      {123456.789f, "123456.79"},
      {0.00012345f, "0.00012345"},
      {1.5e-5f, "1.5e-05"},
      {2147935744.0f, "2147935744"},  // exact integer, nearer than 2147935700
      {std::numeric_limits<float>::max(), "3.4028235e+38"},
      {std::numeric_limits<float>::min(), "1.1754944e-38"},
      {std::numeric_limits<float>::denorm_min(), "1e-45"},
  };
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(shortestOf(value), text) << text;
  }
}

// Every 4099th bit pattern, both signs, so that each exponent is met many
// times; the whole range was compared once, exhaustively, when written.
TEST(FloatText, MatchesTheLibraryAndReadsBackAcrossTheWholeRange) {
  constexpr std::uint64_t kStride = 4099;
  constexpr std::uint64_t kPatterns = std::uint64_t{1} << 32;
  int mismatches = 0;
  for (std::uint64_t bits = 0; bits < kPatterns && mismatches < 10; bits += kStride) {
    const auto value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
    if (!std::isfinite(value)) {
      continue;
    }
    const std::string text = shortestOf(value);
    float back = 0.0f;
    std::from_chars(text.data(), text.data() + text.size(), back);
    const bool same = text == libraryTextOf(value) &&
                      std::bit_cast<std::uint32_t>(back) == static_cast<std::uint32_t>(bits);
    if (!same) {
      ++mismatches;
      ADD_FAILURE() << "bits " << bits << ": " << text << " against " << libraryTextOf(value);
    }
  }
}

TEST(FloatText, PowersOfTwoAndTenAndTheirNeighbours) {
  int mismatches = 0;
  for (int exponent = -45; exponent <= 38 && mismatches < 10; ++exponent) {
    const float powersAndNeighbours[] = {std::ldexp(1.0f, exponent),
                                         static_cast<float>(std::pow(10.0, exponent))};
    for (const float power : powersAndNeighbours) {
      for (const float value : {std::nextafter(power, 0.0f), power, std::nextafter(power, 1e38f)}) {
        if (std::isfinite(value) && shortestOf(value) != libraryTextOf(value)) {
          ++mismatches;
          ADD_FAILURE() << shortestOf(value) << " against " << libraryTextOf(value);
        }
      }
    }
  }
}

}  // namespace
}  // namespace bormek
