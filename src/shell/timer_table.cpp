#include "shell/timer_table.h"

#include <algorithm>

namespace vemo {

TimerTable::TimerTable(Clock clock) : clock_(std::move(clock)) {
  const std::int64_t now = clock_();
  for (int i = 0; i < kTimerCount; ++i) {
    timers_[i].interval = kTimerSetup[i].interval;
    timers_[i].enabled = kTimerSetup[i].enabled;
    timers_[i].dueUs = now + periodUs(timers_[i]);
  }
}

void TimerTable::bind(TimerId id, Handler handler) { timer(id).handler = std::move(handler); }

std::int64_t TimerTable::periodUs(const Timer& t) {
  return std::int64_t{std::max(t.interval, kMinPeriodMs)} * 1000;
}

void TimerTable::setEnabled(TimerId id, bool on) {
  Timer& t = timer(id);
  if (t.enabled == on) return;
  t.enabled = on;
  if (on) t.dueUs = clock_() + periodUs(t);
  notify();
}

void TimerTable::enable(TimerSet timers) {
  for (TimerId id : timers) enable(id);
}

void TimerTable::disable(TimerSet timers) {
  for (TimerId id : timers) disable(id);
}

void TimerTable::setInterval(TimerId id, int ms) {
  Timer& t = timer(id);
  if (t.interval == ms) return;
  t.interval = ms;
  t.dueUs = clock_() + periodUs(t);
  notify();
}

std::optional<std::int64_t> TimerTable::nextDueUs() const {
  std::optional<std::int64_t> next;
  for (const Timer& t : timers_)
    if (canFire(t) && (!next || t.dueUs < *next)) next = t.dueUs;
  return next;
}

int TimerTable::fireDue() {
  std::array<bool, kTimerCount> fired{};
  int count = 0;
  for (;;) {
    // Read the clock afresh: an earlier handler of this pass may have taken long.
    const std::int64_t now = clock_();
    // The earliest due timer not yet fired in this pass; ties go to table order.
    int pick = -1;
    for (int i = 0; i < kTimerCount; ++i) {
      const Timer& t = timers_[i];
      if (!fired[i] && canFire(t) && t.dueUs <= now && (pick < 0 || t.dueUs < timers_[pick].dueUs)) pick = i;
    }
    if (pick < 0) return count;
    fired[pick] = true;
    Timer& t = timers_[pick];
    // Keep the phase when on time; after a late wake-up, merge the missed
    // ticks into this one and count the period from now.
    t.dueUs += periodUs(t);
    if (t.dueUs <= now) t.dueUs = now + periodUs(t);
    t.running = true;
    struct Reset {
      Timer& t;
      ~Reset() { t.running = false; }
    } reset{t};
    t.handler();
    ++count;
  }
}

}  // namespace vemo
