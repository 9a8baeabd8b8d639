#include "cli/args.h"

#include <cstdlib>
#include <cstring>

#include "cli/range.h"

namespace {

// strtol's reading of the text (leading blanks and a sign allowed, trailing
// text ignored, non-numbers 0), kept to 8 bits; 0 workers means 1.
WorkerCount workersFrom(const char* text) {
  const long requested = std::strtol(text, nullptr, 10);
  const auto workers = static_cast<WorkerCount>(requested & 0xFF);
  return workers == 0 ? 1 : workers;
}

}  // namespace

CallCheck readCall(int argc, const char* const* argv, ProcessorQuery processors,
                   Call* call) {
  *call = Call{};
  for (int i = 1; i < argc; i += 2) {
    const char* key = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (std::strcmp(key, "-j") == 0) {
      if (value != nullptr) call->workers = workersFrom(value);
    } else if (std::strcmp(key, "-o") == 0) {
      if (value == nullptr) continue;
      if (std::strcmp(value, "n=roman") == 0) {
        call->job.mode = kModeNumbersToRoman;
      } else if (std::strcmp(value, "roman=n") == 0) {
        call->job.mode = kModeRomanToNumbers;
      }
    } else {
      if (!checkInput(key, &call->job)) return CallCheck::kRefusedRange;
      break;
    }
  }

  if (call->job.from == 0 && call->job.to == 0) return CallCheck::kBadCall;
  // One worker runs on any machine, so only more need the count, whose
  // query is a good part of a short run's start-up.
  if (call->workers > 1) {
    // A count of 0 (unknown) refuses these calls as 1 would.
    if (processors() < call->workers) return CallCheck::kNotEnoughThreads;
  }
  return CallCheck::kRun;
}
