// The exported edge of the engine library: one 32-bit integer in, the run
// status out, C linkage. Everything else in the library stays hidden.
#include <cstdint>

#include "entry/engine_run.h"

#define BORMEK_EXPORT extern "C" __attribute__((visibility("default")))

BORMEK_EXPORT std::int32_t IBORMEK(std::int32_t request) {
  return bormek::runEngine(request);
}

// The same routine under the decorated name that callers resolve; the
// symbol name is set here because a leading underscore and capital are
// reserved in C++ source.
BORMEK_EXPORT std::int32_t decoratedIBORMEK(std::int32_t request) __asm__("_IBORMEK");
BORMEK_EXPORT std::int32_t decoratedIBORMEK(std::int32_t request) {
  return bormek::runEngine(request);
}
