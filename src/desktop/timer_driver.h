#pragma once
// Drives the core's timer table with one single-shot QTimer, always armed for
// the earliest due timer and idle when none is enabled. The same QTimer keeps
// firing inside modal loops; the table keeps a handler from being re-entered.

#include <cstdint>
#include <functional>

#include <QObject>
#include <QTimer>

#include "shell/timer_table.h"

namespace vemo::desktop {

class TimerDriver : public QObject {
  Q_OBJECT

 public:
  using Clock = std::function<std::int64_t()>;  // microseconds, the table's clock

  TimerDriver(TimerTable& table, Clock clock, QObject* parent = nullptr);
  ~TimerDriver() override;

  // Arms the QTimer for the table's next due time, or stops it.
  void arm();
  // Arms only if the table changed since the last arm().
  void armIfChanged();
  // No more ticks, for a program that is ending.
  void stop();

  bool armed() const { return timer_.isActive(); }
  int armedDelayMs() const { return timer_.interval(); }

 signals:
  // Some timer is due: the receiver runs the table's due timers.
  void due();

 private:
  void tableChanged();
  void fire();

  TimerTable& table_;
  Clock clock_;
  QTimer timer_;
  bool changed_ = false;    // the table changed after the last arm()
  bool rearmPosted_ = false;
  bool stopped_ = false;
};

}  // namespace vemo::desktop
