// The run statuses in the words of the README's status table.
#include "runner/run_status.h"

#include <gtest/gtest.h>

#include "support/status_words.h"

namespace {

TEST(RunStatus, EveryStatusHasTheWordsOfTheStatusTable) {
  for (const auto& c : bormek::testing::kEngineStatusWords) {
    EXPECT_EQ(statusInWords(c.status), c.words) << c.status;
  }
  // The runner's own: a library it could not use, and no status at all.
  EXPECT_EQ(statusInWords(10), "the engine library cannot be used");
  EXPECT_EQ(statusInWords(-1), "unknown status");
}

}  // namespace
