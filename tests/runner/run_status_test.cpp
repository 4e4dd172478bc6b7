// The run statuses in the words of the README's status table.
#include "runner/run_status.h"

#include <gtest/gtest.h>

namespace {

TEST(RunStatus, EveryStatusHasTheWordsOfTheStatusTable) {
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
      {10, "the engine library cannot be used"},
      {3, "unknown status"},
      {-1, "unknown status"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(statusInWords(c.status), c.words) << c.status;
  }
}

}  // namespace
