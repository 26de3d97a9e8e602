// Menus: one model of items that every window showing a menu bar displays.
//
// On Linux and Windows each such window gets a menu bar of its own whose
// entries share one action per item; on macOS the bar is one parentless menu
// bar. "&" in a caption marks the mnemonic; a caption "-" is a separator; a
// shortcut "Cmd+X" is the platform's command modifier with X (Ctrl on Linux
// and Windows).
//
// A chosen item runs the handler that the front window registered under the
// item's Name. With none: a QuitMenuItem quits with exit code 0; the standard
// editing items (Names EditUndo, EditCut, EditCopy, EditPaste, EditClear,
// EditSelectAll) edit the focused text control; any other AutoEnabled item is
// disabled.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "runtime/Object.h"

class QAction;

namespace rt {

class MenuItem : public Object {
 public:
  static const ClassRecord& Class();
  MenuItem();
  ~MenuItem() override;

  virtual void Constructor() {}

  const String& Name() const { return name_; }
  void SetName(std::string_view name) { name_ = name; }
  const String& Value() const { return value_; }  // the caption
  void SetValue(std::string_view value);
  // The shortcut text, or nothing when none was ever set.
  const std::optional<String>& Shortcut() const { return shortcut_; }
  void SetShortcut(std::string_view shortcut);
  bool AutoEnabled() const { return autoEnabled_; }
  void SetAutoEnabled(bool value) { autoEnabled_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool IsSeparator() const { return value_ == "-"; }

  // Appends an item as the last child.
  void AddMenu(std::unique_ptr<MenuItem> item);
  std::size_t Count() const { return children_.size(); }
  MenuItem& Item(std::size_t index) const { return *children_.at(index); }
  // The direct child with that Name, or null.
  MenuItem* Child(std::string_view name) const;
  // The item with that Name anywhere below this one, or null.
  MenuItem* Lookup(std::string_view name) const;

  // The platform action of this item, made on first use (again, once the
  // runtime released the actions); for the runtime.
  QAction* Action();

 protected:
  // What the item does when chosen and no front window handles it; returns
  // false when it has no action of its own.
  virtual bool OwnAction() { return false; }
  virtual bool HasOwnAction() const { return false; }

 private:
  friend struct MenuRouting;
  String name_;
  String value_;
  std::optional<String> shortcut_;
  bool autoEnabled_ = true;
  bool visible_ = true;
  std::vector<std::unique_ptr<MenuItem>> children_;
  // The platform action, owned by the runtime's action holder, which may
  // release it before this item goes; the item then sees none.
  struct ActionRef;
  std::unique_ptr<ActionRef> action_;
};

// Quits the application with exit code 0 unless the front window handles it.
class QuitMenuItem : public MenuItem {
 public:
  static const ClassRecord& Class();

 protected:
  bool OwnAction() override;
  bool HasOwnAction() const override { return true; }
};

// The application's preferences item. It has no action of its own here: it
// is enabled only where the front window handles it.
class PrefsMenuItem : public MenuItem {
 public:
  static const ClassRecord& Class();
};

class MenuBar : public MenuItem {
 public:
  static const ClassRecord& Class();
};

}  // namespace rt
