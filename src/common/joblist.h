// The types that every part of roman shares: what one run converts, the
// numerals it produces, and how many threads it may use.

#ifndef ROMAN_COMMON_JOBLIST_H_
#define ROMAN_COMMON_JOBLIST_H_

#include <cstdint>
#include <string>
#include <vector>

// Directions that -o can record. Only numbers to numerals is ever carried out;
// the recorded direction changes no output.
constexpr int32_t kModeNone = 0;
constexpr int32_t kModeNumbersToRoman = 1;  // -o n=roman
constexpr int32_t kModeRomanToNumbers = 2;  // -o roman=n

// One run's work: every value from `from` to `to`, both included.
struct joblist {
  uint64_t from = 0;
  uint64_t to = 0;
  int32_t mode = kModeNone;
};

// Roman numerals in ascending order of value, one element per value.
// The value 0 has the empty numeral.
using NumeralList = std::vector<std::string>;

// Number of threads a run converts on; at least 1 once read from the command
// line.
using WorkerCount = uint8_t;

#endif  // ROMAN_COMMON_JOBLIST_H_
