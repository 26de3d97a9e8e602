// Windows: one per full class name, built from their class's declaration.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "runtime/Controls.h"
#include "runtime/Menu.h"
#include "runtime/Object.h"
#include "runtime/Properties.h"

namespace rt {

class Picture;

// One row of a window's control table.
struct ControlDeclaration {
  const ClassRecord& (*type)();
  std::string_view name;
  Declaration properties;
  std::shared_ptr<Picture> (*backdrop)() = nullptr;  // canvases only
};

// How the declared window properties map onto a top-level Qt window:
// - Width x Height is the client area; a menu bar drawn inside the window
//   comes on top of it. MinimumWidth..MaximumHeight limit the client area.
// - Type 0 is an ordinary document window; Type 2 is a dialog-styled frame,
//   not modal. Other types raise UnsupportedOperationException.
// - Title is the title bar's text; an empty title shows nothing there (not
//   the application's name).
// - DefaultLocation 0 centres the window's own area (menu bar and client
//   area, without the window manager's frame) on the available area of its
//   screen the first time it is shown; 3 staggers it 40 pixels right of and
//   below the front window (centred when there is none). Either way a window
//   that would leave the available area is moved back onto it, its frame
//   included as far as known; one larger than the area keeps its top left
//   corner in it.
// - Resizeable false fixes the client size; HasCloseButton, HasMinimizeButton
//   and HasMaximizeButton choose the frame buttons. There is no separate
//   full-screen button on Linux or Windows: HasFullScreenButton and
//   FullScreen false change nothing; true raises UnsupportedOperationException.
// - Visible true shows the window once it is built (after its controls exist
//   and its Open event ran); Composite, MacProcID and LiveResize have no effect
//   here.
// - A window the user closes is hidden, and still held by the runtime; its
//   Close event runs first.
class Window : public Object {
 public:
  static const ClassRecord& Class();
  Window();
  ~Window() override;

  // Builds the window from its class: registers it as its class's window,
  // raises Layout, CreateControls, AddMenuHandlers, each control's Open and
  // the window's Open, then shows it if its declaration says Visible. If
  // building raises, the runtime drops the window and the error goes on.
  void Constructor();

  // Makes the window visible and brings it to the front, also when it is
  // visible already.
  void Show();
  // Hides the window without closing it.
  void Hide();
  bool Visible() const;

  MenuBar* GetMenuBar() const { return menuBar_; }
  void SetMenuBar(MenuBar* menuBar);

  void SetProperties(Declaration declaration);

  // The one control builder: for each row, creates the control, runs its
  // constructor, registers it under its name, gives a canvas its backdrop,
  // applies its declaration and attaches the handlers that the window's event
  // table names for it; each control is complete before the next is made.
  void BuildControls(std::span<const ControlDeclaration> controls);

  std::unique_ptr<Control> NewControl(const ClassRecord& type);  // allocates a control
  void AddControl(std::string_view name, std::unique_ptr<Control> control);
  Control* ControlByName(std::string_view name) const;  // null when there is none
  std::span<const std::unique_ptr<Control>> Controls() const { return controls_; }

  // The control registered under `name`, type-tested.
  template <class T>
  T& ControlNamed(std::string_view name) const {
    return Cast<T>(ControlByName(name));
  }
  // The item of the window's menu bar with that Name, type-tested; raises
  // NilObjectException when the window has no menu bar.
  template <class T>
  T& MenuItemNamed(std::string_view name) const {
    if (menuBar_ == nullptr) throw NilObjectException("the window has no menu bar");
    return Cast<T>(menuBar_->Lookup(name));
  }

  // Registers, for this window, the handler of the menu item with that Name.
  void AddMenuHandler(std::string_view itemName, std::function<bool()> handler);
  const std::function<bool()>* MenuHandler(std::string_view itemName) const;

  // Raises one of the window's own events through its class's event table;
  // false when no class handles it or the handler lets it go on.
  bool RaiseEvent(std::string_view event, EventArgs args = {});

  String Title() const;
  Integer ClientWidth() const;
  Integer ClientHeight() const;

  // The platform window; for the runtime and for tests.
  QWidget* Frame() const;
  QWidget* ClientArea() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::vector<std::unique_ptr<Control>> controls_;
  MenuBar* menuBar_ = nullptr;
};

// The window the runtime holds under a full class name, or null.
Window* GetImplicitWindow(std::string_view className);

// Creates a window of that class, holds it under the class's name and runs
// its Constructor; if building raises, the window is dropped again.
Window& NewImplicitWindow(const ClassRecord& record);

// The window of a class, built when the runtime holds none, type-tested as W.
template <class W>
W& ImplicitWindow(const ClassRecord& record) {
  Window* window = GetImplicitWindow(record.name);
  return Cast<W>(window != nullptr ? *window : NewImplicitWindow(record));
}

// The window in front: the active window if it is one of the runtime's,
// otherwise the visible one most recently shown or activated; null when none is.
Window* FrontWindow();

}  // namespace rt
