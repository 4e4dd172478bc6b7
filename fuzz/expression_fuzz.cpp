// The evaluator of typed numbers on arbitrary text. Its two documented
// errors are valid outcomes; any other exception, a crash, a sanitizer
// report or a hang is a finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/expression_evaluator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    static_cast<void>(Evaluate(text));
  } catch (const EAssignError&) {
  } catch (const EMathError&) {
  }
  return 0;
}
