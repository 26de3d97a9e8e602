// Format over arbitrary doubles (the input's first eight bytes are the bit
// pattern) with the result pattern "#.0" and a few others. The texts must have
// the pattern's shape, use only the fixed point and group characters, agree
// with each other, and read back with Val to the value they round.
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "Check.h"
#include "runtime/Functions.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool AllDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), IsDigit); }

// Distance between a value and the one a text reads back as, with the
// tolerance of one rounding step: the text's last place plus a few units in
// the last place of the value.
void ExpectReadsBackNear(double value, const std::string& text, long double place) {
  const double back = rt::Val(text);
  const long double distance = std::fabs(static_cast<long double>(back) - value);
  const long double ulp = std::nextafter(std::fabs(value), INFINITY) - std::fabs(value);
  FUZZ_CHECK(distance <= place / 2 + 4 * ulp, "%a (%.17g) formatted as \"%s\" reads back as %.17g",
             value, value, text.c_str(), back);
}

// Sign, integer digits, point, fraction digits.
struct Parts {
  bool negative;
  std::string_view integer, fraction;
  bool point;
};

Parts Split(std::string_view text) {
  Parts parts{};
  parts.negative = !text.empty() && text[0] == '-';
  if (parts.negative) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  parts.point = point != std::string_view::npos;
  parts.integer = text.substr(0, point);
  if (parts.point) parts.fraction = text.substr(point + 1);
  return parts;
}

// "#.0" worked out another way for a value below 2^50: the exactly rounded
// one-decimal form, except where the shortest form of the value ends in a 5
// right after the first decimal, which rounds away from zero.
std::string OneDecimal(double value) {
  char buffer[512];  // the longest such form, of the smallest subnormal, has 326 characters
  const double magnitude = std::fabs(value);
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
  FUZZ_CHECK(written.ec == std::errc{}, "%a has no fixed form in %zu characters", value,
             sizeof buffer);
  const std::string_view shortest(buffer, static_cast<std::size_t>(written.ptr - buffer));
  const std::size_t point = shortest.find('.');
  std::string text;
  if (point != std::string_view::npos && shortest.size() - point == 3 && shortest.back() == '5') {
    long long tenths = 0;
    std::from_chars(shortest.data(), shortest.data() + point, tenths);
    tenths = tenths * 10 + (shortest[point + 1] - '0') + 1;
    text = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
  } else {
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, 1);
    text.assign(buffer, end.ptr);
  }
  if (text.starts_with("0.")) text.erase(0, 1);
  if (value < 0 && text != ".0") text.insert(0, "-");
  return text;
}

void CheckNonFinite(double value) {
  const char* expected = std::isnan(value) ? "NaN" : value > 0 ? "Infinity" : "-Infinity";
  for (const char* pattern : {"#.0", "0.0", "#,##0.00", "#", "Vorpex: #.0 units"}) {
    const std::string text = rt::Format(value, pattern);
    FUZZ_CHECK(text == expected, "Format(%a, \"%s\") = \"%s\"", value, pattern, text.c_str());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, data, std::min(size, sizeof bits));
  const double value = std::bit_cast<double>(bits);
  if (!std::isfinite(value)) {
    CheckNonFinite(value);
    return 0;
  }

  // The result pattern: an optional minus, integer digits without a leading
  // zero (none below 1), the point and exactly one digit.
  const std::string result = rt::Format(value, "#.0");
  const Parts r = Split(result);
  FUZZ_CHECK(r.point && r.fraction.size() == 1 && AllDigits(r.fraction) && AllDigits(r.integer),
             "Format(%a, \"#.0\") = \"%s\"", value, result.c_str());
  FUZZ_CHECK(r.integer.empty() || r.integer[0] != '0', "Format(%a, \"#.0\") = \"%s\"", value,
             result.c_str());
  const bool roundsToZero = r.integer.empty() && r.fraction == "0";
  FUZZ_CHECK(r.negative == (value < 0 && !roundsToZero), "Format(%a, \"#.0\") = \"%s\"", value,
             result.c_str());
  ExpectReadsBackNear(value, result, 0.1L);
  if (std::fabs(value) < 0x1p50) {
    FUZZ_CHECK(result == OneDecimal(value), "Format(%a, \"#.0\") = \"%s\", not \"%s\"", value,
               result.c_str(), OneDecimal(value).c_str());
  }

  // "0.0" differs only by the zero before the point.
  const std::string withZero = rt::Format(value, "0.0");
  const std::string expectedWithZero =
      r.integer.empty() ? std::string(r.negative ? "-" : "") + "0" + result.substr(r.negative)
                        : result;
  FUZZ_CHECK(withZero == expectedWithZero, "Format(%a): \"0.0\" gives \"%s\", \"#.0\" gives \"%s\"",
             value, withZero.c_str(), result.c_str());

  // Literal text around the number is copied.
  const std::string labelled = rt::Format(value, "Vorpex: #.0 units");
  FUZZ_CHECK(labelled == "Vorpex: " + result + " units", "Format(%a, labelled) = \"%s\"", value,
             labelled.c_str());

  // Grouping by three, and nothing else, on top of "0.00".
  const std::string grouped = rt::Format(value, "#,##0.00");
  const Parts g = Split(grouped);
  FUZZ_CHECK(g.point && g.fraction.size() == 2 && AllDigits(g.fraction) && !g.integer.empty() &&
                 g.integer.size() % 4 != 0,
             "Format(%a, \"#,##0.00\") = \"%s\"", value, grouped.c_str());
  for (std::size_t i = 0; i < g.integer.size(); ++i) {
    const bool comma = (g.integer.size() - i) % 4 == 0;
    FUZZ_CHECK(comma ? g.integer[i] == ',' : IsDigit(g.integer[i]),
               "Format(%a, \"#,##0.00\") = \"%s\"", value, grouped.c_str());
  }
  std::string ungrouped = grouped;
  std::erase(ungrouped, ',');
  const std::string plain = rt::Format(value, "0.00");
  FUZZ_CHECK(ungrouped == plain, "Format(%a): \"#,##0.00\" gives \"%s\", \"0.00\" gives \"%s\"",
             value, grouped.c_str(), plain.c_str());
  ExpectReadsBackNear(value, plain, 0.01L);

  // Whole numbers: "#" leaves out a zero that "0" shows.
  const std::string whole = rt::Format(value, "#");
  const std::string wholeWithZero = rt::Format(value, "0");
  FUZZ_CHECK(wholeWithZero == (whole.empty() ? "0" : whole),
             "Format(%a): \"#\" gives \"%s\", \"0\" gives \"%s\"", value, whole.c_str(),
             wholeWithZero.c_str());
  FUZZ_CHECK(AllDigits(Split(whole).integer) && !Split(whole).point, "Format(%a, \"#\") = \"%s\"",
             value, whole.c_str());
  ExpectReadsBackNear(value, whole, 1.0L);

  // Seventeen places hold every digit of a value from 0.1 up: it reads back
  // exactly; below that, to within the last place.
  const std::string precise = rt::Format(value, "0.0################");
  const Parts p = Split(precise);
  FUZZ_CHECK(p.point && !p.fraction.empty() && p.fraction.size() <= 17 &&
                 (p.fraction.size() == 1 || p.fraction.back() != '0') && AllDigits(p.fraction) &&
                 AllDigits(p.integer) && !p.integer.empty(),
             "Format(%a, 17 places) = \"%s\"", value, precise.c_str());
  if (std::fabs(value) >= 0.1) {
    FUZZ_CHECK(rt::Val(precise) == value, "%a (%.17g) formatted as \"%s\" reads back as %.17g",
               value, value, precise.c_str(), rt::Val(precise));
  } else {
    ExpectReadsBackNear(value, precise, 1e-17L);
  }
  return 0;
}
