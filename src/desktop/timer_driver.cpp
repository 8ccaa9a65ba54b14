#include "desktop/timer_driver.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace vemo::desktop {

TimerDriver::TimerDriver(TimerTable& table, Clock clock, QObject* parent)
    : QObject(parent), table_(table), clock_(std::move(clock)) {
  timer_.setSingleShot(true);
  // The coarse kind fires up to 5% early; the games' pace needs better.
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &TimerDriver::fire);
  table_.setChangeListener([this] { tableChanged(); });
  arm();
}

TimerDriver::~TimerDriver() { table_.setChangeListener({}); }

void TimerDriver::arm() {
  changed_ = false;
  const std::optional<std::int64_t> due = table_.nextDueUs();
  if (!due || stopped_) {
    timer_.stop();
    return;
  }
  // Round up: waking before the due time would find nothing to fire.
  const std::int64_t waitUs = std::max<std::int64_t>(*due - clock_(), 0);
  const std::int64_t waitMs = std::min<std::int64_t>((waitUs + 999) / 1000, std::numeric_limits<int>::max());
  timer_.start(std::chrono::milliseconds(waitMs));
}

void TimerDriver::armIfChanged() {
  if (changed_) arm();
}

void TimerDriver::stop() {
  stopped_ = true;
  timer_.stop();
}

void TimerDriver::tableChanged() {
  // Handlers change timers many times in a row; re-arm once, when control
  // is back in an event loop (or earlier, if the window calls armIfChanged).
  changed_ = true;
  if (rearmPosted_) return;
  rearmPosted_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        rearmPosted_ = false;
        armIfChanged();
      },
      Qt::QueuedConnection);
}

void TimerDriver::fire() {
  emit due();
  arm();
}

}  // namespace vemo::desktop
