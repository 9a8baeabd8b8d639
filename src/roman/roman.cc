#include "roman/roman.h"

#include <array>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace {

// The one, five and ten letters of one decimal position.
struct LetterSet {
  char one;
  char five;
  char ten;
};

// Units, tens, hundreds, thousands.
constexpr std::array<LetterSet, 4> kLetterSets = {{
    {'I', 'V', 'X'},
    {'X', 'L', 'C'},
    {'C', 'D', 'M'},
    {'M', 'V', 'X'},
}};

// The letters each digit appends: o(ne), f(ive), t(en).
constexpr std::array<std::string_view, 10> kDigitPatterns = {
    "", "o", "oo", "ooo", "of", "f", "fo", "foo", "fooo", "ot"};

// The letters of one digit at one position, padded so that every piece can
// be copied as four bytes.
struct Piece {
  std::array<char, 4> letters{};
  uint8_t size = 0;
};

using PieceTable = std::array<std::array<Piece, 10>, kLetterSets.size()>;

constexpr PieceTable makePieces() {
  PieceTable table{};
  for (size_t position = 0; position < kLetterSets.size(); ++position) {
    const LetterSet& set = kLetterSets[position];
    for (size_t digit = 0; digit < kDigitPatterns.size(); ++digit) {
      Piece& piece = table[position][digit];
      for (const char role : kDigitPatterns[digit]) {
        piece.letters[piece.size++] = role == 'o'   ? set.one
                                      : role == 'f' ? set.five
                                                    : set.ten;
      }
    }
  }
  return table;
}

constexpr PieceTable kPieces = makePieces();

}  // namespace

NumeralList nToRoman(uint64_t from, uint64_t to, uint8_t /*mode*/) {
  NumeralList numerals;
  if (to < from) return numerals;
  if (to > kMaxRomanValue) {
    throw std::out_of_range("nToRoman: values above 9999 have no numeral");
  }
  numerals.reserve(static_cast<size_t>(to - from + 1));

  // Every numeral is assembled in this one buffer and then copied into the
  // list, so a value costs no allocation beyond its own element.
  std::array<char, kMaxNumeralSize> text{};
  // `to` is at most kMaxRomanValue, so the loop cannot overflow.
  for (uint64_t value = from; value <= to; ++value) {
    const std::array<unsigned, 4> digits = {
        static_cast<unsigned>(value % 10),
        static_cast<unsigned>(value / 10 % 10),
        static_cast<unsigned>(value / 100 % 10),
        static_cast<unsigned>(value / 1000)};

    // A zero digit, leading or not, has no letters and adds nothing.
    size_t size = 0;
    for (size_t position = digits.size(); position-- > 0;) {
      const Piece& piece = kPieces[position][digits[position]];
      // Copying all four bytes needs no branch; the size says how many count.
      // The last piece starts at most 12 bytes in, so this stays in the buffer.
      std::memcpy(text.data() + size, piece.letters.data(),
                  piece.letters.size());
      size += piece.size;
    }
    numerals.emplace_back(text.data(), size);
  }
  return numerals;
}

NumeralList nToRomanGetN(uint64_t /*first*/, uint64_t /*second*/) { return {}; }
