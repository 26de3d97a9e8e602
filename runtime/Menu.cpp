#include "runtime/Menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTextEdit>

#include "runtime/Application.h"
#include "runtime/Bridge_p.h"
#include "runtime/Window.h"

namespace rt {

// Reads null once the action was released.
struct MenuItem::ActionRef {
  QPointer<QAction> action;
};

namespace {

// Owns every menu action, so that all of them go before the platform does.
QObject*& ActionHolder() {
  static QObject* holder = nullptr;
  return holder;
}

bool IsMenu(const QWidget* widget) {
  return qobject_cast<const QMenuBar*>(widget) != nullptr ||
         qobject_cast<const QMenu*>(widget) != nullptr;
}

bool IsText(const QWidget* widget) {
  return qobject_cast<const QLineEdit*>(widget) != nullptr ||
         qobject_cast<const QTextEdit*>(widget) != nullptr;
}

// The text control that last had the focus, kept while a menu bar or a menu
// holds the keyboard (a menu opened with Alt and a letter).
QPointer<QWidget>& LastText() {
  static QPointer<QWidget> last;
  return last;
}

void FollowFocus(QWidget* now) {
  if (IsText(now)) {
    LastText() = now;
  } else if (!IsMenu(now)) {
    LastText() = nullptr;
  }
}

// What editing commands act on: the focused text control or, while the menus
// have the keyboard, the one that had the focus in the active window.
QWidget* EditTarget() {
  QWidget* focus = QApplication::focusWidget();
  if (IsText(focus)) return focus;
  const QPointer<QWidget> last = LastText();
  return IsMenu(focus) && last != nullptr && last->window() == QApplication::activeWindow()
             ? last.data()
             : nullptr;
}

template <class T>
std::unique_ptr<Object> Create() {
  return std::make_unique<T>();
}

constexpr MethodEntry kMenuItemMethods[] = {
    {"Constructor", "(  )"},
    {"AddMenu", "( MenuItem )"},
    {"Child", "( String ) as MenuItem"},
    {"Count", "(  ) as Integer"},
    {"Item", "( Integer ) as MenuItem"},
    {"Lookup", "( String ) as MenuItem"},
};
constexpr ClassRecord kMenuItem{"MenuItem", nullptr, kMenuItemMethods, {}, &Create<MenuItem>};
constexpr ClassRecord kQuitMenuItem{"QuitMenuItem", &kMenuItem, {}, {}, &Create<QuitMenuItem>};
constexpr ClassRecord kPrefsMenuItem{"PrefsMenuItem", &kMenuItem, {}, {}, &Create<PrefsMenuItem>};
constexpr ClassRecord kMenuBar{"MenuBar", &kMenuItem, {}, {}, &Create<MenuBar>};

// The standard editing commands, done on the focused text control.
enum class Edit { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

Edit EditCommand(std::string_view name) {
  if (name == "EditUndo") return Edit::Undo;
  if (name == "EditCut") return Edit::Cut;
  if (name == "EditCopy") return Edit::Copy;
  if (name == "EditPaste") return Edit::Paste;
  if (name == "EditClear") return Edit::Clear;
  if (name == "EditSelectAll") return Edit::SelectAll;
  return Edit::None;
}

// Whether an editing command applies to the focused text control. Paste asks
// the clipboard only with `askClipboard` (when the Edit menu opens); otherwise
// it is offered wherever text can be inserted, and a shortcut just tries.
bool CanEdit(Edit command, bool askClipboard) {
  QWidget* focus = EditTarget();
  const auto canPaste = [askClipboard](bool readOnly) {
    return !readOnly && (!askClipboard || detail::ClipboardOffersText());
  };
  if (auto* line = qobject_cast<QLineEdit*>(focus)) {
    switch (command) {
      case Edit::Undo:
        return line->isUndoAvailable();
      case Edit::Cut:
      case Edit::Clear:
        return line->hasSelectedText() && !line->isReadOnly();
      case Edit::Copy:
        return line->hasSelectedText();
      case Edit::Paste:
        return canPaste(line->isReadOnly());
      case Edit::SelectAll:
        return !line->text().isEmpty();
      case Edit::None:
        return false;
    }
  }
  if (auto* area = qobject_cast<QTextEdit*>(focus)) {
    const bool selection = area->textCursor().hasSelection();
    switch (command) {
      case Edit::Undo:
        return area->document()->isUndoAvailable();
      case Edit::Cut:
      case Edit::Clear:
        return selection && !area->isReadOnly();
      case Edit::Copy:
        return selection;
      case Edit::Paste:
        return canPaste(area->isReadOnly());
      case Edit::SelectAll:
        return !area->document()->isEmpty();
      case Edit::None:
        return false;
    }
  }
  return false;
}

void DoEdit(Edit command) {
  QWidget* focus = EditTarget();
  if (auto* line = qobject_cast<QLineEdit*>(focus)) {
    // The runtime's own fields undo and paste by their own rules.
    auto* own = dynamic_cast<detail::LineEdit*>(line);
    switch (command) {
      case Edit::Undo:
        own != nullptr ? own->Restore(false) : line->undo();
        break;
      case Edit::Cut:
        line->cut();
        break;
      case Edit::Copy:
        line->copy();
        break;
      case Edit::Paste:
        own != nullptr ? own->Paste(QClipboard::Clipboard) : line->paste();
        break;
      case Edit::Clear:
        if (line->hasSelectedText()) line->del();
        break;
      case Edit::SelectAll:
        line->selectAll();
        break;
      case Edit::None:
        break;
    }
  } else if (auto* area = qobject_cast<QTextEdit*>(focus)) {
    switch (command) {
      case Edit::Undo:
        area->undo();
        break;
      case Edit::Cut:
        area->cut();
        break;
      case Edit::Copy:
        area->copy();
        break;
      case Edit::Paste:
        area->paste();
        break;
      case Edit::Clear:
        area->textCursor().removeSelectedText();
        break;
      case Edit::SelectAll:
        area->selectAll();
        break;
      case Edit::None:
        break;
    }
  }
}

QKeySequence ShortcutOf(const std::optional<String>& shortcut) {
  if (!shortcut || shortcut->empty()) return {};
  QString text = detail::ToQt(*shortcut);
  text.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"));  // Qt maps Ctrl to Command on macOS
  return QKeySequence(text, QKeySequence::PortableText);
}

}  // namespace

// What happens when an item is chosen, and whether it can be.
struct MenuRouting {
  // Whether the item can be chosen now; the clipboard is asked only with
  // `askClipboard`.
  static bool Enabled(MenuItem& item, bool askClipboard) {
    if (item.Count() > 0) return true;  // a menu
    if (Window* front = FrontWindow(); front != nullptr && front->MenuHandler(item.Name())) {
      return true;
    }
    if (item.HasOwnAction()) return true;
    if (const Edit command = EditCommand(item.Name()); command != Edit::None) {
      return CanEdit(command, askClipboard);
    }
    return !item.AutoEnabled();
  }

  static void Choose(MenuItem& item) {
    Window* front = FrontWindow();
    if (const auto* handler = front != nullptr ? front->MenuHandler(item.Name()) : nullptr) {
      Guarded(*handler);
    } else if (item.HasOwnAction()) {
      Guarded([&] { return item.OwnAction(); });
    } else if (const Edit command = EditCommand(item.Name()); command != Edit::None) {
      DoEdit(command);
    }
  }

  // Brings the enabling of a menu's items up to date as the menu opens.
  static void Update(MenuItem& item) {
    if (QAction* action = item.action_->action) action->setEnabled(Enabled(item, true));
    for (const auto& child : item.children_) Update(*child);
  }

  static void Fill(QMenu& menu, MenuItem& model) {
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&model] { Update(model); });
    for (const auto& child : model.children_) {
      if (child->IsSeparator()) {
        menu.addSeparator()->setVisible(child->Visible());
      } else if (child->Count() > 0) {
        QMenu* sub = menu.addMenu(detail::ToQt(child->Value()));
        sub->menuAction()->setVisible(child->Visible());
        Fill(*sub, *child);
      } else {
        menu.addAction(child->Action());
      }
    }
  }
};

const ClassRecord& MenuItem::Class() {
  static const ClassRecord& record = RegisterClass(kMenuItem);
  return record;
}
const ClassRecord& QuitMenuItem::Class() {
  static const ClassRecord& record = RegisterClass(kQuitMenuItem);
  return record;
}
const ClassRecord& PrefsMenuItem::Class() {
  static const ClassRecord& record = RegisterClass(kPrefsMenuItem);
  return record;
}
const ClassRecord& MenuBar::Class() {
  static const ClassRecord& record = RegisterClass(kMenuBar);
  return record;
}

MenuItem::MenuItem() : action_(std::make_unique<ActionRef>()) {}

MenuItem::~MenuItem() { delete action_->action.data(); }

void MenuItem::SetValue(std::string_view value) {
  value_ = value;
  if (QAction* action = action_->action) action->setText(detail::ToQt(value_));
}

void MenuItem::SetShortcut(std::string_view shortcut) {
  shortcut_ = String(shortcut);
  if (QAction* action = action_->action) action->setShortcut(ShortcutOf(shortcut_));
}

void MenuItem::SetVisible(bool value) {
  visible_ = value;
  if (QAction* action = action_->action) action->setVisible(value);
}

void MenuItem::AddMenu(std::unique_ptr<MenuItem> item) {
  if (item == nullptr) throw NilObjectException("no menu item to add");
  children_.push_back(std::move(item));
}

MenuItem* MenuItem::Child(std::string_view name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child.get();
  }
  return nullptr;
}

MenuItem* MenuItem::Lookup(std::string_view name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child.get();
    if (MenuItem* found = child->Lookup(name)) return found;
  }
  return nullptr;
}

QAction* MenuItem::Action() {
  if (QAction* action = action_->action) return action;
  if (ActionHolder() == nullptr) {
    ActionHolder() = new QObject;
    // Before any action's own enabling, which asks for the edit target.
    QObject::connect(qApp, &QApplication::focusChanged, ActionHolder(),
                     [](QWidget*, QWidget* now) { FollowFocus(now); });
  }
  auto* action = new QAction(detail::ToQt(value_), ActionHolder());
  action_->action = action;
  action->setShortcut(ShortcutOf(shortcut_));
  action->setVisible(visible_);
  if (dynamic_cast<QuitMenuItem*>(this) != nullptr) action->setMenuRole(QAction::QuitRole);
  if (dynamic_cast<PrefsMenuItem*>(this) != nullptr) action->setMenuRole(QAction::PreferencesRole);
  QObject::connect(action, &QAction::triggered, [this] { MenuRouting::Choose(*this); });
  // Shortcuts work without opening a menu: keep the enabling current, but
  // never wait on the clipboard for it. The keyboard moving into the menus
  // leaves what an opening menu worked out.
  QObject::connect(qApp, &QApplication::focusChanged, action,
                   [this, action](QWidget*, QWidget* now) {
                     if (!IsMenu(now)) action->setEnabled(MenuRouting::Enabled(*this, false));
                   });
  action->setEnabled(MenuRouting::Enabled(*this, false));
  return action;
}

bool QuitMenuItem::OwnAction() {
  Quit(0);
  return true;
}

namespace detail {

QMenuBar* MakeMenuBar(MenuBar& model, QWidget* parent) {
#ifdef Q_OS_MACOS
  // One parentless menu bar for the whole application.
  static QMenuBar* shared = nullptr;
  if (shared == nullptr) {
    shared = new QMenuBar(nullptr);
    for (std::size_t i = 0; i < model.Count(); ++i) {
      MenuItem& menu = model.Item(i);
      MenuRouting::Fill(*shared->addMenu(ToQt(menu.Value())), menu);
    }
  }
  (void)parent;
  return nullptr;
#else
  auto* bar = new QMenuBar(parent);
  for (std::size_t i = 0; i < model.Count(); ++i) {
    MenuItem& menu = model.Item(i);
    QMenu* qmenu = bar->addMenu(ToQt(menu.Value()));
    qmenu->menuAction()->setVisible(menu.Visible());
    MenuRouting::Fill(*qmenu, menu);
  }
  return bar;
#endif
}

void AddMenuShortcuts(MenuBar& model, QWidget& window) {
#ifdef Q_OS_MACOS
  (void)model;  // the one menu bar serves every window
  (void)window;
#else
  for (std::size_t i = 0; i < model.Count(); ++i) {
    MenuItem& menu = model.Item(i);
    for (std::size_t j = 0; j < menu.Count(); ++j) {
      if (!menu.Item(j).IsSeparator()) window.addAction(menu.Item(j).Action());
    }
  }
#endif
}

void ReleaseMenuActions() {
  delete ActionHolder();
  ActionHolder() = nullptr;
}

}  // namespace detail
}  // namespace rt
