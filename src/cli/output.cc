#include "cli/output.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>  // stpcpy
#include <string>

#include "roman/roman.h"

namespace {

// Waits until `fd` takes more output, or says it never will: returns false
// when poll reports an error or hang-up instead of room, or itself fails.
bool waitUntilWritable(int fd) {
  pollfd ready = {fd, POLLOUT, 0};
  while (::poll(&ready, 1, -1) < 0) {
    if (errno != EINTR) return false;
  }
  return (ready.revents & POLLOUT) != 0;
}

bool writeAll(int fd, const char* data, size_t size) {
  bool broken = false;  // poll saw an error or hang-up on `fd`
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      // A descriptor left in non-blocking mode by whoever opened it, with a
      // reader slower than us: wait rather than lose the line. After an
      // error or hang-up the write is tried once more, so that the run ends
      // with its reason (or with SIGPIPE when the reader has gone).
      if ((errno == EAGAIN || errno == EWOULDBLOCK) && !broken) {
        broken = !waitUntilWritable(fd);
        continue;
      }
      return false;
    }
    if (written == 0) {  // no progress and no reason: do not spin
      errno = EIO;
      return false;
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

bool writeLines(int fd, const NumeralList& lines) {
  std::array<char, kMaxNumeralSize + 1> buffer;  // a numeral and its newline
  for (const std::string& line : lines) {
    if (line.size() >= buffer.size()) {
      errno = EINVAL;
      return false;
    }
    // stpcpy ends at the terminator, where the newline goes; a fortified
    // build checks the copy against the buffer once more as it runs.
    char* end = ::stpcpy(buffer.data(), line.c_str());
    *end++ = '\n';
    if (!writeAll(fd, buffer.data(),
                  static_cast<size_t>(end - buffer.data()))) {
      return false;
    }
  }
  return true;
}
