// What only the window system does for the runtime's windows. Private to the
// runtime layer.
#pragma once

class QWidget;

namespace rt::detail {

// On X11 an untitled window would be named after the application in the title
// bar: once the window exists, the names a window manager shows are emptied.
// Elsewhere nothing happens.
void ShowEmptyTitle(QWidget& frame);

}  // namespace rt::detail
