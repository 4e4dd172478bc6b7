#include "input/input_limits.h"

#include <cctype>
#include <charconv>

namespace bormek {

std::string foundText(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return text;
}

std::string limitText(const LengthLimit& limit, bool si) {
  return foundText(limit.in(si)) + (si ? " M" : " FT");
}

}  // namespace bormek
