#include "sched/split.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// Checks every promise of splitRange for one call.
void expectFairCut(uint64_t from, uint64_t to, unsigned parts) {
  SCOPED_TRACE(std::to_string(from) + ".." + std::to_string(to) + " in " +
               std::to_string(parts));
  const std::vector<Share> shares = splitRange(from, to, parts);
  ASSERT_EQ(parts, shares.size());
  EXPECT_EQ(from, shares.front().from);
  EXPECT_EQ(to, shares.back().to);
  for (size_t i = 0; i < shares.size(); ++i) {
    ASSERT_LE(shares[i].from, shares[i].to);
    if (i == 0) continue;
    EXPECT_EQ(shares[i - 1].to + 1, shares[i].from);
    const uint64_t before = shares[i - 1].to - shares[i - 1].from;
    const uint64_t size = shares[i].to - shares[i].from;
    EXPECT_TRUE(before == size || before == size + 1) << "share " << i;
  }
  if (parts == 2) {
    // The first of two workers takes (to - from) / 2 + 1 values.
    EXPECT_EQ(from + (to - from) / 2, shares[0].to);
  }
}

TEST(SplitRange, CutsEverySmallRangeFairly) {
  for (unsigned parts = 2; parts <= 8; ++parts) {
    for (uint64_t values = parts; values <= 50; ++values) {
      expectFairCut(0, values - 1, parts);
      expectFairCut(9950 - values, 9949, parts);
    }
    expectFairCut(0, 9999, parts);
    expectFairCut(1, 3999, parts);
  }
}

TEST(SplitRange, CutsTheWholeRangeOfValues) {
  expectFairCut(0, UINT64_MAX, 2);
  expectFairCut(0, UINT64_MAX, 7);
  expectFairCut(1, UINT64_MAX, 8);
}

TEST(SplitRange, MatchesTheTwoWorkerExamples) {
  auto cut = [](uint64_t from, uint64_t to) {
    const std::vector<Share> shares = splitRange(from, to, 2);
    return std::to_string(shares[0].from) + "-" + std::to_string(shares[0].to) +
           " " + std::to_string(shares[1].from) + "-" +
           std::to_string(shares[1].to);
  };
  EXPECT_EQ("1-5 6-10", cut(1, 10));
  EXPECT_EQ("1-5 6-9", cut(1, 9));
  EXPECT_EQ("1-2 3-3", cut(1, 3));
  EXPECT_EQ("0-1999 2000-3999", cut(0, 3999));
}

}  // namespace
