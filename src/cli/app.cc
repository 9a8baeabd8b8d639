#include "cli/app.h"

#include <cerrno>
#include <cstdio>
#include <new>
#include <system_error>

#include "cli/args.h"
#include "cli/output.h"
#include "sched/scheduler.h"

int runTool(int argc, const char* const* argv, ProcessorQuery processors,
            int out) {
  // The messages go through perror, so each ends with the text of errno as
  // the run left it (normally "Success").
  Call call;
  switch (readCall(argc, argv, processors, &call)) {
    case CallCheck::kRefusedRange:
      return kExitOk;
    case CallCheck::kBadCall:
      std::perror("Bad Call, exiting");
      return kExitOk;
    case CallCheck::kNotEnoughThreads:
      std::perror("Not enought threads, exiting");
      return kExitOk;
    case CallCheck::kRun:
      break;
  }

  try {
    const NumeralList numerals = scheduler(&call.job, call.workers);
    if (!writeLines(out, numerals)) {
      std::perror("Write error, exiting");
      return kExitFailure;
    }
  } catch (const std::bad_alloc&) {
    errno = ENOMEM;
    std::perror("Out of memory, exiting");
    return kExitFailure;
  } catch (const std::system_error& error) {
    errno = error.code().value();
    std::perror("Cannot start thread, exiting");
    return kExitFailure;
  }
  return kExitOk;
}
