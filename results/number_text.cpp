#include "results/number_text.h"

#include <charconv>
#include <cmath>

std::string shortestText(double value) {
  if (!std::isfinite(value)) {
    return {};
  }
  constexpr std::size_t kLongestDouble = 32;
  char text[kLongestDouble];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}
