#include "runtime/Functions.h"

#include <QChar>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace rt {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The first character of a non-empty UTF-8 text: its code and its length in
// bytes; a length of 0 when the text does not start with valid UTF-8.
struct Character {
  char32_t code = 0;
  std::size_t length = 0;
};

Character FirstCharacter(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t code = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  } else {
    return {};
  }
  if (text.size() < length) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {};
    code = (code << 6) | (byte(i) & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
  return {code, length};
}

// A text as the number reader reads it, in ASCII: a decimal digit of any script
// becomes its ASCII digit and any space an ASCII space. It ends before the
// first other character outside ASCII, or invalid UTF-8: neither can be part
// of a number.
std::string InAscii(std::string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ascii += text[i++];
      continue;
    }
    const Character c = FirstCharacter(text.substr(i));
    if (c.length == 0) break;
    const QChar::Category category = QChar::category(c.code);
    const int digit = QChar::digitValue(c.code);
    if (category == QChar::Number_DecimalDigit && digit >= 0 && digit <= 9) {
      ascii += static_cast<char>('0' + digit);
    } else if (category == QChar::Separator_Space) {
      ascii += ' ';
    } else {
      break;
    }
    i += c.length;
  }
  return ascii;
}

// When a number text is out of the Double range, tells whether it is too
// large (true) or too small (false): the decimal position of its first
// significant digit plus its exponent.
bool Overflows(std::string_view mantissa, std::string_view exponent) {
  long long position = 0;  // digits before the point, counted from the first non-zero digit
  bool seenPoint = false;
  bool seenNonZero = false;
  for (char c : mantissa) {
    if (c == '.') {
      seenPoint = true;
    } else if (!seenNonZero && c == '0') {
      if (seenPoint) --position;
    } else {
      seenNonZero = true;
      if (!seenPoint) ++position;
    }
  }
  long long power = 0;
  bool negative = false;
  for (char c : exponent) {
    if (c == '-') negative = true;
    if (IsDigit(c)) power = std::min(power * 10 + (c - '0'), 1'000'000'000LL);
  }
  return position + (negative ? -power : power) > 0;
}

// Adds one to a string of decimal digits; returns true when the carry runs
// out of the front.
bool Increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return false;
    }
    *it = '0';
  }
  return true;
}

}  // namespace

Double Val(std::string_view utf8) {
  const std::string ascii = InAscii(utf8);
  const std::string_view text = ascii;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t start = i;
  std::size_t digits = 0;
  while (i < n && IsDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  const std::size_t mantissaEnd = i;
  std::size_t end = i;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t k = j;
    while (k < n && IsDigit(text[k])) ++k;
    if (k > j) end = k;
  }
  Double value = 0.0;
  const auto [ptr, error] =
      std::from_chars(text.data() + start, text.data() + end, value, std::chars_format::general);
  (void)ptr;
  if (error == std::errc::result_out_of_range) {
    const auto mantissa = text.substr(start, mantissaEnd - start);
    const auto exponent = text.substr(mantissaEnd, end - mantissaEnd);
    value = Overflows(mantissa, exponent) ? std::numeric_limits<Double>::infinity() : 0.0;
  } else if (error != std::errc{}) {
    value = 0.0;
  }
  return negative ? -value : value;
}

String Format(Double value, std::string_view pattern) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";

  // The pattern: literal prefix, the number's placeholders, literal suffix.
  const auto isPlaceholder = [](char c) { return c == '#' || c == '0' || c == ',' || c == '.'; };
  const std::size_t first = std::min(pattern.find_first_of("#0,."), pattern.size());
  std::size_t last = first;
  while (last < pattern.size() && isPlaceholder(pattern[last])) ++last;
  const auto number = pattern.substr(first, last - first);
  const std::size_t point = std::min(number.find('.'), number.size());
  const auto integerPattern = number.substr(0, point);
  const auto fractionPattern = number.substr(std::min(point + 1, number.size()));
  const auto minIntegerDigits =
      static_cast<std::size_t>(std::count(integerPattern.begin(), integerPattern.end(), '0'));
  const bool grouped = integerPattern.find(',') != std::string_view::npos;
  const auto requiredPlaces =
      static_cast<std::size_t>(std::count(fractionPattern.begin(), fractionPattern.end(), '0'));
  const auto places = requiredPlaces + static_cast<std::size_t>(std::count(
                                           fractionPattern.begin(), fractionPattern.end(), '#'));

  // The shortest decimal digits that identify the value, and where its point is.
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific);
  const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = scientific.find('e');
  std::string digits;
  for (char c : scientific.substr(0, e)) {
    if (IsDigit(c)) digits += c;
  }
  int exponent = 0;
  const auto exponentText = scientific.substr(e + 1);
  std::from_chars(exponentText.data() + (exponentText[0] == '+' ? 1 : 0),
                  exponentText.data() + exponentText.size(), exponent);
  const long integerCount = exponent + 1L;  // digits before the point; may be 0 or negative

  std::string integer, fraction;
  if (integerCount > 0) {
    const auto count = static_cast<std::size_t>(integerCount);
    integer = digits.substr(0, std::min(count, digits.size()));
    if (count > digits.size()) integer.append(count - digits.size(), '0');
    if (count < digits.size()) fraction = digits.substr(count);
  } else {
    fraction = std::string(static_cast<std::size_t>(-integerCount), '0') + digits;
  }

  // Round to the pattern's places, halfway away from zero.
  if (fraction.size() > places) {
    const bool up = fraction[places] >= '5';
    fraction.resize(places);
    if (up && Increment(fraction) && Increment(integer)) integer.insert(integer.begin(), '1');
  } else {
    fraction.append(places - fraction.size(), '0');
  }
  while (fraction.size() > requiredPlaces && fraction.back() == '0') fraction.pop_back();

  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
  const bool isZero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
  if (integer.size() < minIntegerDigits) integer.insert(0, minIntegerDigits - integer.size(), '0');
  if (grouped) {
    for (std::size_t at = integer.size(); at > 3; at -= 3) integer.insert(at - 3, 1, ',');
  }

  String text(pattern.substr(0, first));
  if (value < 0 && !isZero) text += '-';
  text += integer;
  if (!fraction.empty()) text += '.' + fraction;
  text += pattern.substr(last);
  return text;
}

Double Log(Double value) { return std::log(value); }

Integer Asc(std::string_view text) {
  if (text.empty()) return 0;
  const Character c = FirstCharacter(text);
  return c.length == 0 ? 0xFFFD : Integer{c.code};
}

String Chr(Integer code) {
  if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
  const auto c = static_cast<std::uint32_t>(code);
  String text;
  if (c < 0x80) {
    text += static_cast<char>(c);
  } else if (c < 0x800) {
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (c >> 18));
    text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
  return text;
}

Integer ToInteger(Double value) {
  constexpr Double kTwo63 = 9223372036854775808.0;  // 2^63, exactly representable
  if (std::isnan(value)) return 0;
  if (value >= kTwo63) return std::numeric_limits<Integer>::max();
  if (value < -kTwo63) return std::numeric_limits<Integer>::min();
  return static_cast<Integer>(value);  // in range: truncates toward zero
}

}  // namespace rt
