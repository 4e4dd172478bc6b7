// Run status codes returned by the engine entry, and the exception that
// unwinds a run to the entry once its messages have been written.
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

// Thrown inside the engine after the reason has been written to the run
// notes (and the report where it is open); the entry returns its status.
struct RunStopped {
  std::int32_t status;
};

}  // namespace bormek
