// Val over arbitrary bytes. Besides never failing, its value must be the one
// the C library's correctly rounded parser gives for the number at the start
// of the text, read by Val's grammar, with the text decoded by Qt and its
// digits and spaces of other scripts written in ASCII; leading blanks and
// anything after the number must not matter.
#include <locale.h>
#include <stdlib.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "Check.h"
#include "InAscii.h"
#include "runtime/Functions.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Number {
  bool negative = false;
  std::string unsignedText;  // digits, point and exponent; empty when the text has no number
};

// The number at the start of a text: blanks, a sign, digits with at most one
// point (at least one digit), then an exponent only when it has a digit.
Number LeadingNumber(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) return {};
  Number number;
  if (text[i] == '+' || text[i] == '-') number.negative = text[i++] == '-';
  const std::size_t start = i;
  bool digit = false;
  for (bool point = false; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      digit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digit) return {};
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  number.unsignedText = std::string(text.substr(start, i - start));
  return number;
}

double Reference(const std::string& text) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  const Number number = LeadingNumber(InAscii(text));
  if (number.unsignedText.empty()) return 0.0;
  const double magnitude = strtod_l(number.unsignedText.c_str(), nullptr, c);
  return number.negative ? -magnitude : magnitude;
}

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double value = rt::Val(text);
  FUZZ_CHECK(!std::isnan(value), "Val(\"%s\") is NaN", Escaped(text).c_str());

  const double expected = Reference(text);
  FUZZ_CHECK(Bits(value) == Bits(expected), "Val(\"%s\") = %a, the correctly rounded value is %a",
             Escaped(text).c_str(), value, expected);

  const double afterBlanks = rt::Val(" \t\u00A0\u3000 " + text);
  FUZZ_CHECK(Bits(afterBlanks) == Bits(value), "leading blanks change Val(\"%s\"): %a, not %a",
             Escaped(text).c_str(), afterBlanks, value);

  // '#' cannot continue any part of a number.
  const double withTail = rt::Val(text + "#");
  FUZZ_CHECK(Bits(withTail) == Bits(value), "a trailing '#' changes Val(\"%s\"): %a, not %a",
             Escaped(text).c_str(), withTail, value);
  return 0;
}
