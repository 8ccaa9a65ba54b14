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
#include <span>
#include <string_view>

namespace vemo {

// The main window's timers, in the order of kTimerSetup.
enum class TimerId {
  Gor, Beg, Mover, Phaser, Left, Right, T, Up, New, Destroyer, Speeder, High,
  NFigur, Timer1, Timer2, SnakBeg, SnakVis, SnakMov, Apple,
};
inline constexpr int kTimerCount = 19;

struct TimerSetup {
  std::string_view name;
  int interval;  // ms, at start
  bool enabled;  // at start
};

// Every timer with its interval and state at start, and what one tick does.
// Destroyer, Speeder, High and NFigur are never enabled: their handlers are
// only run directly by other handlers, and they keep their intervals all the
// same. Nothing enables SnakBeg either: the snake starts run its handler.
inline constexpr std::array<TimerSetup, kTimerCount> kTimerSetup{{
    {"Gor", 1000, true},         // once: the colour-depth check, the records file, the wipe in
    {"Beg", 250, false},         // once: the playing screen (background, fire picture, frame)
    {"Mover", 150, false},       // one fall step; the interval follows the level, 25 in a fast drop
    {"Phaser", 25, false},       // one rotation while Up is held; 100 from the playing screen on
    {"Left", 25, false},         // one step to the left while Left is held
    {"Right", 25, false},        // one step to the right while Right is held
    {"T", 1, false},             // redraws around the piece during a fast drop
    {"Up", 25, false},           // once: repaints the window after a dialog has closed
    {"New", 3, false},           // once: clears full rows and brings in the next piece after a landing
    {"Destroyer", 1000, false},  // never enabled: full rows, score and level, run by New's handler
    {"Speeder", 1, false},       // never enabled: applies the level to the intervals and the fire picture
    {"High", 10, false},         // never enabled: the score in the caption
    {"NFigur", 1, false},        // never enabled: draws the next-piece preview
    {"Timer1", 100, false},      // once after a falling-block start: draws the preview
    {"Timer2", 100, false},      // once after a repaint: the preview, and the well while paused
    {"SnakBeg", 300, false},     // the snake's playing screen and field frame (run by the starts)
    {"SnakVis", 5, false},       // redraws the whole snake field
    {"SnakMov", 1000, false},    // one snake step; the interval follows the level
    {"Apple", 10, false},        // once: places the next apple after one was eaten
}};

// Sets of timers that are stopped or started together.
using TimerSet = std::span<const TimerId>;
// What keeps a game moving on its own: the pause stops both sets and starts
// the running game's set again.
inline constexpr std::array kBlockGameClock{TimerId::Mover};
inline constexpr std::array kSnakeGameClock{TimerId::SnakVis, TimerId::SnakMov};
// The snake's timers, which a falling-block start stops: a pending apple
// would draw over the well.
inline constexpr std::array kSnakeTimers{TimerId::SnakMov, TimerId::SnakVis, TimerId::Apple};
// The falling-block timers besides the fall step, which a snake start stops:
// a Down release lost to a modal box would leave T redrawing the old piece
// area over the field, and a pending sideways step, spawn or preview would
// draw on it too. (The start stops Mover itself once the level is set.)
inline constexpr std::array kBlockTimers{TimerId::T,      TimerId::Left, TimerId::Right,
                                         TimerId::Phaser, TimerId::New,  TimerId::Timer1};

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
  // Each timer of the set in turn.
  void enable(TimerSet timers);
  void disable(TimerSet timers);
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
