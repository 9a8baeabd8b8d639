#include "cli/range.h"

#include <array>
#include <cstddef>

namespace {

constexpr uint64_t kDefaultFrom = 1;
constexpr uint64_t kDefaultTo = 3999;
constexpr size_t kMaxFieldSize = 4;

enum class FieldKind { kNone, kNumeric, kAlphabetic };

struct Field {
  FieldKind kind = FieldKind::kNone;
  uint64_t value = 0;  // the decimal value of a numeric field
  size_t size = 0;     // characters collected
};

// Plain ASCII tests, so that the result never depends on a locale and no byte
// value can index outside a classification table.
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

bool checkInput(const char* arg, joblist* job) {
  job->from = kDefaultFrom;
  job->to = kDefaultTo;

  std::array<Field, 2> fields;
  size_t current = 0;
  for (const char* p = arg; *p != '\0'; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    if (c == ':') {
      if (current == 1) return false;  // only two fields
      current = 1;
      continue;
    }
    Field& field = fields[current];
    if (field.size == 0) {
      // Leading blanks, signs and punctuation are skipped.
      if (isDigit(c)) {
        field.kind = FieldKind::kNumeric;
      } else if (isLetter(c)) {
        field.kind = FieldKind::kAlphabetic;
      } else {
        continue;
      }
    } else if (field.kind == FieldKind::kNumeric ? !isDigit(c) : !isLetter(c)) {
      field.kind = FieldKind::kNone;  // spoilt: its default stands
      break;
    }
    if (field.size == kMaxFieldSize) return false;
    ++field.size;
    if (isDigit(c)) field.value = field.value * 10 + (c - '0');
  }

  // Letters are recognised but give no bound.
  if (fields[0].kind == FieldKind::kNumeric) job->from = fields[0].value;
  if (fields[1].kind == FieldKind::kNumeric) job->to = fields[1].value;
  return job->to >= job->from;
}
