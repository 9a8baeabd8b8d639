// Conversion of whole numbers to Roman numerals.
//
// Each decimal position has three letters (one, five, ten): units I V X,
// tens X L C, hundreds C D M, thousands M V X. A digit d becomes the usual
// pattern of those letters (4 is one-five, 9 is one-ten), so 1994 is MCMXCIV.
// Above 3999 the thousands reuse V and X: 4000 is MV, 5000 is V, 9999 is
// MXCMXCIX. The value 0 has the empty numeral.

#ifndef ROMAN_ROMAN_ROMAN_H_
#define ROMAN_ROMAN_ROMAN_H_

#include <cstddef>
#include <cstdint>

#include "common/joblist.h"

// The largest value that has a numeral.
constexpr uint64_t kMaxRomanValue = 9999;

// The longest numeral, 8888's, has four letters at each of the four positions.
constexpr size_t kMaxNumeralSize = 16;

// Returns the numerals of every value from `from` to `to` inclusive, in
// ascending order; an empty list when `to` < `from`. `mode` is accepted and
// does not change the result.
// Throws std::out_of_range when `from` <= `to` and `to` > kMaxRomanValue
// (no numeral is ever truncated), and std::bad_alloc.
// Safe to call from several threads at once.
NumeralList nToRoman(uint64_t from, uint64_t to, uint8_t mode);

// Reserved for conversion from numerals back to numbers, which roman does not
// do: always returns an empty list.
NumeralList nToRomanGetN(uint64_t first, uint64_t second);

#endif  // ROMAN_ROMAN_ROMAN_H_
