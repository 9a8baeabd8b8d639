// How a range is cut into shares for several worker threads.

#ifndef ROMAN_SCHED_SPLIT_H_
#define ROMAN_SCHED_SPLIT_H_

#include <cstdint>
#include <vector>

// A closed range of values, one worker's part of a job.
struct Share {
  uint64_t from;
  uint64_t to;
};

// Cuts [from, to] into `parts` consecutive shares that together cover it in
// ascending order. Share sizes differ by at most one, larger shares first, so
// for two parts the first share holds (to - from) / 2 + 1 values.
// REQUIRES: from <= to, 1 <= parts, parts - 1 <= to - from (no empty share).
std::vector<Share> splitRange(uint64_t from, uint64_t to, unsigned parts);

#endif  // ROMAN_SCHED_SPLIT_H_
