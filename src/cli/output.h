// Printing numerals, one per line.

#ifndef ROMAN_CLI_OUTPUT_H_
#define ROMAN_CLI_OUTPUT_H_

#include "common/joblist.h"

// Writes each numeral followed by a newline to the file descriptor `fd`,
// each line with a single write(2) of its own, so nothing is held back
// across lines once printing starts. Short writes and interrupted calls are
// resumed; a descriptor in non-blocking mode that is not ready is waited
// for, so a slow reader still gets every line.
// Returns false at the first line that cannot be written, with errno saying
// why; the lines before it have been written. A list with a line longer
// than kMaxNumeralSize letters is not numerals: it fails with EINVAL before
// anything is written.
bool writeLines(int fd, const NumeralList& lines);

#endif  // ROMAN_CLI_OUTPUT_H_
