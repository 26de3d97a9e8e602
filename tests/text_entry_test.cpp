// Text that reaches an input field other than key by key: composed by an input method, pasted,
// cut, undone, dropped or set. A field holds one line, and shows what the calculation reads; an
// edit by any route has the effects of an accepted key.

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QMimeData>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Harness.h"

namespace {

using namespace std::literals;

QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

void Key(rt::TextField& field, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  PressWithText(field, key, {}, modifiers);
}
void Chord(rt::TextField& field, QKeySequence::StandardKey binding) {
  const QKeyCombination chord = QKeySequence::keyBindings(binding).value(0)[0];
  Key(field, chord.key(), chord.keyboardModifiers());
}

// The field's accessibility interface for inserting and deleting text.
QAccessibleEditableTextInterface& Accessible(rt::TextField& field) {
  return *QAccessible::queryAccessibleInterface(Edit(field))->editableTextInterface();
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
// break or tab stays, the hidden characters go, then whole characters up to the limit of 6; a
// paste that changes the text takes the result away, and Ctrl+Z gives back the text before it.
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
    {"DirectionMarksTakeNoRoom", u"\u200e\u200e\u200e3456"sv, "134562", 5},
    {"ZeroWidthSpacesTakeNoRoom",
     u"\u200b\u200b\u200b\u200b\u200b\u200b\u200b\u200b\u200b\u200b"
     u"\u200b\u200b\u200b\u200b\u200b\u200b\u200b\u200b\u200b\u200b34"sv,
     "1342", 3},
    {"LimitKeepsWholeCharacters", u"345\U0001F600"sv, "13452", 4},
    {"CutBeyondTheLimit", u"3456789"sv, "134562", 5},
};

class Paste : public WindowTest, public ::testing::WithParamInterface<Pasted> {};

TEST_P(Paste, KeepsOneLineWithoutHiddenCharacters) {
  const Pasted& c = GetParam();
  auto& w = ActiveCalculator();
  Calculated(w);
  w.nFld().SetFocus();
  Edit(w.nFld())->setCursorPosition(1);
  QApplication::clipboard()->setText(Q(c.clipboard));
  Chord(w.nFld(), QKeySequence::Paste);
  EXPECT_EQ(w.nFld().Text(), c.text);
  EXPECT_EQ(Edit(w.nFld())->cursorPosition(), c.caret);
  EXPECT_EQ(DisplayOf(w), c.text == "12" ? ResultDisplay::kShown : ResultDisplay::kLabelOnly);
  EXPECT_EQ(Edit(w.nFld())->selectedText(), "");
  Chord(w.nFld(), QKeySequence::Undo);
  EXPECT_EQ(w.nFld().Text(), "12");
  EXPECT_EQ(rt::testing::BeepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Texts, Paste, ::testing::ValuesIn(kPasted), kByName);

// Every way in keeps a field on one line and a copied row to its first cell, and hidden characters
// take no room from the digits: five right-to-left marks, "1", NUL, "2345678", tab, "3", line
// break, "4" brought into an empty N, which holds 6 characters of the user's.
struct Route {
  std::string_view name;
  std::function<void(rt::TextField&, const QString&)> bring;
  std::string_view kept;
};

const Route kRoutes[] = {
    {"CtrlV",
     [](rt::TextField& field, const QString& text) {
       QApplication::clipboard()->setText(text);
       PressWithText(field, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
     },
     "123456"},
    {"Drop",
     [](rt::TextField& field, const QString& text) {
       QMimeData data;
       data.setText(text);
       QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
       QApplication::sendEvent(Edit(field), &enter);
       QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
       QApplication::sendEvent(Edit(field), &drop);
     },
     "123456"},
    {"SetByTheProgram",
     [](rt::TextField& field, const QString& text) { field.SetText(text.toStdString()); },
     "12345678"},
    {"Accessibility", SetThroughAccessibility, "123456"},
};

class WayIn : public WindowTest, public ::testing::WithParamInterface<Route> {};

TEST_P(WayIn, KeepsTheFirstLineWithoutHiddenCharacters) {
  auto& w = ActiveCalculator();
  w.nFld().SetFocus();
  GetParam().bring(w.nFld(), Q(u"\u200f\u200f\u200f\u200f\u200f1\0002345678\t3\n4"sv));
  EXPECT_EQ(w.nFld().Text(), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Routes, WayIn, ::testing::ValuesIn(kRoutes), kByName);

// --- Every route of an edit ---

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
void PasteTheCell(rt::TextField& field) { Chord(field, QKeySequence::Paste); }
void TypeThreeAndDrop(rt::TextField& field) {
  Type(field, "3");
  DropAtTheEnd(field);
}
void PasteAndTypeThree(rt::TextField& field) {
  QApplication::clipboard()->setText("3");
  Chord(field, QKeySequence::Paste);
  Type(field, "3");
}
void Undo(rt::TextField& field) { Chord(field, QKeySequence::Undo); }

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
    {"CtrlZ", TypeThree, Undo, "12"},
    {"EditMenuUndo", TypeThree, [](auto&) { Choose("EditUndo"); }, "12"},
    {"ContextMenuUndo", TypeThree, [](auto& f) { FromContextMenu(f, "&Undo"); }, "12"},
    {"Redo", TypeThreeAndUndo, [](auto& f) { Chord(f, QKeySequence::Redo); }, "123"},
    {"ContextMenuRedo", TypeThreeAndUndo, [](auto& f) { FromContextMenu(f, "&Redo"); }, "123"},
    // A paste or a drop, trimmed to its first cell, is an undo step of its own.
    {"UndoOfAPaste", PasteTheCell, Undo, "12"},
    {"UndoOfADrop", DropAtTheEnd, Undo, "12"},
    {"UndoOfADropAfterTyping", TypeThreeAndDrop, Undo, "123"},
    {"UndoOfTypingAfterAPaste", PasteAndTypeThree, Undo, "123"},
    // Set, inserted or deleted through the accessibility interface.
    {"AccessibilitySets", Nothing,
     [](auto& f) { SetThroughAccessibility(f, "123"); },
     "123"},
    {"AccessibilityInserts", Nothing, [](auto& f) { Accessible(f).insertText(2, "3"); }, "123"},
    {"AccessibilityDeletes", Nothing, [](auto& f) { Accessible(f).deleteText(0, 1); }, "2"},
    // Routes that leave the text as it was change nothing.
    {"CtrlC", SelectAll, [](auto& f) { Chord(f, QKeySequence::Copy); }, "12"},
    {"CtrlInsert", SelectAll, [](auto& f) { Key(f, Qt::Key_Insert, Qt::ControlModifier); }, "12"},
    {"CtrlA", Nothing, [](auto& f) { Chord(f, QKeySequence::SelectAll); }, "12"},
    {"EditMenuSelectAll", Nothing, [](auto&) { Choose("EditSelectAll"); }, "12"},
    {"UndoWithNothingToUndo", Nothing, Undo, "12"},
    {"CtrlXWithNothingSelected", Nothing, [](auto& f) { Chord(f, QKeySequence::Cut); }, "12"},
    {"ShiftDeleteWithNothingSelected", Nothing,
     [](auto& f) { Key(f, Qt::Key_Delete, Qt::ShiftModifier); }, "12"},
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

// --- A paste that brings no text ---

// What the clipboard may hold instead of text: a picture, nothing, an empty text, or text offered
// by an owner that then gives nothing (it does not answer in time, or went away).
class NoAnswer : public QMimeData {
 public:
  QStringList formats() const override { return {"text/plain"}; }

 protected:
  QVariant retrieveData(const QString&, QMetaType) const override { return {}; }
};

struct Offer {
  std::string_view name;
  QMimeData* (*make)();
};

const Offer kNoText[] = {
    {"Picture",
     [] {
       auto* data = new QMimeData;
       data->setImageData(QImage(4, 4, QImage::Format_RGB32));
       return data;
     }},
    {"Nothing", [] { return new QMimeData; }},
    {"EmptyText",
     [] {
       auto* data = new QMimeData;
       data->setText("");
       return data;
     }},
    {"NoAnswer", []() -> QMimeData* { return new NoAnswer; }},
};

std::vector<EditRoute> PasteRoutes() {
  std::vector<EditRoute> pastes;
  for (const EditRoute& route : kEditRoutes) {
    for (const std::string_view name :
         {"CtrlV", "ShiftInsert", "EditMenuPaste", "ContextMenuPaste"}) {
      if (route.name == name) pastes.push_back(route);
    }
  }
  return pastes;
}

class PasteOfNoText : public WindowTest,
                      public ::testing::WithParamInterface<std::tuple<Offer, EditRoute>> {};

// Over the whole of Num Classes, the field whose edits empty BIC and entropy.
TEST_P(PasteOfNoText, LeavesTheFieldItsSelectionAndTheOtherFieldsAsTheyWere) {
  const auto& [offer, route] = GetParam();
  auto& w = ActiveCalculator();
  const std::string result = Calculated(w);
  w.clasFld().SetFocus();
  Edit(w.clasFld())->selectAll();
  QApplication::clipboard()->setMimeData(offer.make());

  route.act(w.clasFld());

  for (const Input input : kInputs) EXPECT_EQ(FieldOf(w, input).Text(), "12") << input;
  EXPECT_EQ(Edit(w.clasFld())->selectedText(), "12");
  EXPECT_EQ(DisplayOf(w), ResultDisplay::kShown);
  EXPECT_EQ(w.VorpexFld().Text(), result);
  EXPECT_EQ(rt::testing::BeepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Offers, PasteOfNoText,
                         ::testing::Combine(::testing::ValuesIn(kNoText),
                                            ::testing::ValuesIn(PasteRoutes())),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  std::string(std::get<1>(info.param).name);
                         });

}  // namespace
