#include "entry/run_status.h"

namespace bormek {
namespace {

struct StatusText {
  std::int32_t status;
  const char* meaning;
};

constexpr StatusText kMeanings[] = {
    {kStatusCompleted, "run completed"},
    {kStatusBadRequest, "request refused by the engine"},
    {kStatusSideCurveExceeded, "load-settlement stopped: a value beyond a curve's extent"},
    {kStatusTipCurveExceeded, "load-settlement stopped: a value beyond a curve's extent"},
    {kStatusDesignLoadNotReached, "design load not reached (NEED ANOTHER SOIL LAYER)"},
    {kStatusRunControlMissing, "names.dat missing or incomplete"},
    {kStatusInputUnreadable, "input file missing, unreadable or malformed"},
    {kStatusOutputNotCreated, "an output file cannot be created"},
    {kStatusInternalError, "internal error of the engine"},
};

}  // namespace

const char* statusMeaning(std::int32_t status) {
  for (const StatusText& entry : kMeanings) {
    if (entry.status == status) {
      return entry.meaning;
    }
  }
  return "unknown status";
}

}  // namespace bormek
