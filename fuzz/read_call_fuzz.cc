// Any argument vector: the call that comes out is consistent, and running it
// gives the numerals of its range whatever the worker count.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "cli/args.h"
#include "roman/roman.h"
#include "sched/scheduler.h"

namespace {

unsigned gProcessors = 0;  // what the processor query answers
unsigned countProcessors() { return gProcessors; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the processor count (0 to 8); the rest, cut at NUL
  // bytes, is argv[1] onwards.
  const unsigned processors = data[0] % 9;
  gProcessors = processors;
  std::vector<std::string> pieces(1, "roman");
  if (size > 1) pieces.emplace_back();
  for (size_t i = 1; i < size; ++i) {
    if (data[i] == 0) {
      pieces.emplace_back();
    } else {
      pieces.back() += static_cast<char>(data[i]);
    }
  }
  std::vector<const char*> argv;
  argv.reserve(pieces.size() + 1);
  std::transform(pieces.begin(), pieces.end(), std::back_inserter(argv),
                 [](const std::string& piece) { return piece.c_str(); });
  argv.push_back(nullptr);

  Call call;
  const CallCheck check = readCall(static_cast<int>(pieces.size()), argv.data(),
                                   countProcessors, &call);
  const joblist& job = call.job;
  const unsigned usable = processors == 0 ? 1 : processors;
  const bool bothZero = job.from == 0 && job.to == 0;
  if (call.workers == 0) std::abort();
  if (job.mode < kModeNone || job.mode > kModeRomanToNumbers) std::abort();
  switch (check) {
    case CallCheck::kRefusedRange:
      return 0;
    case CallCheck::kBadCall:
      if (!bothZero) std::abort();
      return 0;
    case CallCheck::kNotEnoughThreads:
      if (bothZero || call.workers <= usable) std::abort();
      return 0;
    case CallCheck::kRun:
      break;
  }
  if (bothZero || call.workers > usable || job.to < job.from || job.to > 9999) {
    std::abort();
  }
  // Small ranges only, to keep each run quick; the split is the same code for
  // any size.
  if (job.to - job.from < 300) {
    const NumeralList one = nToRoman(job.from, job.to, 0);
    if (scheduler(&job, call.workers) != one) std::abort();
  }
  return 0;
}
