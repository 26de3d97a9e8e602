// The fuzz targets' own reading of a field's text, independent of the
// program's: the text decoded by Qt, with each decimal digit of any script
// written as its ASCII digit and each space as an ASCII space; any other
// character outside ASCII, and what Qt cannot decode, becomes '#', which
// cannot be part of a number.
#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <iterator>
#include <string>
#include <string_view>

inline std::string InAscii(std::string_view text) {
  std::string ascii;
  for (const char32_t c : QString::fromUtf8(text.data(), std::ssize(text)).toUcs4()) {
    if (c < 0x80) {
      ascii += static_cast<char>(c);
    } else if (QChar::category(c) == QChar::Number_DecimalDigit) {
      ascii += static_cast<char>('0' + QChar::digitValue(c));
    } else if (QChar::category(c) == QChar::Separator_Space) {
      ascii += ' ';
    } else {
      ascii += '#';
    }
  }
  return ascii;
}
