#include "cli/range.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RangeCase {
  const char* arg;
  bool accepted;
  uint64_t from;
  uint64_t to;
};

// What each range argument reads as; the bounds of refused ranges are not
// checked where the reading stops early.
const RangeCase kCases[] = {
    {"10:20", true, 10, 20},
    {"10", true, 10, 3999},
    {"10:", true, 10, 3999},
    {":20", true, 1, 20},
    {":", true, 1, 3999},
    {"", true, 1, 3999},
    {"0", true, 0, 3999},
    {"0:0", true, 0, 0},
    {"3:3", true, 3, 3},
    {"0005:0010", true, 5, 10},
    {"9999:9999", true, 9999, 9999},
    // Anything but digits and letters is skipped at the start of a field.
    {"+12:20", true, 12, 20},
    {" 12:20", true, 12, 20},
    {"12: 20", true, 12, 20},
    {"-5:10", true, 5, 10},
    // After it, it spoils the field and ends the reading.
    {"12a", true, 1, 3999},
    {"12 ", true, 1, 3999},
    {"12 :20", true, 1, 3999},
    {"10x:20", true, 1, 3999},
    {"10:20x", true, 10, 3999},
    {"1234x", true, 1, 3999},
    {"10x:20:30", true, 1, 3999},
    {"1:20x:3", true, 1, 3999},
    // Letters are read, then ignored.
    {"abc:20", true, 1, 20},
    {"-x", true, 1, 3999},
    {"ab12", true, 1, 3999},
    // Reversed ranges.
    {"10:5", false, 10, 5},
    {"4000", false, 4000, 3999},
    // Nothing fits past four characters or two fields.
    {"12345", false, 0, 0},
    {"1:10000", false, 0, 0},
    {"abcde:20", false, 0, 0},
    {"1:2:3", false, 0, 0},
    {"::", false, 0, 0},
    // Bytes above 0x7F are neither digits nor letters.
    {"\xff"
     "12",
     true, 12, 3999},
    {"12\xe9", true, 1, 3999},
    {"\xc3\xa9:20", true, 1, 20},
    {"\x80\xff:\xa0"
     "7",
     true, 1, 7},
};

TEST(CheckInput, ReadsEachFormOfRange) {
  for (const RangeCase& c : kCases) {
    SCOPED_TRACE(std::string("range argument \"") + c.arg + "\"");
    joblist job;
    job.mode = 7;
    EXPECT_EQ(c.accepted, checkInput(c.arg, &job));
    EXPECT_EQ(7, job.mode);
    if (c.accepted || c.from != 0 || c.to != 0) {
      EXPECT_EQ(c.from, job.from);
      EXPECT_EQ(c.to, job.to);
    }
  }
}

TEST(CheckInput, ReadsHugeArgumentsInOnePass) {
  const std::string blanks(1 << 20, ' ');
  joblist job;
  EXPECT_TRUE(checkInput((blanks + "5:7").c_str(), &job));
  EXPECT_EQ(5u, job.from);
  EXPECT_EQ(7u, job.to);
  EXPECT_TRUE(checkInput((":" + blanks + "7").c_str(), &job));
  EXPECT_EQ(1u, job.from);
  EXPECT_EQ(7u, job.to);
  EXPECT_FALSE(checkInput(std::string(1 << 20, ':').c_str(), &job));
  EXPECT_FALSE(checkInput(std::string(1 << 20, '7').c_str(), &job));
  EXPECT_TRUE(checkInput(("1x" + std::string(1 << 20, '7')).c_str(), &job));
}

}  // namespace
