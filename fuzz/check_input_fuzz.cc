// Any bytes as a range argument: the reader keeps its promises and reads
// nothing past the terminator.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "cli/range.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size copy, so that a read past the NUL is a sanitizer report.
  auto arg = std::make_unique<char[]>(size + 1);
  std::memcpy(arg.get(), data, size);
  arg[size] = '\0';
  const std::string text(arg.get());

  constexpr int32_t kUntouched = 0x5eed;
  joblist job;
  job.mode = kUntouched;
  const bool accepted = checkInput(arg.get(), &job);
  if (job.mode != kUntouched) std::abort();
  if (!accepted) return 0;

  if (job.to < job.from) std::abort();
  // Each bound is its default or a number of up to four digits written in
  // the argument.
  if (job.from != 1 &&
      (job.from > 9999 ||
       text.find(std::to_string(job.from)) == std::string::npos)) {
    std::abort();
  }
  if (job.to != 3999 && (job.to > 9999 || text.find(std::to_string(job.to)) ==
                                              std::string::npos)) {
    std::abort();
  }
  return 0;
}
