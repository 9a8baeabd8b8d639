#include "cli/output.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>  // mempcpy
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
  // Checked before anything is written, so that a list that could not be
  // printed whole prints nothing.
  if (std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.size() > kMaxNumeralSize;
      })) {
    errno = EINVAL;
    return false;
  }

  std::array<char, kMaxNumeralSize + 1> buffer;  // a numeral and its newline
  for (const std::string& line : lines) {
    // mempcpy ends where the newline goes. A fortified build checks this
    // copy against the buffer again as it runs.
    char* end =
        static_cast<char*>(::mempcpy(buffer.data(), line.data(), line.size()));
    *end++ = '\n';
    if (!writeAll(fd, buffer.data(),
                  static_cast<size_t>(end - buffer.data()))) {
      return false;
    }
  }
  return true;
}
