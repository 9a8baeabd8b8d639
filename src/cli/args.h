// Reading the command line: option pairs, then the range argument.

#ifndef ROMAN_CLI_ARGS_H_
#define ROMAN_CLI_ARGS_H_

#include "common/joblist.h"

// What the command line asks for.
struct Call {
  joblist job;
  WorkerCount workers = 1;
};

// Returns the platform's processor count; 0 when it cannot tell.
using ProcessorQuery = unsigned (*)();

// How a call is to be answered.
enum class CallCheck {
  kRun,               // convert and print call->job
  kRefusedRange,      // the range is reversed or malformed: print nothing
  kBadCall,           // no range argument, or the range 0:0
  kNotEnoughThreads,  // more workers than processors
};

// Reads argv[1..argc-1] as key/value pairs: "-j N" sets the worker count to
// the low 8 bits of N (0 counts as 1), "-o n=roman" or "-o roman=n" records a
// mode, and any other key is the range argument, read by checkInput, after
// which nothing more is read. An option with no value is ignored.
// `processors` is asked once, and only when the call asks for more than one
// worker; its 0 (unknown) counts as 1.
// Fills *call and returns the answer, checking a bad call before the workers.
CallCheck readCall(int argc, const char* const* argv, ProcessorQuery processors,
                   Call* call);

#endif  // ROMAN_CLI_ARGS_H_
