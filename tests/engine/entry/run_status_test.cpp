// The meaning of each status as the results file gives it: the same words
// bormek-run prints, so a batch summary reads alike whether its line came
// from a results file or from the run alone.
#include "entry/run_status.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StatusMeaning, EveryStatusHasTheWordsTheRunnerPrints) {
  const struct {
    std::int32_t status;
    const char* words;
  } cases[] = {
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
  for (const auto& c : cases) {
    EXPECT_EQ(std::string(bormek::statusMeaning(c.status)), c.words) << c.status;
  }
}

}  // namespace
