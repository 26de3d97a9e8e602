// The application's one menu bar: File, Edit and Window menus, shared by the
// application and every window that shows a menu bar.
#pragma once

#include <memory>

#include "runtime/Menu.h"
#include "runtime/Window.h"

class MenuBar1 final : public rt::MenuBar {
 public:
  static const rt::ClassRecord& Class();

  // Builds the three menus, one builder each, in their order.
  void Constructor() override;
  void Untitled0();  // the File menu
  void Untitled1();  // the Edit menu
  void Untitled2();  // the Window menu (named InfoMenu)

  static std::unique_ptr<MenuBar1> _implicitInstance;
};

// The shared menu bar, built on the first call.
class MenuBar1& MenuBar1();

// A window showing MenuBar1, with one accessor per menu item, by the item's
// Name; each raises NilObjectException when the window has no menu bar.
class MenuBar1Window : public rt::Window {
 public:
  rt::MenuItem& InfoMenu() const { return MenuItemNamed<rt::MenuItem>("InfoMenu"); }
  rt::MenuItem& InfoItem() const { return MenuItemNamed<rt::MenuItem>("InfoItem"); }
  rt::MenuItem& ControlItem() const { return MenuItemNamed<rt::MenuItem>("ControlItem"); }
  rt::MenuItem& EditMenu() const { return MenuItemNamed<rt::MenuItem>("EditMenu"); }
  rt::MenuItem& EditSelectAll() const { return MenuItemNamed<rt::MenuItem>("EditSelectAll"); }
  rt::MenuItem& UntitledMenu0() const { return MenuItemNamed<rt::MenuItem>("UntitledMenu0"); }
  rt::MenuItem& EditClear() const { return MenuItemNamed<rt::MenuItem>("EditClear"); }
  rt::MenuItem& EditPaste() const { return MenuItemNamed<rt::MenuItem>("EditPaste"); }
  rt::MenuItem& EditCopy() const { return MenuItemNamed<rt::MenuItem>("EditCopy"); }
  rt::MenuItem& EditCut() const { return MenuItemNamed<rt::MenuItem>("EditCut"); }
  rt::MenuItem& UntitledMenu1() const { return MenuItemNamed<rt::MenuItem>("UntitledMenu1"); }
  rt::MenuItem& EditUndo() const { return MenuItemNamed<rt::MenuItem>("EditUndo"); }
  rt::MenuItem& FileMenu() const { return MenuItemNamed<rt::MenuItem>("FileMenu"); }
  rt::PrefsMenuItem& AboutItem() const { return MenuItemNamed<rt::PrefsMenuItem>("AboutItem"); }
  rt::QuitMenuItem& FileQuit() const { return MenuItemNamed<rt::QuitMenuItem>("FileQuit"); }
};
