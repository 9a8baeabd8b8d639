#include "cli/output.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

bool writeAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
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
  // Numerals are at most 16 letters; a line that does not fit here is still
  // written whole, through `large`.
  std::array<char, 64> small;
  std::string large;
  for (const std::string& line : lines) {
    const size_t size = line.size() + 1;
    const char* data = nullptr;
    if (size <= small.size()) {
      std::memcpy(small.data(), line.data(), line.size());
      small[line.size()] = '\n';
      data = small.data();
    } else {
      large.assign(line).push_back('\n');
      data = large.data();
    }
    if (!writeAll(fd, data, size)) return false;
  }
  return true;
}
