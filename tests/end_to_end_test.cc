// The built binary, run as a user would: exact output, messages and status.

#include <gtest/gtest.h>
#include <signal.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tool_runner.h"

namespace {

constexpr char kBadCall[] = "Bad Call, exiting: Success\n";
constexpr char kNotEnoughThreads[] = "Not enought threads, exiting: Success\n";

struct Case {
  std::vector<std::string> args;
  std::string out;
  std::string err;
};

void expectRun(const Case& c) {
  std::string shown;
  for (const std::string& arg : c.args) shown += " '" + arg + "'";
  SCOPED_TRACE("roman" + shown);
  const ToolRun run = runRoman(c.args);
  EXPECT_EQ(c.out, run.out);
  EXPECT_EQ(c.err, run.err);
  EXPECT_EQ(0, run.exitCode);
}

TEST(EndToEnd, AnswersEachKindOfCall) {
  const std::string all = linesOf(1, 3999);
  const std::string oneToThree = "I\nII\nIII\n";
  const Case kCases[] = {
      {{}, "", kBadCall},
      {{"-j", "2"}, "", kBadCall},
      {{"0:0"}, "", kBadCall},
      {{"-o", "1:3", "-j"}, "", kBadCall},
      {{"3:3"}, "III\n", ""},
      {{"1:10"}, "I\nII\nIII\nIV\nV\nVI\nVII\nVIII\nIX\nX\n", ""},
      {{"0"}, "\n" + all, ""},
      {{"5:3"}, "", ""},
      {{"4000"}, "", ""},
      {{"12345"}, "", ""},
      {{"1:10000"}, "", ""},
      {{"1:2:3"}, "", ""},
      {{"abcde:20"}, "", ""},
      {{"1:3", "-j", "9"}, oneToThree, ""},
      {{"-j", "-1", "1:3"}, "", kNotEnoughThreads},
      {{"-j", "0", "1:3"}, oneToThree, ""},
      {{"-o", "roman=n", "1:3"}, oneToThree, ""},
      {{"-o", "xyz", "1:3"}, oneToThree, ""},
      {{"-5:10"}, linesOf(5, 10), ""},
      {{"12a"}, all, ""},
      {{"12 :20"}, all, ""},
      {{"10x:20:30"}, all, ""},
      {{"-x", "1:3"}, all, ""},
      {{"--j", "4"}, all, ""},
      {{"-j4"}, all, ""},
      {{""}, all, ""},
      {{"5", "-j", "2"}, linesOf(5, 3999), ""},
      {{"9990:"}, "", ""},
      {{"9990:9999"}, linesOf(9990, 9999), ""},
      // perror shows what strtol left behind for a count it cannot hold.
      {{"-j", "99999999999999999999", "1:3"},
       "",
       "Not enought threads, exiting: Numerical result out of range\n"},
  };
  for (const Case& c : kCases) expectRun(c);
}

TEST(EndToEnd, PrintsZeroAsAnEmptyFirstLine) {
  const ToolRun run = runRoman({"0:3"});
  EXPECT_EQ("\nI\nII\nIII\n", run.out);
}

TEST(EndToEnd, TwoWorkersPrintWhatOneWorkerPrints) {
  if (std::thread::hardware_concurrency() < 2) {
    GTEST_SKIP() << "needs two processors";
  }
  for (const char* range : {"1:10", "1:9", "1:3", "7:7", "7:8", "0:3999",
                            "0:9999", "0", "9998:9999"}) {
    SCOPED_TRACE(range);
    const ToolRun one = runRoman({range});
    const ToolRun two = runRoman({"-j", "2", range});
    EXPECT_EQ(one.out, two.out);
    EXPECT_EQ("", two.err);
    EXPECT_EQ(0, two.exitCode);
  }
}

TEST(EndToEnd, LostOutputIsAFailure) {
  ToolRun run = runRoman({"1:10"}, Stdout::kDevFull);
  EXPECT_EQ("Write error, exiting: No space left on device\n", run.err);
  EXPECT_EQ(1, run.exitCode);

  run = runRoman({"1:10"}, Stdout::kClosed);
  EXPECT_EQ("Write error, exiting: Bad file descriptor\n", run.err);
  EXPECT_EQ(1, run.exitCode);

  // With nothing to print there is nothing to lose.
  run = runRoman({"5:3"}, Stdout::kDevFull);
  EXPECT_EQ("", run.err);
  EXPECT_EQ(0, run.exitCode);
}

TEST(EndToEnd, AReaderThatLeavesEndsTheRunQuietly) {
  ToolRun run = runRoman({"0:9999"}, Stdout::kReaderLeaves);
  EXPECT_EQ(SIGPIPE, run.signal);
  EXPECT_EQ("", run.err);

  // Where SIGPIPE is ignored, the broken pipe is reported like any loss.
  run = runRoman({"0:9999"}, Stdout::kReaderLeaves, /*ignoreSigpipe=*/true);
  EXPECT_EQ("Write error, exiting: Broken pipe\n", run.err);
  EXPECT_EQ(1, run.exitCode);
}

TEST(EndToEnd, ANonBlockingOutputWithASlowReaderGetsEveryLine) {
  const std::string all = linesOf(0, 9999);
  for (const char* workers : {"1", "2"}) {
    SCOPED_TRACE(std::string("-j ") + workers);
    if (workers[0] == '2' && std::thread::hardware_concurrency() < 2) continue;
    const ToolRun run =
        runRoman({"-j", workers, "0:9999"}, Stdout::kSlowNonBlocking);
    EXPECT_EQ(all, run.out);
    EXPECT_EQ("", run.err);
    EXPECT_EQ(0, run.exitCode);
  }
}

TEST(EndToEnd, AThreadThatCannotStartEndsTheRun) {
#ifdef ROMAN_NO_PRELOAD
  GTEST_SKIP() << ROMAN_NO_PRELOAD;
#else
  if (std::thread::hardware_concurrency() < 2) {
    GTEST_SKIP() << "needs two processors";
  }
  // No thread starts; then the first starts, is joined, and the second fails.
  for (const char* started : {"0", "1"}) {
    SCOPED_TRACE(std::string("threads that start: ") + started);
    const ToolRun run =
        runRoman({"-j", "2", "0:9999"}, Stdout::kPipe, false,
                 {std::string("LD_PRELOAD=") + ROMAN_THREAD_START_FAILURE,
                  std::string("ROMAN_TEST_THREADS_THAT_START=") + started});
    EXPECT_EQ("", run.out);
    EXPECT_EQ(
        "Cannot start thread, exiting: Resource temporarily unavailable\n",
        run.err);
    EXPECT_EQ(1, run.exitCode);
  }
#endif
}

// The output's rare faults, from a preloaded write(2) and poll(2): an
// interrupted call and short writes lose nothing, an interrupted wait on a
// non-blocking pipe is waited again, and a write that makes no progress
// ends the run.
TEST(EndToEnd, OutputFaultsLoseNoLine) {
#ifdef ROMAN_NO_PRELOAD
  GTEST_SKIP() << ROMAN_NO_PRELOAD;
#else
  const auto withFault = [](const std::string& fault, Stdout out) {
    return runRoman({"0:9999"}, out, false,
                    {std::string("LD_PRELOAD=") + ROMAN_OUTPUT_FAULTS,
                     "ROMAN_TEST_OUTPUT_FAULT=" + fault});
  };
  for (const auto& [fault, out] :
       {std::pair{"interrupted", Stdout::kPipe},
        std::pair{"full", Stdout::kSlowNonBlocking}}) {
    SCOPED_TRACE(fault);
    const ToolRun run = withFault(fault, out);
    EXPECT_TRUE(run.out == linesOf(0, 9999))
        << run.out.size() << " bytes, not those of 0:9999";
    EXPECT_EQ("", run.err);
    EXPECT_EQ(0, run.exitCode);
  }
  const ToolRun run = withFault("no_progress", Stdout::kPipe);
  EXPECT_EQ("", run.out);
  EXPECT_EQ("Write error, exiting: Input/output error\n", run.err);
  EXPECT_EQ(1, run.exitCode);
#endif
}

}  // namespace
