// Run status codes returned by the engine entry.
#pragma once

#include <cstdint>

namespace bormek {

enum RunStatus : std::int32_t {
  kStatusCompleted = 0,
  kStatusBadRequest = 1,
  kStatusSideCurveExceeded = 2,
  kStatusTipCurveExceeded = 4,
  kStatusDesignLoadNotReached = 5,
  kStatusRunControlMissing = 6,
  kStatusInputUnreadable = 7,
  kStatusOutputNotCreated = 8,
  kStatusInternalError = 9,
};

// The status in the README's words; "unknown status" for any other code.
const char* statusMeaning(std::int32_t status);

}  // namespace bormek
