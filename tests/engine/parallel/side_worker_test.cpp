// The run's side worker: every part and job runs once, jobs posted in
// order keep it whichever thread runs them, and what a part or job throws
// reaches the caller without stopping the worker.
#include "parallel/side_worker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

namespace bormek {
namespace {

TEST(SideWorker, EveryPartAndJobRunsOnceAndJobsInOrderKeepIt) {
  SideWorker worker;
  constexpr int kRounds = 200;
  constexpr int kParts = 7;
  std::vector<int> jobOrder;
  std::atomic<int> anyOrderRuns{0};
  for (int round = 0; round < kRounds; ++round) {
    // Jobs queued before the parts may still be running beside them.
    worker.post([&jobOrder, round] { jobOrder.push_back(round); });
    worker.postAnyOrder([&anyOrderRuns] { ++anyOrderRuns; });
    std::vector<std::atomic<int>> runs(kParts);
    worker.shareParts(kParts, [&runs](int part) { ++runs[static_cast<std::size_t>(part)]; });
    for (int part = 0; part < kParts; ++part) {
      ASSERT_EQ(runs[static_cast<std::size_t>(part)].load(), 1)
          << "round " << round << ", part " << part;
    }
  }
  // A backlog of both kinds, which finish() shares with the worker.
  for (int round = kRounds; round < 2 * kRounds; ++round) {
    worker.post([&jobOrder, round] { jobOrder.push_back(round); });
    worker.postAnyOrder([&anyOrderRuns] { ++anyOrderRuns; });
  }
  worker.finish();
  EXPECT_EQ(anyOrderRuns.load(), 2 * kRounds);
  ASSERT_EQ(jobOrder.size(), static_cast<std::size_t>(2 * kRounds));
  for (int round = 0; round < 2 * kRounds; ++round) {
    EXPECT_EQ(jobOrder[static_cast<std::size_t>(round)], round);
  }
}

TEST(SideWorker, FailuresReachTheCallerAndTheWorkerGoesOn) {
  SideWorker worker;
  constexpr int kParts = 4;
  std::atomic<int> ran{0};
  const auto failingPart = [&ran](int part) {
    ++ran;
    if (part == kParts - 1) {
      throw std::runtime_error("part failed");
    }
  };
  EXPECT_THROW(worker.shareParts(kParts, failingPart), std::runtime_error);
  // The other parts still ran: none is left half done behind the caller.
  EXPECT_EQ(ran.load(), kParts);

  worker.post([] { throw std::runtime_error("job failed"); });
  bool laterJobRan = false;
  worker.post([&laterJobRan] { laterJobRan = true; });
  EXPECT_THROW(worker.finish(), std::runtime_error);
  EXPECT_TRUE(laterJobRan);

  // Both failures were handed over once; the worker still takes work.
  std::atomic<int> sum{0};
  worker.shareParts(2, [&sum](int part) { sum += part + 1; });
  EXPECT_EQ(sum.load(), 3);
  EXPECT_NO_THROW(worker.finish());
}

TEST(SideWorker, QueuedJobsRunBeforeTheWorkerStops) {
  std::vector<int> done;
  {
    SideWorker worker;
    for (int k = 0; k < 50; ++k) {
      worker.post([&done, k] { done.push_back(k); });
    }
  }
  ASSERT_EQ(done.size(), 50u);
  EXPECT_EQ(done.back(), 49);
}

}  // namespace
}  // namespace bormek
