#include "app/MenuBar1.h"

#include <array>
#include <optional>
#include <span>

std::unique_ptr<class MenuBar1> MenuBar1::_implicitInstance;

namespace {

// One menu item: its class, Name, the menu it goes in (none for a menu on
// the bar), caption and shortcut ("not set" for the separators).
struct MenuRow {
  const rt::ClassRecord& (*type)();
  std::string_view name;
  std::string_view menu;
  std::string_view caption;
  std::optional<std::string_view> shortcut;
};

constexpr std::optional<std::string_view> kNotSet = std::nullopt;

constexpr MenuRow kFileMenu[] = {
    {&rt::MenuItem::Class, "FileMenu", {}, "&File", ""},
    {&rt::QuitMenuItem::Class, "FileQuit", "FileMenu", "&Quit", "Cmd+Q"},
    {&rt::PrefsMenuItem::Class, "AboutItem", "FileMenu", "About Title", ""},
};
constexpr MenuRow kEditMenu[] = {
    {&rt::MenuItem::Class, "EditMenu", {}, "&Edit", ""},
    {&rt::MenuItem::Class, "EditUndo", "EditMenu", "&Undo", "Cmd+Z"},
    {&rt::MenuItem::Class, "UntitledMenu1", "EditMenu", "-", kNotSet},
    {&rt::MenuItem::Class, "EditCut", "EditMenu", "Cu&t", "Cmd+X"},
    {&rt::MenuItem::Class, "EditCopy", "EditMenu", "&Copy", "Cmd+C"},
    {&rt::MenuItem::Class, "EditPaste", "EditMenu", "&Paste", "Cmd+V"},
    {&rt::MenuItem::Class, "EditClear", "EditMenu", "&Delete", ""},
    {&rt::MenuItem::Class, "UntitledMenu0", "EditMenu", "-", kNotSet},
    {&rt::MenuItem::Class, "EditSelectAll", "EditMenu", "Select &All", "Cmd+A"},
};
constexpr MenuRow kInfoMenu[] = {
    {&rt::MenuItem::Class, "InfoMenu", {}, "Window", ""},
    {&rt::MenuItem::Class, "ControlItem", "InfoMenu", "Control", ""},
    {&rt::MenuItem::Class, "InfoItem", "InfoMenu", "Info", ""},
};

// Builds the rows in order; each item has all its properties before it is
// attached, and its menu is looked up afresh by Name.
void Build(rt::MenuItem& bar, std::span<const MenuRow> rows) {
  for (const MenuRow& row : rows) {
    auto item = rt::NewAs<rt::MenuItem>(row.type());
    item->Constructor();
    item->SetName(row.name);
    item->SetAutoEnabled(true);
    item->SetValue(row.caption);
    item->SetVisible(true);
    if (row.shortcut) item->SetShortcut(*row.shortcut);
    rt::MenuItem& menu = row.menu.empty() ? bar : rt::Cast<rt::MenuItem>(bar.Child(row.menu));
    menu.AddMenu(std::move(item));
  }
}

std::unique_ptr<rt::Object> Create() { return std::make_unique<class MenuBar1>(); }

constexpr rt::MethodEntry kMethods[] = {
    {"Constructor", "(  )"},
    {"Untitled0", "(  )"},
    {"Untitled1", "(  )"},
    {"Untitled2", "(  )"},
};

}  // namespace

const rt::ClassRecord& MenuBar1::Class() {
  static const rt::ClassRecord record{
      "MenuBar1.MenuBar1", &rt::MenuBar::Class(), kMethods, {}, &Create};
  static const rt::ClassRecord& registered = rt::RegisterClass(record);
  return registered;
}

void MenuBar1::Constructor() {
  Untitled0();
  Untitled1();
  Untitled2();
}

void MenuBar1::Untitled0() { Build(*this, kFileMenu); }
void MenuBar1::Untitled1() { Build(*this, kEditMenu); }
void MenuBar1::Untitled2() { Build(*this, kInfoMenu); }

class MenuBar1& MenuBar1() {
  if (MenuBar1::_implicitInstance == nullptr) {
    auto bar = rt::NewAs<class MenuBar1>(MenuBar1::Class());
    bar->Constructor();  // a failure drops the partly built bar
    MenuBar1::_implicitInstance = std::move(bar);
  }
  return *MenuBar1::_implicitInstance;
}
