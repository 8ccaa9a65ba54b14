#pragma once
// The main window's named timers. Each has an interval in milliseconds and an
// enabled flag; the table decides which are due and fires them. It keeps the
// rules the game logic relies on:
//  - enabling an enabled timer changes nothing;
//  - setting a different interval restarts the period, the same one changes nothing;
//  - interval 0 never fires; an interval below 10 ticks every 10 ms;
//  - ticks that fall due while handlers run are merged into one per timer;
//  - a timer whose handler is still running (a modal wait inside it) is not
//    entered again until it returns, while the other timers keep firing.
// The clock is supplied from outside, so tests run it virtually.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace vemo {

enum class TimerId {
  Gor, Beg, Mover, Phaser, Left, Right, T, Up, New, Destroyer, Speeder, High,
  NFigur, Timer1, Timer2, SnakBeg, SnakVis, SnakMov, Apple,
};
inline constexpr int kTimerCount = 19;

struct TimerSetup {
  std::string_view name;
  int interval;
  bool enabled;
};

// Names, start intervals and start states, in the order of TimerId.
inline constexpr std::array<TimerSetup, kTimerCount> kTimerSetup{{
    {"Gor", 1000, true},   {"Beg", 250, false},     {"Mover", 150, false},
    {"Phaser", 25, false}, {"Left", 25, false},     {"Right", 25, false},
    {"T", 1, false},       {"Up", 25, false},       {"New", 3, false},
    {"Destroyer", 1000, false}, {"Speeder", 1, false}, {"High", 10, false},
    {"NFigur", 1, false},  {"Timer1", 100, false},  {"Timer2", 100, false},
    {"SnakBeg", 300, false}, {"SnakVis", 5, false}, {"SnakMov", 1000, false},
    {"Apple", 10, false},
}};

class TimerTable {
 public:
  using Clock = std::function<std::int64_t()>;  // microseconds
  using Handler = std::function<void()>;

  static constexpr int kMinPeriodMs = 10;

  explicit TimerTable(Clock clock);

  void bind(TimerId id, Handler handler);

  bool enabled(TimerId id) const { return timer(id).enabled; }
  int interval(TimerId id) const { return timer(id).interval; }
  void setEnabled(TimerId id, bool on);
  void enable(TimerId id) { setEnabled(id, true); }
  void disable(TimerId id) { setEnabled(id, false); }
  void setInterval(TimerId id, int ms);

  // The earliest time at which a timer may fire, if any can.
  std::optional<std::int64_t> nextDueUs() const;
  // Fires every timer that is due now, each at most once, earliest first.
  // Returns how many handlers ran.
  int fireDue();

  // Called after every change of an enabled flag or interval, so a driver can
  // re-arm its wake-up.
  void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

 private:
  struct Timer {
    int interval = 0;
    bool enabled = false;
    bool running = false;
    std::int64_t dueUs = 0;
    Handler handler;
  };
  Timer& timer(TimerId id) { return timers_[static_cast<int>(id)]; }
  const Timer& timer(TimerId id) const { return timers_[static_cast<int>(id)]; }
  static std::int64_t periodUs(const Timer& t);
  static bool canFire(const Timer& t) { return t.enabled && t.interval > 0 && !t.running && t.handler; }
  void notify() const { if (changed_) changed_(); }

  Clock clock_;
  std::array<Timer, kTimerCount> timers_{};
  std::function<void()> changed_;
};

}  // namespace vemo
