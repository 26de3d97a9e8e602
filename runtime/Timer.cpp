// Timers a window owns as controls.
#include <QTimer>
#include <algorithm>

#include "runtime/Application.h"
#include "runtime/Controls.h"
#include "runtime/Setters_p.h"
#include "runtime/Testing.h"

namespace rt {

using namespace detail;

// --- Timer ---

Timer::Timer() = default;
Timer::~Timer() = default;

bool Timer::Armed() const { return timer_ != nullptr && timer_->isActive(); }

void Timer::Arm() {
  if (timer_ == nullptr) {
    timer_ = std::make_unique<QTimer>();
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { Fire(); });
  }
  timer_->stop();
  if (runMode_ == 0) return;
  timer_->setSingleShot(runMode_ == 1);
  timer_->start(static_cast<int>(std::clamp<Integer>(period_, 0, 24 * 3600 * 1000)));
}

void Timer::Fire() {
  if (runMode_ == 1) timer_->stop();
  Guarded([this] { return Raise("Action", {.sender = this}); });
}

bool Timer::ApplyProperty(const Property& p) {
  static constexpr Setter<Timer> kSetters[] = {
      {"Period",
       [](Timer& c, const Property& p) {
         c.period_ = ValueOf<Integer>(p);
         if (c.Armed()) c.Arm();
       }},
      {"RunMode",
       [](Timer& c, const Property& p) {
         c.runMode_ = ValueOf<Integer>(p);
         if (c.runMode_ < 0 || c.runMode_ > 2) throw UnsupportedOperationException("timer mode");
         c.Arm();
       }},
  };
  return ApplyFrom(kSetters, *this, p) || Control::ApplyProperty(p);
}

struct TimerAccess {
  static void Fire(Timer& timer) {
    if (timer.Armed()) timer.Fire();
  }
};

namespace testing {
void FireTimer(Timer& timer) { TimerAccess::Fire(timer); }
}  // namespace testing

}  // namespace rt
