// The runtime's global functions that need no user interface: number parsing
// and formatting, the logarithm, character codes and the Double-to-Integer
// conversion. All are locale-independent, never throw and are defined for
// every input.
#pragma once

#include <string_view>

#include "runtime/Types.h"

namespace rt {

// The numeric value at the start of a text (UTF-8). Leading spaces (of any
// kind: U+0020, the no-break space, the ideographic space ...) and tabs are
// skipped; then an optional sign, digits with at most one decimal point and an
// optional exponent ("e" or "E", optional sign, at least one digit) are read,
// and whatever follows is ignored: "1.2.3" is 1.2, "12abc" is 12, "1e3" is
// 1000, "1e" is 1. A digit is any Unicode decimal digit, read as its value
// ("１３７７" and "١٣٧٧" are 1377); the point, the signs and the exponent letter
// are ASCII. Invalid UTF-8 is neither a digit nor a space. A text without a
// leading number ("", ".", "-", "abc") is 0.
// Values beyond the range of a Double give plus or minus infinity, values too
// small to represent give zero of the same sign; the rounding is correct for
// digit strings of any length.
Double Val(std::string_view text);

// A number as text by a pattern of '#' (optional digit), '0' (required
// digit), '.' (decimal point) and ',' (group the integer digits by three);
// other characters before or after the number are copied. "#.0" gives exactly
// one decimal and no grouping. The value is rounded from its shortest exact
// decimal form (the digits that identify the Double), halfway cases away from
// zero: 0.25 gives ".3", 0.15 gives ".2", -2.25 gives "-2.3". With '#' in the
// integer place a magnitude below 1 has no leading zero (".5"); a value that
// rounds to zero has no sign. Infinities and NaN give "Infinity", "-Infinity"
// and "NaN" whatever the pattern. The point is always "." and the group
// separator always ",", whatever the user's locale.
String Format(Double value, std::string_view pattern);

// The natural logarithm, with IEEE results: -infinity for 0, NaN below 0.
Double Log(Double value);

// The Unicode code of a text's first character; 0 for the empty text, 65533
// for a text that does not start with valid UTF-8.
Integer Asc(std::string_view text);

// A one-character text (UTF-8) for a Unicode code; the empty text for codes
// that are no character (negative, surrogates, above 0x10FFFF).
String Chr(Integer code);

// A Double converted to Integer: truncated toward zero. NaN gives 0; values at
// or beyond the Integer range give its nearest end (the largest or smallest
// Integer), so infinities saturate as well.
Integer ToInteger(Double value);

}  // namespace rt
