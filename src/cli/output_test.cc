#include "cli/output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "roman/roman.h"

namespace {

TEST(WriteLines, RefusesALineLongerThanAnyNumeralBeforeWritingAnything) {
  int ends[2];
  ASSERT_EQ(0, pipe2(ends, O_NONBLOCK | O_CLOEXEC));
  const std::string longest(kMaxNumeralSize, 'M');
  errno = 0;
  EXPECT_FALSE(writeLines(ends[1], {"I", longest, longest + "I"}));
  EXPECT_EQ(EINVAL, errno);
  char byte = 0;
  EXPECT_EQ(-1, read(ends[0], &byte, 1));  // nothing was written
  EXPECT_EQ(EAGAIN, errno);

  EXPECT_TRUE(writeLines(ends[1], {"I", longest}));
  std::string got(kMaxNumeralSize + 3, '\0');
  EXPECT_EQ(static_cast<ssize_t>(got.size()),
            read(ends[0], got.data(), got.size()));
  EXPECT_EQ("I\n" + longest + "\n", got);
  close(ends[0]);
  close(ends[1]);
}

}  // namespace
