// The status of one run: the engine's result, as the engine returns it and
// the README lists it, or the runner's own when the engine library could
// not be used. The engine's codes are named again here, apart from
// engine/entry/run_status.h, because the programs load the engine at run
// time and never include it.
#pragma once

#include <cstdint>
#include <string>

enum RunResult : std::int32_t {
  kRunCompleted = 0,
  kRunRequestRefused = 1,
  kRunSideCurveExceeded = 2,
  kRunTipCurveExceeded = 4,
  kRunDesignLoadNotReached = 5,
  kRunControlMissing = 6,
  kRunInputUnreadable = 7,
  kRunOutputNotCreated = 8,
  kRunInternalError = 9,
  kRunLibraryUnusable = 10,  // the runner's own: the engine was never called
};

// The status in words, for summaries and messages.
std::string statusInWords(std::int32_t status);
