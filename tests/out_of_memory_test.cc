// Exhausted memory, in the calling thread or in a worker, ends the run with a
// message and status 1 rather than a crash.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "cli/app.h"

namespace {

// Allocations above this size fail; the numeral lists are the only large
// ones.
std::atomic<size_t> gLargestAllowed{SIZE_MAX};

}  // namespace

void* operator new(std::size_t size) {
  if (size > gLargestAllowed.load()) throw std::bad_alloc();
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t /*size*/) noexcept {
  std::free(block);
}

namespace {

int runWithTightMemory(std::initializer_list<const char*> args,
                       std::string* err) {
  const int out = open("/dev/null", O_WRONLY | O_CLOEXEC);
  testing::internal::CaptureStderr();
  gLargestAllowed = 4096;
  const int status = runTool(
      static_cast<int>(args.size()), args.begin(), [] { return 2u; }, out);
  gLargestAllowed = SIZE_MAX;
  *err = testing::internal::GetCapturedStderr();
  close(out);
  return status;
}

TEST(OutOfMemory, EndsTheRunWithAMessage) {
  std::string err;
  EXPECT_EQ(kExitFailure, runWithTightMemory({"roman", "1:3999"}, &err));
  EXPECT_EQ("Out of memory, exiting: Cannot allocate memory\n", err);
}

TEST(OutOfMemory, InAWorkerEndsTheRunWithAMessage) {
  std::string err;
  EXPECT_EQ(kExitFailure,
            runWithTightMemory({"roman", "-j", "2", "1:3999"}, &err));
  EXPECT_EQ("Out of memory, exiting: Cannot allocate memory\n", err);
}

}  // namespace
