// The help text cut into lines, and lines into cells, as the help window shows them.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "help/HelpText.h"

// The parts of a text between separators; n separators give n + 1 parts.
inline std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos;
       start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// A line of the help text by its number, counted from 1 as in the window.
inline std::string_view HelpLine(int number) {
  static const std::vector<std::string_view> lines = Split(kHelpText, '\r');
  return lines.at(static_cast<std::size_t>(number - 1));
}
