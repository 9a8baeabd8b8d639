// Arguments no one would type: huge, many, empty, and every byte value.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tool_runner.h"

namespace {

// Linux takes at most 128 KiB, terminator included, in one argument.
constexpr size_t kLongestArgument = 128 * 1024 - 1;

TEST(HostileInput, LongestPossibleRangeArgument) {
  std::string blanks(kLongestArgument - 3, ' ');
  ToolRun run = runRoman({blanks + "5:7"});
  EXPECT_EQ("V\nVI\nVII\n", run.out);
  EXPECT_EQ(0, run.exitCode);

  run = runRoman({std::string(kLongestArgument, '7')});
  EXPECT_EQ("", run.out);
  EXPECT_EQ("", run.err);
  EXPECT_EQ(0, run.exitCode);

  run = runRoman({std::string(kLongestArgument, ':')});
  EXPECT_EQ("", run.out);
  EXPECT_EQ(0, run.exitCode);
}

TEST(HostileInput, HundredThousandArguments) {
  std::vector<std::string> args;
  while (args.size() < 99'998) {
    args.insert(args.end(), {"-o", "n=roman", "-j", "1"});
  }
  args.resize(99'998);
  args.push_back("1:3");
  args.push_back("4:5");
  ToolRun run = runRoman(args);
  EXPECT_EQ("I\nII\nIII\n", run.out);
  EXPECT_EQ("", run.err);
  EXPECT_EQ(0, run.exitCode);

  run = runRoman(std::vector<std::string>(100'000, ""));
  EXPECT_EQ(linesOf(1, 3999), run.out);
  EXPECT_EQ(0, run.exitCode);
}

TEST(HostileInput, EmptyArguments) {
  EXPECT_EQ("", runRoman({"-j", "", "1:2"}).err);  // "" workers count as 1
  EXPECT_EQ("I\nII\n", runRoman({"-j", "", "1:2"}).out);
  EXPECT_EQ("I\nII\n", runRoman({"-o", "", "1:2"}).out);
  EXPECT_EQ(linesOf(1, 3999), runRoman({"", "1:2"}).out);
}

TEST(HostileInput, EveryByteValue) {
  std::string everyByte;
  for (int byte = 1; byte <= 0xFF; ++byte) everyByte += static_cast<char>(byte);
  // The digits 0123 fill the first field and the 4 overflows it.
  ToolRun run = runRoman({everyByte});
  EXPECT_EQ("", run.out);
  EXPECT_EQ("", run.err);
  EXPECT_EQ(0, run.exitCode);

  // Each byte before a range: skipped unless it is an ASCII digit, letter or
  // colon, so bytes above 0x7F change nothing.
  const std::string all = linesOf(1, 3999);
  for (int byte = 1; byte <= 0xFF; ++byte) {
    SCOPED_TRACE(byte);
    const char c = static_cast<char>(byte);
    const bool digit = c >= '1' && c <= '9';  // "05" is still 5
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    run = runRoman({std::string(1, c) + "5:7"});
    if (digit || c == ':') {
      EXPECT_EQ("", run.out);  // from c5 is above 7, or a second colon
    } else if (letter) {
      EXPECT_EQ(all, run.out);  // spoilt first field
    } else {
      EXPECT_EQ("V\nVI\nVII\n", run.out);
    }
    EXPECT_EQ("", run.err);
    EXPECT_EQ(0, run.exitCode);
  }
}

}  // namespace
