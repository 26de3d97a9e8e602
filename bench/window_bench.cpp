// Window building, Calculate and the key filter of N, with the real classes
// on whatever platform Qt is given (offscreen or an X server). Each timed
// step is timed alone: setting up and tidying up (destroying the windows,
// running the event loop until it is idle) happen outside the clock.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <ctime>

#include "app/Vorpex.h"
#include "calculator/ControlWnd.h"
#include "calculator/Criterion.h"
#include "help/helpWnd.h"
#include "runtime/Functions.h"
#include "runtime/Testing.h"

namespace {

using Clock = std::chrono::steady_clock;

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Runs `step` once under the clock and gives the benchmark its time. The
// counter "cpu_us" is the processor time this thread spent in the steps, on
// average: below the time on the clock when a step waits, for the X server's
// replies for instance.
template <class Step>
void Timed(benchmark::State& state, Step&& step) {
  const double cpuStart = ThreadCpuSeconds();
  const auto start = Clock::now();
  step();
  const auto end = Clock::now();
  const double cpu = ThreadCpuSeconds() - cpuStart;
  state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  benchmark::Counter& counter = state.counters["cpu_us"];
  counter.value += cpu * 1e6;
  counter.flags = benchmark::Counter::kAvgIterations;
}

// Lets the event loop finish what is pending: layouts, paints, deferred deletes.
void Settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void Tidy() {
  rt::testing::DestroyWindows();
  Settle();
}

void BM_BuildCalculatorWindow(benchmark::State& state) {
  Tidy();
  for (auto _ : state) {
    Timed(state, [] { benchmark::DoNotOptimize(&ControlWnd()); });
    Tidy();
  }
}
BENCHMARK(BM_BuildCalculatorWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_BuildHelpWindow(benchmark::State& state) {
  Tidy();
  for (auto _ : state) {
    Timed(state, [] { benchmark::DoNotOptimize(&helpWnd()); });
    Tidy();
  }
}
BENCHMARK(BM_BuildHelpWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

// The calculator window with its four fields filled, the result not shown.
class ControlWnd& Filled() {
  Tidy();
  class ControlWnd& w = ControlWnd();
  w.nFld().SetText("500");
  w.clasFld().SetText("3");
  w.bicFld().SetText("12345.6");
  w.entropyFld().SetText("0.85");
  Settle();
  return w;
}

void HideResult(class ControlWnd& w) {
  w.VorpexFld().SetText("");
  w.VorpexText().SetVisible(false);
  w.VorpexFld().SetVisible(false);
  Settle();
}

// Calculate from a filled window: four field reads, the computation, the
// format and the result shown. With `paint` the event loop runs under the
// clock too, until the result is drawn.
void BM_Calculate(benchmark::State& state) {
  const bool paint = state.range(0) != 0;
  class ControlWnd& w = Filled();
  const rt::String expected = rt::Format(VorpexCriterion(12345.6, 0.85, 500, 3), "#.0");
  for (auto _ : state) {
    HideResult(w);
    Timed(state, [&] {
      benchmark::DoNotOptimize(w.calcBtn_MouseDown(w.calcBtn(), 10, 10));
      if (paint) QCoreApplication::processEvents();
    });
  }
  if (w.VorpexFld().Text() != expected || !w.VorpexFld().Visible()) {
    state.SkipWithError("Calculate did not show the expected result");
  }
  Tidy();
}
BENCHMARK(BM_Calculate)
    ->ArgName("paint")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// One pass of the key filter of N with a digit: the first key after a result
// (which takes the result away) or a later one (result already gone).
void BM_KeyFilterDigit(benchmark::State& state) {
  const bool resultShown = state.range(0) != 0;
  class ControlWnd& w = Filled();
  bool kept = true;
  for (auto _ : state) {
    if (resultShown) {
      w.calcBtn_MouseDown(w.calcBtn(), 10, 10);
      Settle();
    }
    Timed(state, [&] { kept = w.nFld_KeyDown(w.nFld(), "5"); });
    if (kept) break;
  }
  if (kept || w.VorpexFld().Visible()) state.SkipWithError("the digit did not pass the filter");
  Tidy();
}
BENCHMARK(BM_KeyFilterDigit)
    ->ArgName("after_result")
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
  benchmark::Initialize(&argc, argv);
  rt::RuntimeInit();
  rt::RuntimePerformInitializers(ClassInitializers());
  rt::testing::RecordMessageBoxes(true);
  EarlyStartup();  // the application object and the shared menu bar
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  rt::RuntimePerformFinalizers();
  return rt::testing::BeepCount() == 0 ? 0 : 1;
}
