// Printing numerals, one per line.

#ifndef ROMAN_CLI_OUTPUT_H_
#define ROMAN_CLI_OUTPUT_H_

#include "common/joblist.h"

// Writes each numeral followed by a newline to the file descriptor `fd`,
// each line with a single write(2) as soon as it is formed, so a reader sees
// every line at once and nothing waits in a buffer. Short writes and
// interrupted calls are resumed.
// Returns false at the first line that cannot be written, with errno saying
// why; the lines before it have been written.
bool writeLines(int fd, const NumeralList& lines);

#endif  // ROMAN_CLI_OUTPUT_H_
