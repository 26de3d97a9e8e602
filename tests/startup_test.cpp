// Start-up, the splash (About) window and its hand-over, the pictures, and the
// calculator window as a window.
#include <QApplication>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <string_view>

#include "Harness.h"
#include "app/AboutWnd.h"
#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "app/Vorpex.h"
#include "help/helpWnd.h"
#include "runtime/Application.h"
#include "runtime/Window.h"

namespace {

// The calculator window while the runtime holds none is not built by asking.
rt::Window* HeldCalculator() { return rt::GetImplicitWindow("ControlWnd.ControlWnd"); }

bool InFront(const rt::Window& window) {
  return Eventually([&] {
    return rt::FrontWindow() == &window && QApplication::activeWindow() == window.Frame();
  });
}

// --- The application object ---

TEST(Startup, ApplicationObjectCarriesTheVersionData) {
  ASSERT_NE(rt::App(), nullptr);
  const auto& app = rt::Cast<Vorpex>(rt::App());
  EXPECT_EQ(app.MajorVersion(), 1);
  EXPECT_EQ(app.MinorVersion(), 1);
  EXPECT_EQ(app.BugVersion(), 0);
  EXPECT_EQ(app.NonReleaseVersion(), 0);
  EXPECT_EQ(app.StageCode(), 3);
  EXPECT_EQ(app.LongVersion(), kLongVersion);
  EXPECT_EQ(app.ShortVersion(), "1.1");
  EXPECT_EQ(app.PackageInfo(), "Vorpex");
  // The desktop knows the application by that name (message boxes are titled with it).
  EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Vorpex"));
  EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral("1.1"));
}

TEST_F(WindowTest, OneMenuBarServesTheApplicationAndEveryWindowWithAMenu) {
  class MenuBar1& bar = MenuBar1();
  EXPECT_EQ(&MenuBar1(), &bar);
  EXPECT_EQ(rt::App()->GetMenuBar(), &bar);
  EXPECT_EQ(ControlWnd().GetMenuBar(), &bar);
  EXPECT_EQ(helpWnd().GetMenuBar(), &bar);
  EXPECT_EQ(AboutWnd().GetMenuBar(), nullptr);
  EXPECT_EQ(AboutWnd().Frame()->findChild<QMenuBar*>(), nullptr);
}

// --- The splash ---

class Splash : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    LateStartup();
  }
  class AboutWnd& About() const {
    return rt::Cast<class AboutWnd>(rt::GetImplicitWindow("AboutWnd.AboutWnd"));
  }

  // Hand-over done: the About window gone, the calculator shown in front.
  void ExpectHandedOver() const {
    EXPECT_FALSE(About().Visible());
    ASSERT_NE(HeldCalculator(), nullptr);
    EXPECT_TRUE(HeldCalculator()->Visible());
    EXPECT_TRUE(InFront(*HeldCalculator()));
  }
};

TEST_F(Splash, ShowsFirstUntitledAtItsSizeWithNoCalculatorYet) {
  class AboutWnd& about = About();
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(about.Title(), "");
  EXPECT_EQ(about.ClientWidth(), 525);
  EXPECT_EQ(about.ClientHeight(), 300);
  EXPECT_EQ(HeldCalculator(), nullptr);
  EXPECT_EQ(&AboutWnd(), &about);  // start-up built the one About window
}

TEST_F(Splash, TimerHandsOverAfterFourSecondsOnce) {
  rt::Timer& timer = About().Timer1();
  EXPECT_EQ(timer.Period(), 4000);
  EXPECT_EQ(timer.RunMode(), 1);
  EXPECT_TRUE(timer.Armed());

  rt::testing::FireTimer(timer);
  ExpectHandedOver();
  EXPECT_FALSE(timer.Armed());
  EXPECT_FALSE(rt::testing::QuitRequested());
}

TEST_F(Splash, NoControlTakesTheFocus) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(About().Frame()));
  for (const auto& control : About().Controls()) {
    auto* rect = dynamic_cast<rt::RectControl*>(control.get());
    if (rect == nullptr) continue;  // the timer
    SCOPED_TRACE(control->Name());
    EXPECT_EQ(rect->Widget()->focusPolicy(), Qt::NoFocus);
  }
  QWidget* focus = QApplication::focusWidget();
  EXPECT_TRUE(focus == nullptr || focus == About().Frame()) << focus->metaObject()->className();
}

// A user's gesture in the About window: a click on one of its controls (or on
// the window itself), or a key.
struct Gesture {
  const char* name;
  std::string_view control;  // empty: the window's background
  QPoint at;
  Qt::MouseButton button;
  Qt::Key key;  // pressed instead of a click, unless 0
  Qt::KeyboardModifiers modifiers = {};
  const char16_t* text = nullptr;  // what the keyboard gives with a chord
};

void ClickAt(QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }

constexpr auto kLeft = Qt::LeftButton;
constexpr auto kNoKey = Qt::Key(0);
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;

const Gesture kGestures[] = {
    {"ClickOnTheBackground", "", {5, 5}, kLeft, kNoKey},
    {"ClickInTheFarCorner", "", {520, 295}, kLeft, kNoKey},
    {"ClickOnTheFormula", "Canvas1", {30, 30}, kLeft, kNoKey},
    {"ClickOnTheBicPicture", "Canvas2", {10, 10}, kLeft, kNoKey},
    {"ClickOnTheCreditLine", "StaticText2", {200, 5}, kLeft, kNoKey},
    {"RightClick", "", {100, 100}, Qt::RightButton, kNoKey},
    {"LetterKey", "", {}, kLeft, Qt::Key_Q},
    {"ReturnKey", "", {}, kLeft, Qt::Key_Return},
    {"EscapeKey", "", {}, kLeft, Qt::Key_Escape},
    {"TabKey", "", {}, kLeft, Qt::Key_Tab},
    {"FunctionKey", "", {}, kLeft, Qt::Key_F1},
    // Chords that no enabled menu item takes: Ctrl+B is nobody's shortcut, and
    // the Edit items of Ctrl+A and Ctrl+C have nothing to act on here.
    {"CtrlB", "", {}, kLeft, Qt::Key_B, kCtrl, u"\x02"},
    {"CtrlShiftB", "", {}, kLeft, Qt::Key_B, kCtrl | Qt::ShiftModifier, u"\x02"},
    {"CtrlA", "", {}, kLeft, Qt::Key_A, kCtrl, u"\x01"},
    {"CtrlC", "", {}, kLeft, Qt::Key_C, kCtrl, u"\x03"},
    {"CtrlReturn", "", {}, kLeft, Qt::Key_Return, kCtrl, u"\r"},
};

// Does the gesture in the About window, through the platform's shortcut
// handling as a real key press would.
void Perform(const class AboutWnd& about, const Gesture& g) {
  if (g.text != nullptr) {
    QTest::sendKeyEvent(QTest::Click, about.Frame(), g.key, QString::fromUtf16(g.text),
                        g.modifiers);
  } else if (g.key != kNoKey) {
    QTest::keyClick(about.Frame(), g.key, g.modifiers);
  } else {
    QWidget* target = g.control.empty() ? about.ClientArea()
                                        : about.ControlNamed<rt::RectControl>(g.control).Widget();
    QTest::mouseClick(target, g.button, {}, g.at);
  }
}

class SplashGesture : public Splash, public ::testing::WithParamInterface<Gesture> {};

TEST_P(SplashGesture, HandsOverAtOnce) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(About().Frame()));
  Perform(About(), GetParam());
  ExpectHandedOver();
  EXPECT_EQ(rt::testing::BeepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(AboutWindow, SplashGesture, ::testing::ValuesIn(kGestures), kByName);

TEST_F(Splash, TimerAfterAClickKeepsTheCalculatorAndBringsItBackToTheFront) {
  ClickAt(About().ClientArea(), {5, 5});
  rt::Window* built = HeldCalculator();
  ASSERT_NE(built, nullptr);
  auto& calculator = rt::Cast<class ControlWnd>(built);
  Type(calculator.nFld(), "1377");
  Type(calculator.clasFld(), "3");

  helpWnd().Show();  // something else in front when the four seconds are up
  ASSERT_TRUE(InFront(helpWnd()));
  ASSERT_TRUE(About().Timer1().Armed());
  rt::testing::FireTimer(About().Timer1());

  EXPECT_EQ(HeldCalculator(), built);
  EXPECT_EQ(&ControlWnd(), &calculator);
  EXPECT_EQ(calculator.nFld().Text(), "1377");
  EXPECT_EQ(calculator.clasFld().Text(), "3");
  EXPECT_FALSE(About().Visible());
  EXPECT_TRUE(InFront(calculator));
}

TEST_F(Splash, AboutChosenLaterWaitsForTheUserAndIsTheSameWindow) {
  class AboutWnd& about = About();
  rt::testing::FireTimer(about.Timer1());
  ASSERT_TRUE(InFront(ControlWnd()));
  Type(ControlWnd().nFld(), "12");

  for (const Gesture& g : kGestures) {
    const std::string_view name = g.name;
    if (name != "ClickOnTheFormula" && name != "LetterKey" && name != "CtrlA" && name != "CtrlC") {
      continue;
    }
    SCOPED_TRACE(name);
    // Select All and Copy would have something to act on in the calculator.
    Edit(ControlWnd().nFld())->selectAll();
    ControlWnd().AboutItem().Action()->trigger();  // File > About Title
    EXPECT_EQ(&AboutWnd(), &about);
    EXPECT_TRUE(about.Visible());
    ASSERT_TRUE(InFront(about));
    EXPECT_FALSE(about.Timer1().Armed());  // nothing will take it away by itself
    EXPECT_EQ(about.Controls().size(), 4u);

    Perform(about, g);
    EXPECT_FALSE(about.Visible());
    EXPECT_TRUE(InFront(ControlWnd()));
  }
}

TEST_F(Splash, ClosedBeforeTheHandOverItHidesAndTheTimerStillHandsOver) {
  About().Frame()->close();
  EXPECT_FALSE(About().Visible());
  EXPECT_FALSE(rt::testing::QuitRequested());
  EXPECT_EQ(HeldCalculator(), nullptr);

  ASSERT_TRUE(About().Timer1().Armed());
  rt::testing::FireTimer(About().Timer1());
  ExpectHandedOver();
  EXPECT_FALSE(rt::testing::QuitRequested());
}

// --- The pictures ---

TEST_F(WindowTest, PicturesAreLoadedOnceAndShownOnBothWindows) {
  const auto formula = Vessx();
  const auto bicFormula = bic();
  ASSERT_NE(formula, nullptr);
  ASSERT_NE(bicFormula, nullptr);
  EXPECT_EQ(Vessx(), formula);
  EXPECT_EQ(bic(), bicFormula);
  EXPECT_NE(formula, bicFormula);
  EXPECT_GT(formula->Width(), 0);
  EXPECT_GT(bicFormula->Height(), 0);

  EXPECT_EQ(AboutWnd().Canvas1().Backdrop(), formula);
  EXPECT_EQ(AboutWnd().Canvas2().Backdrop(), bicFormula);
  EXPECT_EQ(ControlWnd().Canvas1().Backdrop(), formula);
  EXPECT_EQ(ControlWnd().Canvas2().Backdrop(), bicFormula);
}

// --- The calculator window ---

TEST_F(WindowTest, CalculatorIsAFixedSizeWindowWithTheMenuBarAboveItsClientArea) {
  class ControlWnd& w = ControlWnd();
  EXPECT_EQ(&ControlWnd(), &w);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.Frame()));
  EXPECT_EQ(w.Title(), "Vorpex");
  EXPECT_EQ(w.ClientWidth(), 600);
  EXPECT_EQ(w.ClientHeight(), 500);
  EXPECT_EQ(w.ClientArea()->minimumSize(), QSize(600, 500));
  EXPECT_EQ(w.ClientArea()->maximumSize(), QSize(600, 500));

  auto* bar = w.Frame()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->geometry().top(), 0);
  EXPECT_EQ(w.ClientArea()->y(), bar->geometry().bottom() + 1);
  EXPECT_EQ(w.Frame()->height(), 500 + bar->height());

  // The user cannot make it larger or smaller.
  for (const QSize size : {QSize(900, 800), QSize(200, 150)}) {
    w.Frame()->resize(size);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.ClientWidth(), 600);
    EXPECT_EQ(w.ClientHeight(), 500);
  }
}

struct ExpectedControl {
  std::string_view name;
  const rt::ClassRecord& (*type)();
  bool visibleAtFirst;
};

TEST_F(WindowTest, CalculatorHasItsSixteenControls) {
  constexpr ExpectedControl kControls[] = {
      {"bicText", &rt::Label::Class, true},      {"clearBtn", &rt::PushButton::Class, true},
      {"helpBtn", &rt::PushButton::Class, true}, {"calcBtn", &rt::PushButton::Class, true},
      {"entropyText", &rt::Label::Class, true},  {"entropyFld", &rt::TextField::Class, true},
      {"Canvas1", &rt::Canvas::Class, true},     {"nyText", &rt::Label::Class, true},
      {"nFld", &rt::TextField::Class, true},     {"bicFld", &rt::TextField::Class, true},
      {"VorpexText", &rt::Label::Class, false},  {"VorpexFld", &rt::TextField::Class, false},
      {"clasTxt", &rt::Label::Class, true},      {"clasFld", &rt::TextField::Class, true},
      {"Label1", &rt::Label::Class, true},       {"Canvas2", &rt::Canvas::Class, true},
  };
  class ControlWnd& w = ControlWnd();
  ASSERT_EQ(w.Controls().size(), std::size(kControls));
  for (std::size_t i = 0; i < std::size(kControls); ++i) {
    const ExpectedControl& expected = kControls[i];
    SCOPED_TRACE(expected.name);
    const rt::Control& control = *w.Controls()[i];
    EXPECT_EQ(control.Name(), expected.name);
    EXPECT_EQ(control.Record(), &expected.type());
    EXPECT_EQ(rt::Cast<rt::RectControl>(w.ControlByName(expected.name)).Visible(),
              expected.visibleAtFirst);
  }
}

TEST_F(WindowTest, CalculatorPutsTheFocusInNOnceActive) {
  class ControlWnd& w = ControlWnd();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.Frame()));
  EXPECT_TRUE(Eventually([&] { return QApplication::focusWidget() == w.nFld().Widget(); }));
}

// A message box from a mouse-down handler runs a modal loop that takes the
// button's release. Clicks go through the window, as the platform sends them.
TEST_F(WindowTest, AButtonWhoseHandlerShowedAMessageIsUpAndTheNextClickLands) {
  class ControlWnd& w = ActiveCalculator();
  QWindow* window = w.Frame()->windowHandle();
  const auto at = [&](const rt::RectControl& c) {
    return c.Widget()->mapTo(w.Frame(), c.Widget()->rect().center());
  };
  rt::testing::RecordMessageBoxes(false);
  QTimer waiter;  // for the box: the mouse is let go, then the box is dismissed
  QObject::connect(&waiter, &QTimer::timeout, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      QTest::mouseRelease(window, Qt::LeftButton, {}, at(w.calcBtn()));
      box->close();
    }
  });
  waiter.start(10);
  QTest::mousePress(window, Qt::LeftButton, {}, at(w.calcBtn()));  // N is empty: a message
  waiter.stop();
  rt::testing::RecordMessageBoxes(true);
  EXPECT_FALSE(static_cast<QPushButton*>(w.calcBtn().Widget())->isDown());

  ActiveCalculator();  // the platform gives the window back its activation
  QTest::mouseClick(window, Qt::LeftButton, {}, at(w.bicFld()));
  EXPECT_TRUE(HasFocus(w.bicFld()));
  EXPECT_TRUE(rt::testing::MessageBoxes().empty());
}

}  // namespace
