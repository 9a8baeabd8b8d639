// Runs the built roman binary the way a shell would, capturing everything.

#ifndef ROMAN_TESTS_TOOL_RUNNER_H_
#define ROMAN_TESTS_TOOL_RUNNER_H_

#include <cstdint>
#include <string>
#include <vector>

// Where the tool's standard output goes.
enum class Stdout {
  kPipe,          // captured in ToolRun::out
  kDevFull,       // /dev/full: every write fails with ENOSPC
  kClosed,        // no descriptor 1 at all
  kReaderLeaves,  // a pipe whose reader goes away before reading anything
  // Captured from a pipe in non-blocking mode whose reader waits 200 ms.
  kSlowNonBlocking,
};

struct ToolRun {
  std::string out;
  std::string err;
  int exitCode = -1;  // -1 when the tool was killed by a signal
  int signal = 0;     // the killing signal, or 0
};

// What roman prints for the range from..to: each numeral and a newline.
std::string linesOf(uint64_t from, uint64_t to);

// Runs roman with `args` (argv[1] onwards), standard input /dev/null,
// SIGPIPE at its default action unless `ignoreSigpipe`, and the test's
// environment plus the NAME=value entries of `env`.
ToolRun runRoman(const std::vector<std::string>& args,
                 Stdout out = Stdout::kPipe, bool ignoreSigpipe = false,
                 const std::vector<std::string>& env = {});

#endif  // ROMAN_TESTS_TOOL_RUNNER_H_
