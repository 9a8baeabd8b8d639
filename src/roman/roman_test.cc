#include "roman/roman.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

std::string numeralOf(uint64_t value) {
  const NumeralList numerals = nToRoman(value, value, 0);
  EXPECT_EQ(1u, numerals.size());
  return numerals.empty() ? "?" : numerals.front();
}

TEST(NToRoman, ConvertsWorkedValues) {
  const std::pair<uint64_t, const char*> kValues[] = {
      {1, "I"},
      {4, "IV"},
      {9, "IX"},
      {10, "X"},
      {14, "XIV"},
      {40, "XL"},
      {90, "XC"},
      {100, "C"},
      {400, "CD"},
      {900, "CM"},
      {1000, "M"},
      {1001, "MI"},
      {1994, "MCMXCIV"},
      {2024, "MMXXIV"},
      {4444, "MVCDXLIV"},
      {6000, "VM"},
      {8888, "VMMMDCCCLXXXVIII"},
      {9000, "MX"},
  };
  for (const auto& [value, numeral] : kValues) {
    EXPECT_EQ(numeral, numeralOf(value)) << value;
  }
}

TEST(NToRoman, HandlesEveryPositionAndLetterSetBoundary) {
  const std::pair<uint64_t, const char*> kBoundaries[] = {
      {0, ""},          {1, "I"},      {3, "III"},
      {4, "IV"},        {5, "V"},      {8, "VIII"},
      {9, "IX"},        {10, "X"},     {39, "XXXIX"},
      {40, "XL"},       {99, "XCIX"},  {100, "C"},
      {399, "CCCXCIX"}, {400, "CD"},   {401, "CDI"},
      {999, "CMXCIX"},  {1000, "M"},   {3999, "MMMCMXCIX"},
      {4000, "MV"},     {4001, "MVI"}, {4999, "MVCMXCIX"},
      {5000, "V"},      {5001, "VI"},  {9999, "MXCMXCIX"},
  };
  for (const auto& [value, numeral] : kBoundaries) {
    EXPECT_EQ(numeral, numeralOf(value)) << value;
  }
}

// Reads a numeral back by the usual rule: a letter before a larger one is
// subtracted. Knows nothing of decimal positions.
uint64_t decode(const std::string& numeral) {
  auto worth = [](char letter) -> uint64_t {
    switch (letter) {
      case 'I':
        return 1;
      case 'V':
        return 5;
      case 'X':
        return 10;
      case 'L':
        return 50;
      case 'C':
        return 100;
      case 'D':
        return 500;
      case 'M':
        return 1000;
      default:
        return 1'000'000;  // poisons the sum
    }
  };
  uint64_t total = 0;
  for (size_t i = 0; i < numeral.size(); ++i) {
    const uint64_t here = worth(numeral[i]);
    if (i + 1 < numeral.size() && here < worth(numeral[i + 1])) {
      total -= here;
    } else {
      total += here;
    }
  }
  return total;
}

TEST(NToRoman, GivesTheStandardNumeralFromOneTo3999) {
  // The canonical subtractive form: IV, IX, XL, XC, CD, CM and no letter
  // four times in a row.
  const std::regex canonical(
      "M{0,3}(CM|CD|D?C{0,3})(XC|XL|L?X{0,3})(IX|IV|V?I{0,3})");
  const NumeralList numerals = nToRoman(1, 3999, 0);
  ASSERT_EQ(3999u, numerals.size());
  for (uint64_t value = 1; value <= 3999; ++value) {
    const std::string& numeral = numerals[static_cast<size_t>(value - 1)];
    EXPECT_EQ(value, decode(numeral)) << numeral;
    EXPECT_TRUE(std::regex_match(numeral, canonical)) << numeral;
  }
}

TEST(NToRoman, ListsEachValueOfTheRangeInOrder) {
  EXPECT_EQ((NumeralList{"", "I", "II", "III"}), nToRoman(0, 3, 0));
  EXPECT_EQ((NumeralList{"MMMCMXCIX", "MV", "MVI"}), nToRoman(3999, 4001, 0));
  EXPECT_EQ((NumeralList{"MVCMXCIX", "V", "VI"}), nToRoman(4999, 5001, 0));
  EXPECT_EQ((NumeralList{"VII"}), nToRoman(7, 7, 0));
  EXPECT_TRUE(nToRoman(8, 7, 0).empty());
  EXPECT_TRUE(nToRoman(UINT64_MAX, 0, 0).empty());
  EXPECT_EQ(10000u, nToRoman(0, 9999, 0).size());
}

TEST(NToRoman, IgnoresTheMode) {
  const NumeralList plain = nToRoman(0, 9999, 0);
  EXPECT_EQ(plain, nToRoman(0, 9999, 1));
  EXPECT_EQ(plain, nToRoman(0, 9999, 2));
  EXPECT_EQ(plain, nToRoman(0, 9999, 255));
}

TEST(NToRoman, RefusesValuesWithoutANumeral) {
  EXPECT_THROW(nToRoman(9999, 10000, 0), std::out_of_range);
  EXPECT_THROW(nToRoman(10000, 10000, 0), std::out_of_range);
  EXPECT_THROW(nToRoman(0, UINT64_MAX, 0), std::out_of_range);
  // A reversed range is empty whatever its bounds.
  EXPECT_TRUE(nToRoman(10001, 10000, 0).empty());
}

TEST(NToRomanGetN, IsAlwaysEmpty) {
  EXPECT_TRUE(nToRomanGetN(0, 0).empty());
  EXPECT_TRUE(nToRomanGetN(1, 3999).empty());
  EXPECT_TRUE(nToRomanGetN(UINT64_MAX, 0).empty());
}

}  // namespace
