#include "runtime/Display_p.h"

#ifdef VORPEX_X11
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#endif

namespace rt::detail {

#ifdef VORPEX_X11
namespace {

std::string_view Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// Whether the platform will be X and nothing else: QT_QPA_PLATFORM names the
// platforms to try ("name:options", separated by ';'); without it X is the
// default, unless a Wayland session may let the platform choose Wayland.
bool OnlyX() {
  std::string_view chosen = Env("QT_QPA_PLATFORM");
  if (chosen.empty()) return Env("WAYLAND_DISPLAY").empty() && Env("XDG_SESSION_TYPE") != "wayland";
  while (!chosen.empty()) {
    const std::string_view entry = chosen.substr(0, chosen.find(';'));
    if (entry.substr(0, entry.find(':')) != "xcb") return false;
    chosen.remove_prefix(std::min(chosen.size(), entry.size() + 1));
  }
  return true;
}

}  // namespace

DisplayCheck::DisplayCheck(std::string_view programName) {
  if (!OnlyX()) return;
  const std::string_view display = Env("DISPLAY");
  if (display.empty()) {
    problem_ = String(programName) + ": no display to open (DISPLAY is not set)";
    return;
  }
  connection_ = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection_) != 0) {
    problem_ = String(programName) + ": cannot open display \"" + String(display) + "\"";
  }
}

DisplayCheck::~DisplayCheck() {
  if (connection_ != nullptr) xcb_disconnect(connection_);
}
#else
DisplayCheck::DisplayCheck(std::string_view) {}
DisplayCheck::~DisplayCheck() = default;
#endif

}  // namespace rt::detail
