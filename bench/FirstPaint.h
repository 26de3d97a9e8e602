// What the two start-up executables share: the clock the driver reads before
// it starts them, the peak resident memory, and the watch for a window's
// first paint.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <utility>

namespace bench {

// CLOCK_MONOTONIC in nanoseconds: one clock for every process of the machine.
inline long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// The processor time this process has used so far, all its threads, in
// nanoseconds: unlike the time on the clock, hardly longer when other
// processes compete for the processors.
inline long long ProcessCpuNs() {
  timespec used{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
  return static_cast<long long>(used.tv_sec) * 1'000'000'000LL + used.tv_nsec;
}

// The peak resident set size of this process so far (VmHWM), in KiB; -1 when
// it cannot be read.
inline long long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stoll(line.substr(6));
  }
  return -1;
}

// One "key=value" line for the driver, written at once.
inline void Report(const char* key, long long value) {
  std::printf("%s=%lld\n", key, value);
  std::fflush(stdout);
}

// Called the moment a watched window's first frame is drawn, and nowhere else:
// an instruction count can stop here (valgrind --tool=callgrind
// --dump-before='bench::FrameDrawn*').
[[gnu::noinline]] inline void FrameDrawn() { asm volatile(""); }

// An application-wide event filter that waits for the first paint event of
// one top-level window (the window itself or any widget in it). `done` gets
// the moment that event arrived and the moment the event loop ran again, that
// is, once the whole paint pass it started was drawn and flushed.
class FirstPaint final : public QObject {
 public:
  using Target = std::function<QWidget*()>;  // the watched window, or null while it has none
  using Done = std::function<void(long long paintNs, long long paintedNs)>;

  void Watch(Target target, Done done) {
    target_ = std::move(target);
    done_ = std::move(done);
    armed_ = true;
  }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (!armed_ || event->type() != QEvent::Paint || !receiver->isWidgetType()) return false;
    QWidget* window = target_();
    if (window == nullptr || static_cast<QWidget*>(receiver)->window() != window) return false;
    armed_ = false;
    const long long paint = MonotonicNs();
    QMetaObject::invokeMethod(
        this,
        [done = done_, paint] {
          FrameDrawn();
          done(paint, MonotonicNs());
        },
        Qt::QueuedConnection);
    return false;
  }

 private:
  Target target_;
  Done done_;
  bool armed_ = false;
};

}  // namespace bench
