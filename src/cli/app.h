// The whole tool behind main: read the call, check it, convert, print.

#ifndef ROMAN_CLI_APP_H_
#define ROMAN_CLI_APP_H_

#include "cli/args.h"

// Exit statuses.
constexpr int kExitOk = 0;       // every answered call, refused ones included
constexpr int kExitFailure = 1;  // output lost, memory or threads ran out

// Runs roman with the given arguments on a machine whose processor count
// `processors` tells (see readCall), printing numerals to the file
// descriptor `out` and messages to standard error. Returns the exit status.
int runTool(int argc, const char* const* argv, ProcessorQuery processors,
            int out);

#endif  // ROMAN_CLI_APP_H_
