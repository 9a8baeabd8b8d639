#include "sched/scheduler.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "roman/roman.h"

namespace {

TEST(Scheduler, GivesTheSameListForEveryWorkerCount) {
  const std::pair<uint64_t, uint64_t> kRanges[] = {
      {0, 3999}, {0, 9999}, {1, 10}, {1, 9},       {1, 3},
      {7, 7},    {7, 8},    {0, 1},  {9990, 9999}, {123, 4567}};
  for (const auto& [from, to] : kRanges) {
    const NumeralList expected = nToRoman(from, to, 0);
    for (unsigned workers = 1; workers <= 8; ++workers) {
      SCOPED_TRACE(std::to_string(from) + ".." + std::to_string(to) + " on " +
                   std::to_string(workers));
      const joblist job{from, to, kModeNumbersToRoman};
      EXPECT_EQ(expected, scheduler(&job, static_cast<WorkerCount>(workers)));
    }
  }
}

TEST(Scheduler, RunsRepeatedlyWithoutInterference) {
  const joblist job{0, 9999, kModeNone};
  const NumeralList expected = nToRoman(0, 9999, 0);
  for (int round = 0; round < 20; ++round) {
    EXPECT_EQ(expected, scheduler(&job, 2));
    EXPECT_EQ(expected, scheduler(&job, 5));
  }
}

TEST(Scheduler, ReturnsNothingForNoWorkers) {
  const joblist job{1, 3999, kModeNone};
  EXPECT_TRUE(scheduler(&job, 0).empty());
}

TEST(Scheduler, PassesOnAWorkersFailureAfterJoiningAll) {
  // Only the last share holds values without a numeral.
  const joblist job{0, 10000, kModeNone};
  EXPECT_THROW(scheduler(&job, 1), std::out_of_range);
  EXPECT_THROW(scheduler(&job, 2), std::out_of_range);
  EXPECT_THROW(scheduler(&job, 8), std::out_of_range);
}

}  // namespace
