// Whether the windowing system can be reached, asked before the platform
// starts (the platform itself aborts when it cannot connect).
#pragma once

#include "runtime/Types.h"

namespace rt::detail {

// Empty when the display can be reached, or when the platform is not one this
// check knows; otherwise the one line that says which display could not be
// opened.
String UnreachableDisplay(std::string_view programName);

}  // namespace rt::detail
