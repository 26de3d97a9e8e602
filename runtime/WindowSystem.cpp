// What only the window system does for the runtime's windows.
#include <QWidget>

#include "runtime/WindowSystem_p.h"

#if VORPEX_X11
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#endif

namespace rt::detail {

void ShowEmptyTitle([[maybe_unused]] QWidget& frame) {
#if VORPEX_X11
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || !frame.testAttribute(Qt::WA_WState_Created)) return;
  xcb_connection_t* connection = x11->connection();
  if (connection == nullptr) return;
  // The two atoms, asked for together and kept (one connection per process).
  static const auto [name, utf8] = [connection] {
    const char* const names[] = {"_NET_WM_NAME", "UTF8_STRING"};
    xcb_intern_atom_cookie_t cookies[2];
    for (int i = 0; i < 2; ++i) {
      cookies[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(names[i])),
                                   names[i]);
    }
    xcb_atom_t atoms[2];
    for (int i = 0; i < 2; ++i) {
      const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
          xcb_intern_atom_reply(connection, cookies[i], nullptr), &std::free);
      atoms[i] = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return std::pair(atoms[0], atoms[1]);
  }();
  if (name == XCB_ATOM_NONE || utf8 == XCB_ATOM_NONE) return;
  const auto window = static_cast<xcb_window_t>(frame.winId());
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, name, utf8, 8, 0, nullptr);
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                      8, 0, nullptr);
  xcb_flush(connection);
#endif
}

}  // namespace rt::detail
