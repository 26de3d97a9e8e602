// Whether the windowing system can be reached, asked before the platform
// starts (the platform itself aborts when it cannot connect).
#pragma once

#include <string_view>

#include "runtime/Types.h"

struct xcb_connection_t;

namespace rt::detail {

// Connects to the display that the platform is about to use, where the
// platform is X. The connection is held until the check goes: an X server
// whose last client leaves resets itself, and the platform would wait for that.
class DisplayCheck {
 public:
  explicit DisplayCheck(std::string_view programName);
  ~DisplayCheck();
  DisplayCheck(const DisplayCheck&) = delete;
  DisplayCheck& operator=(const DisplayCheck&) = delete;

  // Empty when the display can be reached, or when the platform is not X;
  // otherwise the one line that says which display could not be opened.
  const String& Problem() const { return problem_; }

 private:
  xcb_connection_t* connection_ = nullptr;
  String problem_;
};

}  // namespace rt::detail
