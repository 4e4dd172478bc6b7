#include "runner/run_status.h"

std::string statusInWords(std::int32_t status) {
  switch (status) {
    case kRunCompleted:
      return "run completed";
    case kRunRequestRefused:
      return "request refused by the engine";
    case kRunSideCurveExceeded:
    case kRunTipCurveExceeded:
      return "load-settlement stopped: a value beyond a curve's extent";
    case kRunDesignLoadNotReached:
      return "design load not reached (NEED ANOTHER SOIL LAYER)";
    case kRunControlMissing:
      return "names.dat missing or incomplete";
    case kRunInputUnreadable:
      return "input file missing, unreadable or malformed";
    case kRunOutputNotCreated:
      return "an output file cannot be created";
    case kRunInternalError:
      return "internal error of the engine";
    case kRunLibraryUnusable:
      return "the engine library cannot be used";
    default:
      return "unknown status";
  }
}
