// The help window: its frame and placement, the text area and its text, and
// the worked examples of the text checked against the real calculation.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <functional>
#include <ostream>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "Harness.h"
#include "HelpLines.h"
#include "app/MenuBar1.h"
#include "help/helpWnd.h"
#include "runtime/Window.h"

namespace {

QTextEdit* EditOf(rt::TextArea& area) { return static_cast<QTextEdit*>(area.Widget()); }

QRect Placed(const rt::RectControl& control) {
  return {static_cast<int>(control.Left()), static_cast<int>(control.Top()),
          static_cast<int>(control.Width()), static_cast<int>(control.Height())};
}

QSize ClientSize(const rt::Window& window) {
  return {static_cast<int>(window.ClientWidth()), static_cast<int>(window.ClientHeight())};
}

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos
             ? std::string()
             : std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

TEST_F(WindowTest, HelpIsAResizableInfoWindow) {
  class helpWnd& help = helpWnd();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(help.Frame()));
  EXPECT_EQ(help.Title(), "Info");
  EXPECT_EQ(help.ClientWidth(), 550);
  EXPECT_EQ(help.ClientHeight(), 500);
  EXPECT_EQ(help.ClientArea()->minimumSize(), QSize(64, 64));
  EXPECT_EQ(help.ClientArea()->maximumSize(), QSize(32000, 32000));
  EXPECT_EQ(&helpWnd(), &help);
  EXPECT_EQ(help.Controls().size(), 1u);
}

struct FrameSize {
  QSize requested;  // the window's outer size, menu bar included
  QSize client;     // what the client area gets
};
void PrintTo(const FrameSize& c, std::ostream* os) {
  *os << c.requested.width() << 'x' << c.requested.height();
}

class HelpResized : public WindowTest, public ::testing::WithParamInterface<FrameSize> {};

TEST_P(HelpResized, ClientFollowsAndTheTextAreaKeepsItsPlace) {
  class helpWnd& help = helpWnd();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(help.Frame()));
  const int bar = help.Frame()->findChild<QMenuBar*>()->height();
  help.Frame()->resize(GetParam().requested + QSize(0, bar));
  ASSERT_TRUE(Eventually([&] { return ClientSize(help) == GetParam().client; }))
      << ClientSize(help).width() << "x" << ClientSize(help).height();
  EXPECT_EQ(Placed(help.EditField1()), QRect(0, 0, 551, 498));

  // Closed and opened again, it keeps the size the user gave it.
  help.Frame()->close();
  ASSERT_FALSE(help.Visible());
  help.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(help.Frame()));
  EXPECT_EQ(ClientSize(help), GetParam().client);
  EXPECT_EQ(Placed(help.EditField1()), QRect(0, 0, 551, 498));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, HelpResized,
    ::testing::Values(FrameSize{{800, 700}, {800, 700}}, FrameSize{{300, 200}, {300, 200}},
                      FrameSize{{551, 498}, {551, 498}}, FrameSize{{20, 10}, {64, 64}}),
    [](const auto& info) {
      const QSize& size = info.param.requested;
      return "Frame" + std::to_string(size.width()) + "x" + std::to_string(size.height());
    });

TEST_F(WindowTest, HelpOpensStaggeredFromTheWindowInFront) {
  class ControlWnd& calculator = ControlWnd();
  ASSERT_TRUE(QTest::qWaitForWindowActive(calculator.Frame()));
  calculator.Frame()->move(120, 90);
  Click(calculator.helpBtn());
  EXPECT_EQ(helpWnd().Frame()->pos(), QPoint(160, 130));
}

TEST_F(WindowTest, HelpTextAreaScrollsVerticallyAndWraps) {
  QTextEdit* edit = EditOf(helpWnd().EditField1());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(edit->window()));
  EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_TRUE(edit->verticalScrollBar()->isVisible());
  EXPECT_FALSE(edit->horizontalScrollBar()->isVisible());
  EXPECT_GT(edit->verticalScrollBar()->maximum(), 0);  // more text than fits
}

TEST_F(WindowTest, HelpTextReadsBackExactly) {
  EXPECT_EQ(helpWnd().EditField1().Text(), kHelpText);
  EXPECT_EQ(helpWnd().EditField1().GetStyledText().Text(), kHelpText);
}

TEST_F(WindowTest, HelpTitleAloneIsBold) {
  rt::StyledText styled = helpWnd().EditField1().GetStyledText();
  for (rt::Integer position = 0; position < 6; ++position) {
    EXPECT_TRUE(styled.Bold(position)) << position;
  }
  const auto third = static_cast<rt::Integer>(kHelpText.find("The Vorpex criterion"));
  for (const rt::Integer position : {rt::Integer{6}, rt::Integer{7}, third, third + 10}) {
    EXPECT_FALSE(styled.Bold(position)) << position;
  }
}

// Clicks into the help text and puts the caret at its end; null when the
// text area did not get the focus.
QTextEdit* CaretAtTheEndOfTheHelpText(class helpWnd& help) {
  QTextEdit* edit = EditOf(help.EditField1());
  if (!QTest::qWaitForWindowActive(help.Frame())) return nullptr;
  QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  if (!Eventually([&] { return QApplication::focusWidget() == edit; })) return nullptr;
  QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
  return edit;
}

TEST_F(WindowTest, HelpTakesTypedTextAndTabs) {
  class helpWnd& help = helpWnd();
  QTextEdit* edit = CaretAtTheEndOfTheHelpText(help);
  ASSERT_NE(edit, nullptr);
  QTest::keyClicks(edit, "ab");
  QTest::keyClick(edit, Qt::Key_Tab);
  QTest::keyClicks(edit, "c");
  EXPECT_EQ(help.EditField1().Text(), std::string(kHelpText) + "ab\tc");
  EXPECT_EQ(QApplication::focusWidget(), edit);
}

// Ctrl+V at the end of the help text brings the clipboard's plain text; a
// clipboard that offers no text leaves the text as it was.
struct Clipboard {
  const char* name;
  std::function<QMimeData*()> offered;
  std::string added;
};
void PrintTo(const Clipboard& c, std::ostream* os) { *os << c.name; }

QMimeData* Offering(const QString& format, const QByteArray& data) {
  auto* offered = new QMimeData;
  if (!format.isEmpty()) offered->setData(format, data);
  return offered;
}

const Clipboard kClipboards[] = {
    {"TextOnTwoLines", [] { return Offering("text/plain", "a\nb"); }, "a\rb"},
    {"Latin1Text", [] { return Offering("text/plain;charset=iso-8859-1", "\xe9"); }, "\u00e9"},
    {"NothingOffered", [] { return Offering({}, {}); }, ""},
    {"NoText", [] { return Offering("application/octet-stream", "zz"); }, ""},
};

class HelpPaste : public WindowTest, public ::testing::WithParamInterface<Clipboard> {};

TEST_P(HelpPaste, AddsThePlainTextOffered) {
  class helpWnd& help = helpWnd();
  QTextEdit* edit = CaretAtTheEndOfTheHelpText(help);
  ASSERT_NE(edit, nullptr);
  QApplication::clipboard()->setMimeData(GetParam().offered());
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(help.EditField1().Text(), std::string(kHelpText) + GetParam().added);
}

INSTANTIATE_TEST_SUITE_P(Clipboards, HelpPaste, ::testing::ValuesIn(kClipboards),
                         [](const auto& info) { return std::string(info.param.name); });

// Edit > Undo chosen as the user does: its menu opened first, which brings the
// item's enabling up to date; false when it is not offered.
bool ChooseUndo(const rt::Window& window) {
  QAction* undo = rt::Cast<rt::MenuItem>(MenuBar1().Lookup("EditUndo")).Action();
  for (QMenu* menu : window.Frame()->findChildren<QMenu*>()) {
    if (menu->actions().contains(undo)) emit menu->aboutToShow();
  }
  if (!undo->isEnabled()) return false;
  undo->trigger();
  return true;
}

// The help text as declared, its bold title included, is where editing starts:
// undo takes back the user's own edits and nothing before them.
TEST_F(WindowTest, HelpUndoStopsAtTheTextAsDeclared) {
  class helpWnd& help = helpWnd();
  QTextEdit* edit = EditOf(help.EditField1());
  ASSERT_TRUE(QTest::qWaitForWindowActive(help.Frame()));
  rt::StyledText styled = help.EditField1().GetStyledText();
  const auto asDeclared = [&] {
    for (rt::Integer position = 0; position < 6; ++position) {
      if (!styled.Bold(position)) return false;
    }
    return help.EditField1().Text() == kHelpText;
  };
  QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  ASSERT_TRUE(Eventually([&] { return QApplication::focusWidget() == edit; }));
  EXPECT_FALSE(ChooseUndo(help));
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(asDeclared());

  QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(edit, "x");
  EXPECT_TRUE(ChooseUndo(help));
  EXPECT_FALSE(ChooseUndo(help));
  EXPECT_TRUE(asDeclared());
}

// Window > Info and File > About Title leave the calculator as it was: inputs,
// result and the field with the focus.
TEST_F(WindowTest, InfoAndAboutLeaveTheCalculatorAsItWas) {
  class ControlWnd& w = ActiveCalculator();
  TypeInputs(w, "1377", "2", "32062", "0.5");
  Click(w.calcBtn());
  ASSERT_EQ(DisplayOf(w), ResultDisplay::kShown);
  const std::string result = w.VorpexFld().Text();
  w.bicFld().SetFocus();
  ASSERT_TRUE(HasFocus(w.bicFld()));

  for (const char* item : {"InfoItem", "AboutItem"}) {
    SCOPED_TRACE(item);
    rt::Cast<rt::MenuItem>(MenuBar1().Lookup(item)).Action()->trigger();
    ASSERT_TRUE(Eventually([&] { return QApplication::activeWindow() != w.Frame(); }));
    w.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.Frame()));
    EXPECT_EQ(w.nFld().Text(), "1377");
    EXPECT_EQ(w.clasFld().Text(), "2");
    EXPECT_EQ(w.bicFld().Text(), "32062");
    EXPECT_EQ(w.entropyFld().Text(), "0.5");
    EXPECT_EQ(w.VorpexFld().Text(), result);
    EXPECT_EQ(DisplayOf(w), ResultDisplay::kShown);
    EXPECT_TRUE(Eventually([&] { return HasFocus(w.bicFld()); }));
  }
}

// --- The worked examples ---

struct WorkedExample {
  std::string n, classes, bic, entropy;
  std::string computed;  // as the results line gives it
};

// The example rows (lines 14 to 17) and what the line after them says this
// program computes for each.
std::vector<WorkedExample> ExamplesOfTheHelpText() {
  const std::string_view results = HelpLine(18);
  const std::string computed(results.substr(0, results.find("for the four rows")));
  const std::regex figure(R"(\d[\d,]*\.\d)");
  std::vector<std::string> figures;
  for (auto it = std::sregex_iterator(computed.begin(), computed.end(), figure);
       it != std::sregex_iterator(); ++it) {
    figures.push_back(it->str());
  }
  std::vector<WorkedExample> examples;
  for (std::size_t row = 0; row < 4; ++row) {
    std::vector<std::string> cells;
    for (const std::string_view cell : Split(HelpLine(14 + static_cast<int>(row)), '\t')) {
      if (!cell.empty()) cells.push_back(Trimmed(cell));
    }
    if (cells.size() < 4 || row >= figures.size()) break;
    examples.push_back({cells[0], cells[1], cells[2], cells[3], figures[row]});
  }
  return examples;
}

class HelpExample : public WindowTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(HelpExample, CalculatorGivesTheValueTheTextStates) {
  const auto examples = ExamplesOfTheHelpText();
  ASSERT_LT(GetParam(), examples.size());
  const WorkedExample& e = examples[GetParam()];
  SCOPED_TRACE(e.n + " " + e.classes + " " + e.bic + " " + e.entropy);

  class ControlWnd& w = ControlWnd();
  // Typed as printed: the thousands comma is refused (with a beep) by the BIC field.
  const auto q = [](const std::string& text) { return QString::fromStdString(text); };
  TypeInputs(w, q(e.n), q(e.classes), q(e.bic), q(e.entropy));
  Click(w.calcBtn());

  std::string expected = e.computed;
  std::erase(expected, ',');
  EXPECT_TRUE(rt::testing::MessageBoxes().empty());
  EXPECT_EQ(DisplayOf(w), ResultDisplay::kShown);
  EXPECT_EQ(w.VorpexFld().Text(), expected);
  EXPECT_EQ(rt::testing::BeepCount(), std::count(e.bic.begin(), e.bic.end(), ','));
}

INSTANTIATE_TEST_SUITE_P(Rows, HelpExample, ::testing::Range<std::size_t>(0, 4));

}  // namespace
