// The words of each run status, as the README's status table gives them:
// bormek-run prints them and the results file holds them, so a batch
// summary reads alike whether its line came from a results file or from
// the run alone. Status 3 is none of the engine's.
#pragma once

#include <cstdint>

namespace bormek::testing {

struct StatusWords {
  std::int32_t status;
  const char* words;
};

inline constexpr StatusWords kEngineStatusWords[] = {
    {0, "run completed"},
    {1, "request refused by the engine"},
    {2, "load-settlement stopped: a value beyond a curve's extent"},
    {4, "load-settlement stopped: a value beyond a curve's extent"},
    {5, "design load not reached (NEED ANOTHER SOIL LAYER)"},
    {6, "names.dat missing or incomplete"},
    {7, "input file missing, unreadable or malformed"},
    {8, "an output file cannot be created"},
    {9, "internal error of the engine"},
    {3, "unknown status"},
};

}  // namespace bormek::testing
