// Text that reaches an input field other than key by key: composed by an input method, pasted,
// cut, undone, dropped or set. A field holds one line, and shows what the calculation reads; an
// edit by any route has the effects of an accepted key.

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <functional>
#include <string>
#include <string_view>

#include "Harness.h"

namespace {

using namespace std::literals;

QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Composed characters pass the field's filter one by one, like typed ones.
struct Composed {
  std::string_view name;
  Input input;
  std::u16string_view committed;
  std::string_view text;
  int beeps;
};

constexpr Composed kComposed[] = {
    {"DigitsOnlyInN", Input::kN, u"a5\u00e9.7", "57", 3},
    {"PointKeptInBic", Input::kBic, u"a5\u00e9.7", "5.7", 2},
};

class InputMethod : public WindowTest, public ::testing::WithParamInterface<Composed> {};

TEST_P(InputMethod, CommitsOnlyWhatTheFilterTakes) {
  const Composed& c = GetParam();
  auto& field = FieldOf(ControlWnd(), c.input);
  QInputMethodEvent event;
  event.setCommitString(Q(c.committed));
  QApplication::sendEvent(Edit(field), &event);
  EXPECT_EQ(field.Text(), c.text);
  EXPECT_EQ(rt::testing::BeepCount(), c.beeps);
}

INSTANTIATE_TEST_SUITE_P(Texts, InputMethod, ::testing::ValuesIn(kComposed), kByName);

// Pasted into "12" between the digits, after a calculation: what comes before the first line
// break or tab stays, the hidden characters go, and a paste that changes the text takes the
// result away.
struct Pasted {
  std::string_view name;
  std::u16string_view clipboard;
  std::string_view text;
  int caret;
};

constexpr Pasted kPasted[] = {
    {"FirstLineOnly", u"3\n4\t5"sv, "132", 2},
    {"WindowsLineEnd", u"3\r\n4"sv, "132", 2},
    {"UnicodeLineSeparator", u"3\u20284"sv, "132", 2},
    {"NothingBeforeTheLineBreak", u"\n34"sv, "12", 1},
    {"CutAtTheTab", u"3\t4\n5"sv, "132", 2},
    {"NothingBeforeTheTab", u"\t34"sv, "12", 1},
    {"NulDropped", u"3\0004"sv, "1342", 3},
    {"DirectionOverrideDropped", u"\u202e34"sv, "1342", 3},
};

class Paste : public WindowTest, public ::testing::WithParamInterface<Pasted> {};

TEST_P(Paste, KeepsOneLineWithoutHiddenCharacters) {
  const Pasted& c = GetParam();
  auto& w = ActiveCalculator();
  Calculated(w);
  w.nFld().SetFocus();
  Edit(w.nFld())->setCursorPosition(1);
  QApplication::clipboard()->setText(Q(c.clipboard));
  Edit(w.nFld())->paste();
  EXPECT_EQ(w.nFld().Text(), c.text);
  EXPECT_EQ(Edit(w.nFld())->cursorPosition(), c.caret);
  EXPECT_EQ(DisplayOf(w), c.text == "12" ? ResultDisplay::kShown : ResultDisplay::kLabelOnly);
  EXPECT_EQ(rt::testing::BeepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Texts, Paste, ::testing::ValuesIn(kPasted), kByName);

// Every way in keeps a field on one line and a copied row to its first cell: "1", NUL, "2", tab,
// "3", line break, "4" brought into an empty N.
struct Route {
  std::string_view name;
  std::function<void(rt::TextField&, const QString&)> bring;
};

const Route kRoutes[] = {
    {"CtrlV",
     [](rt::TextField& field, const QString& text) {
       QApplication::clipboard()->setText(text);
       PressWithText(field, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
     }},
    {"Drop",
     [](rt::TextField& field, const QString& text) {
       QMimeData data;
       data.setText(text);
       QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
       QApplication::sendEvent(Edit(field), &enter);
       QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
       QApplication::sendEvent(Edit(field), &drop);
     }},
    {"SetByTheProgram",
     [](rt::TextField& field, const QString& text) { field.SetText(text.toStdString()); }},
};

class WayIn : public WindowTest, public ::testing::WithParamInterface<Route> {};

TEST_P(WayIn, KeepsTheFirstLineWithoutHiddenCharacters) {
  auto& w = ActiveCalculator();
  w.nFld().SetFocus();
  GetParam().bring(w.nFld(), Q(u"1\0002\t3\n4"sv));
  EXPECT_EQ(w.nFld().Text(), "12");
}

INSTANTIATE_TEST_SUITE_P(Routes, WayIn, ::testing::ValuesIn(kRoutes), kByName);

// --- Every route of an edit ---

void Key(rt::TextField& field, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  PressWithText(field, key, {}, modifiers);
}
void Chord(rt::TextField& field, QKeySequence::StandardKey binding) {
  const QKeyCombination chord = QKeySequence::keyBindings(binding).value(0)[0];
  Key(field, chord.key(), chord.keyboardModifiers());
}
void SelectAll(rt::TextField& field) { Edit(field)->selectAll(); }
// The field's context menu, opened as by the right button, and the item whose caption begins
// with `caption` chosen.
void FromContextMenu(rt::TextField& field, const QString& caption) {
  const QPoint at(4, 4);
  QContextMenuEvent open(QContextMenuEvent::Mouse, at, Edit(field)->mapToGlobal(at));
  QApplication::sendEvent(Edit(field), &open);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  for (QAction* action : menu->actions()) {
    if (action->text().startsWith(caption)) action->trigger();
  }
  menu->close();
}
// "3", tab, "4" dropped at the end of the field from outside the program.
void DropAtTheEnd(rt::TextField& field) {
  QMimeData data;
  data.setText("3\t4");
  const QPoint end(Edit(field)->width() - 4, Edit(field)->height() / 2);
  QDragEnterEvent enter(end, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(Edit(field), &enter);
  QDropEvent drop(end, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(Edit(field), &drop);
}

// One way to change (or not) a field that holds "12" with the caret at its end, with "3", tab,
// "4" on the clipboard. `prepare` runs before the calculation whose result the route then meets.
struct EditRoute {
  std::string_view name;
  void (*prepare)(rt::TextField&);
  void (*act)(rt::TextField&);
  std::string_view text;  // the field's text after the route
};

void Nothing(rt::TextField&) {}
void TypeThree(rt::TextField& field) { Type(field, "3"); }
void TypeThreeAndUndo(rt::TextField& field) {
  Type(field, "3");
  Chord(field, QKeySequence::Undo);
}

// clang-format off
const EditRoute kEditRoutes[] = {
    {"CtrlV", Nothing, [](auto& f) { Chord(f, QKeySequence::Paste); }, "123"},
    {"ShiftInsert", Nothing, [](auto& f) { Key(f, Qt::Key_Insert, Qt::ShiftModifier); }, "123"},
    {"EditMenuPaste", Nothing, [](auto&) { Choose("EditPaste"); }, "123"},
    {"ContextMenuPaste", Nothing, [](auto& f) { FromContextMenu(f, "&Paste"); }, "123"},
    {"Drop", Nothing, DropAtTheEnd, "123"},
    {"CtrlX", SelectAll, [](auto& f) { Chord(f, QKeySequence::Cut); }, ""},
    {"ShiftDelete", SelectAll, [](auto& f) { Key(f, Qt::Key_Delete, Qt::ShiftModifier); }, ""},
    {"EditMenuCut", SelectAll, [](auto&) { Choose("EditCut"); }, ""},
    {"EditMenuDelete", SelectAll, [](auto&) { Choose("EditClear"); }, ""},
    {"ContextMenuDelete", SelectAll, [](auto& f) { FromContextMenu(f, "Delete"); }, ""},
    {"CtrlZ", TypeThree, [](auto& f) { Chord(f, QKeySequence::Undo); }, "12"},
    {"EditMenuUndo", TypeThree, [](auto&) { Choose("EditUndo"); }, "12"},
    {"ContextMenuUndo", TypeThree, [](auto& f) { FromContextMenu(f, "&Undo"); }, "12"},
    {"Redo", TypeThreeAndUndo, [](auto& f) { Chord(f, QKeySequence::Redo); }, "123"},
    {"ContextMenuRedo", TypeThreeAndUndo, [](auto& f) { FromContextMenu(f, "&Redo"); }, "123"},
    // Routes that leave the text as it was change nothing.
    {"CtrlC", SelectAll, [](auto& f) { Chord(f, QKeySequence::Copy); }, "12"},
    {"CtrlInsert", SelectAll, [](auto& f) { Key(f, Qt::Key_Insert, Qt::ControlModifier); }, "12"},
    {"CtrlA", Nothing, [](auto& f) { Chord(f, QKeySequence::SelectAll); }, "12"},
    {"EditMenuSelectAll", Nothing, [](auto&) { Choose("EditSelectAll"); }, "12"},
    {"UndoWithNothingToUndo", Nothing, [](auto& f) { Chord(f, QKeySequence::Undo); }, "12"},
    {"PasteOfNothing", [](auto&) { QApplication::clipboard()->clear(); },
     [](auto& f) { Chord(f, QKeySequence::Paste); }, "12"},
};
// clang-format on

class RouteInField : public WindowTest,
                     public ::testing::WithParamInterface<std::tuple<Input, EditRoute>> {};

TEST_P(RouteInField, ChangingTheTextHasTheEffectsOfAnAcceptedKey) {
  const auto& [input, route] = GetParam();
  auto& w = ActiveCalculator();
  Enter(w, "12", "12", "12", "12");
  auto& field = FieldOf(w, input);
  field.SetFocus();
  Edit(field)->end(false);
  QApplication::clipboard()->setText("3\t4");
  route.prepare(field);
  for (const Input other : kInputs) {
    if (FieldOf(w, other).Text().empty()) FieldOf(w, other).SetText("12");
  }
  Click(w.calcBtn());
  ASSERT_EQ(DisplayOf(w), ResultDisplay::kShown);
  rt::testing::Clear();
  const std::string result = w.VorpexFld().Text();
  const std::string before = field.Text();

  route.act(field);

  EXPECT_EQ(field.Text(), route.text);
  EXPECT_EQ(rt::testing::BeepCount(), 0);
  const bool edited = route.text != before;
  const bool newModel = edited && input == Input::kClasses;
  for (const Input other : kInputs) {
    if (other == input) continue;
    const bool emptied = newModel && (other == Input::kBic || other == Input::kEntropy);
    EXPECT_EQ(FieldOf(w, other).Text(), emptied ? "" : "12") << other;
  }
  if (!edited) {
    EXPECT_EQ(DisplayOf(w), ResultDisplay::kShown);
    EXPECT_EQ(w.VorpexFld().Text(), result);
  } else {
    EXPECT_EQ(DisplayOf(w), newModel ? ResultDisplay::kHidden : ResultDisplay::kLabelOnly);
    EXPECT_EQ(w.VorpexFld().Text(), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Routes, RouteInField,
                         ::testing::Combine(::testing::ValuesIn(kInputs),
                                            ::testing::ValuesIn(kEditRoutes)),
                         [](const auto& info) {
                           return std::string(NameOf(std::get<0>(info.param))) + "_" +
                                  std::string(std::get<1>(info.param).name);
                         });

}  // namespace
