#include "sched/split.h"

std::vector<Share> splitRange(uint64_t from, uint64_t to, unsigned parts) {
  // The range holds span + 1 values; span itself is used so that the full
  // 64-bit range does not overflow.
  const uint64_t span = to - from;
  const uint64_t base = span / parts;        // values every share gets...
  const uint64_t larger = span % parts + 1;  // ...and how many get one more

  std::vector<Share> shares;
  shares.reserve(parts);
  uint64_t next = from;
  for (unsigned i = 0; i < parts; ++i) {
    const uint64_t size = base + (i < larger ? 1 : 0);
    shares.push_back({next, next + (size - 1)});
    next += size;
  }
  return shares;
}
