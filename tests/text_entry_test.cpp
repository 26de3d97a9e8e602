// Text that reaches an input field other than key by key: composed by an input method, pasted,
// dropped or set. A field holds one line, and shows what the calculation reads.

#include <QClipboard>
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

// Pasted into "12" between the digits, after a calculation: the first line stays, the hidden
// characters go, and no filter runs, so the result stays shown.
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
    {"TabAndNulDropped", u"3\t\0004"sv, "1342", 3},
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
  EXPECT_EQ(DisplayOf(w), ResultDisplay::kShown);
  EXPECT_EQ(rt::testing::BeepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Texts, Paste, ::testing::ValuesIn(kPasted), kByName);

// Every way in keeps a field on one line: "1", NUL, "2", tab, "3", line break, "4" brought into
// an empty N.
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
  EXPECT_EQ(w.nFld().Text(), "123");
}

INSTANTIATE_TEST_SUITE_P(Routes, WayIn, ::testing::ValuesIn(kRoutes), kByName);

}  // namespace
