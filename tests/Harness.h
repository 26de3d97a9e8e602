// Shared set-up for the tests that drive the real windows on the offscreen
// platform.
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/MenuBar1.h"
#include "calculator/ControlWnd.h"
#include "runtime/Testing.h"
#include "runtime/Window.h"

// A row of a test's table prints as its name. In the unnamed namespace of each test file, where
// the rows are declared, so that the test framework finds it by the row's type.
namespace {
template <class Row>
requires requires(const Row& row, std::ostream& os) { os << row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }
}  // namespace

// Names a parameterised case after the `name` of its row.
inline constexpr auto kByName = [](const auto& info) { return std::string(info.param.name); };

inline bool Eventually(const std::function<bool()>& condition) {
  return QTest::qWaitFor(condition);
}

// Every test starts with no window, no recorded message, no beep and no quit.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::testing::Clear();
    rt::testing::ResetQuit();
  }
  void TearDown() override { rt::testing::DestroyWindows(); }
};

inline QLineEdit* Edit(rt::TextField& field) { return static_cast<QLineEdit*>(field.Widget()); }

// Sets a field's text through its accessibility interface, as screen readers and voice control do.
inline void SetThroughAccessibility(rt::TextField& field, const QString& text) {
  QAccessible::queryAccessibleInterface(Edit(field))->setText(QAccessible::Value, text);
}

// Types text into a field key by key, as the user would.
inline void Type(rt::TextField& field, const QString& text) { QTest::keyClicks(Edit(field), text); }
inline void Press(rt::TextField& field, Qt::Key key) { QTest::keyClick(Edit(field), key); }

// A left click on a button, as the user would.
inline void Click(rt::PushButton& button) {
  QTest::mouseClick(button.Widget(), Qt::LeftButton, {}, QPoint(10, 10));
}

// The four input fields, in their tab order.
enum class Input { kN, kClasses, kBic, kEntropy };
constexpr Input kInputs[] = {Input::kN, Input::kClasses, Input::kBic, Input::kEntropy};

inline rt::TextField& FieldOf(const class ControlWnd& w, Input input) {
  constexpr const char* kFields[] = {"nFld", "clasFld", "bicFld", "entropyFld"};
  return w.ControlNamed<rt::TextField>(kFields[static_cast<int>(input)]);
}

inline const char* NameOf(Input input) {
  constexpr const char* kNames[] = {"N", "Classes", "Bic", "Entropy"};
  return kNames[static_cast<int>(input)];
}
inline std::ostream& operator<<(std::ostream& os, Input input) { return os << NameOf(input); }

// A key press and release with the text a keyboard would give, for keys QTest has no text for.
inline void PressWithText(rt::TextField& field, Qt::Key key, const QString& text,
                          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(Edit(field), &press);
  QApplication::sendEvent(Edit(field), &release);
}

// The calculator window shown and active, so that the focus moves as for the user.
inline class ControlWnd& ActiveCalculator() {
  auto& w = ControlWnd();
  w.Show();
  EXPECT_TRUE(QTest::qWaitForWindowActive(w.Frame()));
  return w;
}

inline bool HasFocus(const rt::RectControl& control) {
  return QApplication::focusWidget() == control.Widget();
}

// Sets the four inputs as a paste would, without any key.
inline void Enter(class ControlWnd& w, std::string_view n, std::string_view classes,
                  std::string_view bic, std::string_view entropy) {
  w.nFld().SetText(n);
  w.clasFld().SetText(classes);
  w.bicFld().SetText(bic);
  w.entropyFld().SetText(entropy);
}

// Types the four inputs key by key, each into its own field.
inline void TypeInputs(class ControlWnd& w, const QString& n, const QString& classes,
                       const QString& bic, const QString& entropy) {
  Type(w.nFld(), n);
  Type(w.clasFld(), classes);
  Type(w.bicFld(), bic);
  Type(w.entropyFld(), entropy);
}

// The result display: the label "Vorpex:" and the result field are both hidden, both shown, or
// the label stays alone once an input changed after a calculation.
enum class ResultDisplay { kHidden, kShown, kLabelOnly, kInconsistent };

inline std::ostream& operator<<(std::ostream& os, ResultDisplay d) {
  constexpr const char* kNames[] = {"both hidden", "both shown", "label only",
                                    "result without label"};
  return os << kNames[static_cast<int>(d)];
}

inline ResultDisplay DisplayOf(const class ControlWnd& w) {
  const bool label = w.VorpexText().Visible();
  const bool result = w.VorpexFld().Visible();
  if (label && result) return ResultDisplay::kShown;
  if (label) return ResultDisplay::kLabelOnly;
  return result ? ResultDisplay::kInconsistent : ResultDisplay::kHidden;
}

// Every field holds "12", and the result of a calculation is shown; nothing recorded yet.
inline std::string Calculated(class ControlWnd& w) {
  Enter(w, "12", "12", "12", "12");
  Click(w.calcBtn());
  EXPECT_EQ(DisplayOf(w), ResultDisplay::kShown);
  rt::testing::Clear();
  return w.VorpexFld().Text();
}

// --- Menus ---

inline rt::MenuItem& Item(std::string_view name) {
  return rt::Cast<rt::MenuItem>(MenuBar1().Lookup(name));
}

// The menus of a window's platform menu bar that hold an item's action.
inline std::vector<QMenu*> MenusHolding(const rt::Window& window, QAction* action) {
  std::vector<QMenu*> menus;
  for (QMenu* menu : window.Frame()->findChildren<QMenu*>()) {
    if (menu->actions().contains(action)) menus.push_back(menu);
  }
  return menus;
}

// Opens the item's menu in the front window's menu bar (which brings the
// enabling up to date) and reports whether the item can be chosen there.
inline bool Offered(rt::MenuItem& item) {
  rt::Window* front = rt::FrontWindow();
  if (front == nullptr) return false;
  for (QMenu* menu : MenusHolding(*front, item.Action())) emit menu->aboutToShow();
  return item.Action()->isEnabled();
}

// Chooses an item as the user does: opens its menu, then picks it.
inline void Choose(std::string_view name) {
  rt::MenuItem& item = Item(name);
  Offered(item);
  item.Action()->trigger();
}
