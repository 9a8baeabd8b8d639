// Reading the range argument, such as 10:20, :20 or 10.

#ifndef ROMAN_CLI_RANGE_H_
#define ROMAN_CLI_RANGE_H_

#include "common/joblist.h"

// Reads `arg` as two fields around a ':' and sets job->from and job->to,
// never job->mode. A field of one to four digits sets its bound; any other
// field leaves the default (from 1, to 3999). Characters other than ASCII
// digits and letters are skipped at the start of a field; after the first
// digit or letter any other character spoils the field and ends the reading,
// so "12a" and "10x:20" keep both defaults. Bytes above 0x7F are neither
// digits nor letters.
// Returns whether job->to >= job->from. Also returns false, leaving the
// bounds unspecified, when a field reaches a fifth digit or letter or the
// reading meets a second ':' ("12345", "1:10000", "1:2:3").
// REQUIRES: `arg` is NUL-terminated; nothing past the NUL is read.
bool checkInput(const char* arg, joblist* job);

#endif  // ROMAN_CLI_RANGE_H_
