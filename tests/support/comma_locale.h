// Sets a locale whose decimal separator is a comma for the life of the
// object and restores "C" afterwards, whatever the test's outcome.
#pragma once

#include <clocale>
#include <locale>
#include <stdexcept>
#include <string>

namespace bormek::testing {

class CommaDecimalLocale {
 public:
  CommaDecimalLocale() {
    if (std::setlocale(LC_ALL, kName) == nullptr) {
      return;
    }
    try {
      std::locale::global(std::locale(kName));
    } catch (const std::runtime_error&) {
      return;
    }
    active_ = std::string(std::localeconv()->decimal_point) == ",";
  }
  ~CommaDecimalLocale() {
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
  }
  CommaDecimalLocale(const CommaDecimalLocale&) = delete;
  CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

  bool active() const { return active_; }

 private:
  static constexpr const char* kName = "de_DE.UTF-8";
  bool active_ = false;
};

}  // namespace bormek::testing
