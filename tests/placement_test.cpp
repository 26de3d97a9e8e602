// Where windows open: centred, or staggered from the window in front, and
// always on the screen's available area.
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <string>

#include "Harness.h"
#include "app/AboutWnd.h"
#include "help/helpWnd.h"
#include "runtime/Window.h"

namespace {

struct CentredWindow {
  const char* name;
  rt::Window& (*open)();
};

class Centred : public WindowTest, public ::testing::WithParamInterface<CentredWindow> {};

// The window's own area (menu bar and client area) centred on its screen.
TEST_P(Centred, OpensInTheMiddleOfItsScreen) {
  QWidget* frame = GetParam().open().Frame();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
  const QPoint off = frame->geometry().center() - frame->screen()->availableGeometry().center();
  EXPECT_LE(std::abs(off.x()), 1) << off.x();
  EXPECT_LE(std::abs(off.y()), 1) << off.y();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, Centred,
    ::testing::Values(CentredWindow{"About", []() -> rt::Window& { return AboutWnd(); }},
                      // fixed in size, with a menu bar
                      CentredWindow{"Calculator", []() -> rt::Window& { return ControlWnd(); }},
                      // resizable, with a menu bar
                      CentredWindow{"Help", []() -> rt::Window& { return helpWnd(); }}),
    kByName);

TEST_F(WindowTest, HelpOpenedFromACalculatorInTheCornerStaysOnTheScreen) {
  class ControlWnd& calculator = ActiveCalculator();
  const QRect area = calculator.Frame()->screen()->availableGeometry();
  calculator.Frame()->move(area.right() - 300, area.bottom() - 200);
  Click(calculator.helpBtn());
  QWidget* help = helpWnd().Frame();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
  // Moved back only as far as it has to.
  EXPECT_EQ(help->frameGeometry().bottomRight(), area.bottomRight())
      << help->x() << "," << help->y();
  EXPECT_EQ(helpWnd().ClientWidth(), 550);
  EXPECT_EQ(helpWnd().ClientHeight(), 500);
}

}  // namespace
