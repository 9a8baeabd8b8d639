// Preloaded into roman by the end-to-end tests: gives its standard output
// the faults a real one gives only now and then, as ROMAN_TEST_OUTPUT_FAULT
// names:
//   interrupted  the first write(2) fails with EINTR, and every later one
//                writes one byte at most;
//   no_progress  the first write returns 0;
//   full         writes fail with EAGAIN, as a full non-blocking pipe's do,
//                until poll(2) has said the descriptor is ready; the first
//                poll is interrupted (EINTR).

// A fortified poll is an inline wrapper, which this file could not replace.
#undef _FORTIFY_SOURCE

#include <dlfcn.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace {

std::string_view fault() {
  // Nothing in roman changes its environment.
  // NOLINTNEXTLINE(concurrency-mt-unsafe)
  static const char* const name = std::getenv("ROMAN_TEST_OUTPUT_FAULT");
  return name == nullptr ? "" : name;
}

template <typename Function>
Function next(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

std::atomic<int> writes{0};
std::atomic<int> polls{0};
std::atomic<bool> ready{false};

}  // namespace

// glibc names the parameters __fd and so on, names reserved to it.
// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
extern "C" ssize_t write(int fd, const void* data, size_t size) {
  static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
  if (fd == STDOUT_FILENO) {
    const int call = writes.fetch_add(1);
    if (fault() == "interrupted") {
      if (call == 0) {
        errno = EINTR;
        return -1;
      }
      size = std::min<size_t>(size, 1);
    } else if (fault() == "no_progress" && call == 0) {
      return 0;
    } else if (fault() == "full" && !ready) {
      errno = EAGAIN;
      return -1;
    }
  }
  return real(fd, data, size);
}

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
extern "C" int poll(pollfd* fds, nfds_t count, int timeout) {
  static const auto real = next<int (*)(pollfd*, nfds_t, int)>("poll");
  if (fault() == "full" && polls.fetch_add(1) == 0) {
    errno = EINTR;
    return -1;
  }
  const int result = real(fds, count, timeout);
  ready = true;
  return result;
}
