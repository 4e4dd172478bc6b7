// The meaning of each status as the results file gives it: the same words
// bormek-run prints.
#include "entry/run_status.h"

#include <gtest/gtest.h>

#include <string>

#include "support/status_words.h"

namespace {

TEST(StatusMeaning, EveryStatusHasTheWordsTheRunnerPrints) {
  for (const auto& c : bormek::testing::kEngineStatusWords) {
    EXPECT_EQ(std::string(bormek::statusMeaning(c.status)), c.words) << c.status;
  }
}

}  // namespace
