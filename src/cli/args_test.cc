#include "cli/args.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Answer {
  CallCheck check;
  Call call;
};

// What the processor query answers, and how often it was asked.
unsigned gProcessors = 0;
int gQueries = 0;
unsigned countProcessors() {
  ++gQueries;
  return gProcessors;
}

Answer read(std::vector<const char*> args, unsigned processors = 8) {
  args.insert(args.begin(), "roman");
  gProcessors = processors;
  gQueries = 0;
  Answer answer{};
  answer.check = readCall(static_cast<int>(args.size()), args.data(),
                          countProcessors, &answer.call);
  return answer;
}

void expectRun(const Answer& answer, uint64_t from, uint64_t to,
               WorkerCount workers, int32_t mode = kModeNone) {
  EXPECT_EQ(CallCheck::kRun, answer.check);
  EXPECT_EQ(from, answer.call.job.from);
  EXPECT_EQ(to, answer.call.job.to);
  EXPECT_EQ(workers, answer.call.workers);
  EXPECT_EQ(mode, answer.call.job.mode);
}

TEST(ReadCall, WithoutARangeIsABadCall) {
  EXPECT_EQ(CallCheck::kBadCall, read({}).check);
  EXPECT_EQ(CallCheck::kBadCall, read({"-j", "2"}).check);
  EXPECT_EQ(CallCheck::kBadCall, read({"0:0"}).check);
  EXPECT_EQ(CallCheck::kBadCall, read({"-o", "n=roman"}).check);
  // An option with nothing after it is ignored, not read past the end.
  EXPECT_EQ(CallCheck::kBadCall, read({"-j"}).check);
  EXPECT_EQ(CallCheck::kBadCall, read({"-o", "1:3", "-j"}).check);
  // The bad call is reported before the worker count is checked.
  EXPECT_EQ(CallCheck::kBadCall, read({"-j", "9"}, 1).check);
}

TEST(ReadCall, RefusesReversedRanges) {
  EXPECT_EQ(CallCheck::kRefusedRange, read({"5:3"}).check);
  EXPECT_EQ(CallCheck::kRefusedRange, read({"4000"}).check);
  EXPECT_EQ(CallCheck::kRefusedRange, read({"-j", "99", "5:3"}, 1).check);
}

TEST(ReadCall, ReadsWorkerCountsAsTheirLowEightBits) {
  expectRun(read({"-j", "2", "1:3"}), 1, 3, 2);
  expectRun(read({"-j", "0", "1:3"}), 1, 3, 1);
  expectRun(read({"-j", "256", "1:3"}), 1, 3, 1);
  expectRun(read({"-j", "257", "1:3"}), 1, 3, 1);
  expectRun(read({"-j", "abc", "1:3"}), 1, 3, 1);
  expectRun(read({"-j", " +3x", "1:3"}), 1, 3, 3);
  expectRun(read({"-j", "-1", "1:3"}, 255), 1, 3, 255);
  expectRun(read({"-j", "8", "-j", "2", "1:3"}), 1, 3, 2);
}

TEST(ReadCall, ChecksWorkersAgainstProcessors) {
  EXPECT_EQ(CallCheck::kNotEnoughThreads, read({"-j", "9", "1:3"}, 8).check);
  EXPECT_EQ(CallCheck::kNotEnoughThreads, read({"-j", "-1", "1:3"}, 8).check);
  expectRun(read({"-j", "8", "1:3"}, 8), 1, 3, 8);
  // A platform that cannot count its processors still runs one worker.
  expectRun(read({"1:3"}, 0), 1, 3, 1);
  EXPECT_EQ(CallCheck::kNotEnoughThreads, read({"-j", "2", "1:3"}, 0).check);
  // Only more than one worker needs the count, and it is asked once.
  read({"-j", "1", "1:3"});
  EXPECT_EQ(0, gQueries);
  read({"-j", "2", "1:3"});
  EXPECT_EQ(1, gQueries);
}

TEST(ReadCall, RecordsTheLastValidMode) {
  expectRun(read({"-o", "n=roman", "1:3"}), 1, 3, 1, kModeNumbersToRoman);
  expectRun(read({"-o", "roman=n", "1:3"}), 1, 3, 1, kModeRomanToNumbers);
  expectRun(read({"-o", "xyz", "1:3"}), 1, 3, 1, kModeNone);
  expectRun(read({"-o", "n=roman", "-o", "xyz", "1:3"}), 1, 3, 1,
            kModeNumbersToRoman);
  expectRun(read({"-o", "n=roman", "-o", "roman=n", "1:3"}), 1, 3, 1,
            kModeRomanToNumbers);
}

TEST(ReadCall, StopsAtTheRangeArgument) {
  // Whatever follows the range argument is never read.
  expectRun(read({"1:3", "-j", "9"}), 1, 3, 1);
  expectRun(read({"5", "-j", "2"}), 5, 3999, 1);
  expectRun(read({"1:3", "1:3", "0:0"}), 1, 3, 1);
  // Any key that is not an option is the range argument.
  expectRun(read({"-x", "1:3"}), 1, 3999, 1);
  expectRun(read({"--j", "4"}), 1, 3999, 1);
  expectRun(read({"-j4"}), 1, 3999, 1);
  expectRun(read({""}), 1, 3999, 1);
}

}  // namespace
