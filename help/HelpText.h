#pragma once

#include <string_view>

// The fixed text of the help window, UTF-8. Lines are separated by a single carriage return
// ('\r'); there is no line feed and no line end after the last line. The first line is the
// title "Vorpex".
extern const std::string_view kHelpText;
