// The real start-up, step for step as the program's main runs it, watched
// from outside the program: the splash's first paint, what exists by then,
// the hand-over to the calculator window (as the splash timer does it), the
// calculator's first paint and the peak memory after it.
#include <QApplication>
#include <memory>

#include "FirstPaint.h"
#include "app/AboutWnd.h"
#include "app/Vorpex.h"
#include "calculator/ControlWnd.h"
#include "help/helpWnd.h"
#include "runtime/Testing.h"
#include "runtime/Window.h"

namespace {

QWidget* FrameOf(const rt::ClassRecord& record) {
  rt::Window* window = rt::GetImplicitWindow(record.name);
  return window != nullptr ? window->Frame() : nullptr;
}
bool Built(const rt::ClassRecord& record) { return rt::GetImplicitWindow(record.name) != nullptr; }

std::unique_ptr<bench::FirstPaint> watch;

void AtCalculatorPainted(long long paint, long long painted) {
  bench::Report("calculator_paint_ns", paint);
  bench::Report("calculator_painted_ns", painted);
  bench::Report("hwm_kib", bench::PeakResidentKiB());
  // Both windows show the same two pictures: one opened picture each.
  const class AboutWnd& about =
      rt::Cast<class AboutWnd>(*rt::GetImplicitWindow(AboutWnd::Class().name));
  const class ControlWnd& calculator = ControlWnd();
  bench::Report("pictures_shared",
                about.Canvas1().Backdrop() != nullptr && about.Canvas2().Backdrop() != nullptr &&
                    about.Canvas1().Backdrop() == calculator.Canvas1().Backdrop() &&
                    about.Canvas2().Backdrop() == calculator.Canvas2().Backdrop());
  bench::Report("help_built_at_handover", Built(helpWnd::Class()));
  rt::Quit(0);
}

void AtSplashPainted(long long paint, long long painted) {
  bench::Report("first_paint_ns", paint);
  bench::Report("painted_ns", painted);
  bench::Report("cpu_ns", bench::ProcessCpuNs());
  bench::Report("splash_hwm_kib", bench::PeakResidentKiB());
  // The splash alone: the other windows come when they are first needed.
  bench::Report("calculator_built_at_splash", Built(ControlWnd::Class()));
  bench::Report("help_built_at_splash", Built(helpWnd::Class()));

  auto& about = rt::Cast<class AboutWnd>(*rt::GetImplicitWindow(AboutWnd::Class().name));
  if (!about.Timer1().Armed()) {
    std::fprintf(stderr, "The splash timer is not running.\n");
    rt::Quit(1);
    return;
  }
  watch->Watch([] { return FrameOf(ControlWnd::Class()); }, &AtCalculatorPainted);
  const long long start = bench::MonotonicNs();
  rt::testing::FireTimer(about.Timer1());
  bench::Report("handover_ns", bench::MonotonicNs() - start);
}

}  // namespace

int main() {
  rt::RuntimeInit();
  watch = std::make_unique<bench::FirstPaint>();
  qApp->installEventFilter(watch.get());
  watch->Watch([] { return FrameOf(AboutWnd::Class()); }, &AtSplashPainted);

  rt::RuntimePerformInitializers(ClassInitializers());
  Main();

  qApp->removeEventFilter(watch.get());
  watch.reset();
  rt::RuntimePerformFinalizers();
  return rt::RuntimeExit();
}
