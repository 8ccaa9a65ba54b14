#include "shell/timer_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace vemo {
namespace {

// A table on a virtual clock that records which timers fired, and when.
struct Bench {
  std::int64_t now = 0;
  TimerTable table{[this] { return now; }};
  std::vector<std::pair<TimerId, std::int64_t>> fired;

  void record(TimerId id) {
    table.bind(id, [this, id] { fired.emplace_back(id, now / 1000); });
  }
  // Advances the clock to each due time up to `ms` from now, firing as it goes.
  void run(std::int64_t ms) {
    const std::int64_t end = now + ms * 1000;
    while (auto due = table.nextDueUs()) {
      if (*due > end) break;
      now = std::max(now, *due);
      table.fireDue();
    }
    now = std::max(now, end);
  }
  int count(TimerId id) const {
    int n = 0;
    for (auto& f : fired) n += f.first == id;
    return n;
  }
};

TEST(TimerTable, StartsWithTheTableOfTheMainWindow) {
  struct Row {
    TimerId id;
    int interval;
    bool enabled;
  };
  // All 19 timers of the main window: only the intro timer runs at start.
  const Row expected[] = {
      {TimerId::Gor, 1000, true},      {TimerId::Beg, 250, false},
      {TimerId::Mover, 150, false},    {TimerId::Phaser, 25, false},
      {TimerId::Left, 25, false},      {TimerId::Right, 25, false},
      {TimerId::T, 1, false},          {TimerId::Up, 25, false},
      {TimerId::New, 3, false},        {TimerId::Destroyer, 1000, false},
      {TimerId::Speeder, 1, false},    {TimerId::High, 10, false},
      {TimerId::NFigur, 1, false},     {TimerId::Timer1, 100, false},
      {TimerId::Timer2, 100, false},   {TimerId::SnakBeg, 300, false},
      {TimerId::SnakVis, 5, false},    {TimerId::SnakMov, 1000, false},
      {TimerId::Apple, 10, false},
  };
  static_assert(std::size(expected) == 19);
  Bench b;
  for (const Row& row : expected) {
    SCOPED_TRACE(static_cast<int>(row.id));
    EXPECT_EQ(b.table.interval(row.id), row.interval);
    EXPECT_EQ(b.table.enabled(row.id), row.enabled);
  }
}

TEST(TimerTable, FiresPeriodicallyAtItsInterval) {
  Bench b;
  b.record(TimerId::Mover);
  b.table.setInterval(TimerId::Mover, 100);
  b.table.enable(TimerId::Mover);
  b.run(1000);
  ASSERT_EQ(b.count(TimerId::Mover), 10);
  EXPECT_EQ(b.fired[0].second, 100);
  EXPECT_EQ(b.fired[9].second, 1000);
}

TEST(TimerTable, EnablingAnEnabledTimerDoesNotRestartIt) {
  Bench b;
  b.record(TimerId::Left);
  b.table.enable(TimerId::Left);  // 25 ms
  b.run(20);
  b.table.enable(TimerId::Left);
  b.run(5);
  EXPECT_EQ(b.count(TimerId::Left), 1) << "the tick due at 25 ms must not move";
}

TEST(TimerTable, ADifferentIntervalRestartsThePeriodTheSameDoesNot) {
  Bench b;
  b.record(TimerId::Mover);
  b.table.setInterval(TimerId::Mover, 100);
  b.table.enable(TimerId::Mover);
  b.run(90);
  b.table.setInterval(TimerId::Mover, 100);
  b.run(10);
  EXPECT_EQ(b.count(TimerId::Mover), 1);
  b.run(90);
  b.table.setInterval(TimerId::Mover, 25);  // restarts from now: due 25 ms later
  b.run(24);
  EXPECT_EQ(b.count(TimerId::Mover), 1);
  b.run(1);
  EXPECT_EQ(b.count(TimerId::Mover), 2);
}

TEST(TimerTable, IntervalZeroNeverFiresEvenWhenEnabled) {
  Bench b;
  b.record(TimerId::Mover);
  b.table.setInterval(TimerId::Mover, 0);
  b.table.enable(TimerId::Mover);
  // While Gor waits, the next due time is Gor's first tick at 1000 ms: Mover
  // at interval 0 adds none.
  b.record(TimerId::Gor);
  EXPECT_EQ(b.table.nextDueUs(), std::optional<std::int64_t>{1'000'000});
  b.table.disable(TimerId::Gor);
  EXPECT_FALSE(b.table.nextDueUs().has_value());
  b.run(5000);
  EXPECT_EQ(b.count(TimerId::Mover), 0);
  b.table.setInterval(TimerId::Mover, 100);
  b.run(100);
  EXPECT_EQ(b.count(TimerId::Mover), 1);
}

TEST(TimerTable, IntervalsBelowTenTickEveryTenMilliseconds) {
  Bench b;
  for (TimerId id : {TimerId::T, TimerId::New, TimerId::SnakVis}) {
    b.record(id);
    b.table.enable(id);
  }
  b.run(100);
  EXPECT_EQ(b.count(TimerId::T), 10);
  EXPECT_EQ(b.count(TimerId::New), 10);
  EXPECT_EQ(b.count(TimerId::SnakVis), 10);
}

TEST(TimerTable, TicksMissedDuringALongHandlerAreMergedIntoOne) {
  Bench b;
  b.record(TimerId::T);
  b.table.enable(TimerId::T);
  // Mover ticks once and its handler takes 95 ms of clock time.
  b.table.bind(TimerId::Mover, [&] {
    b.table.disable(TimerId::Mover);
    b.now += 95'000;
  });
  b.table.setInterval(TimerId::Mover, 100);
  b.table.enable(TimerId::Mover);
  b.run(100);  // T at 10..90; at 100 Mover runs until 195, then T once
  ASSERT_EQ(b.count(TimerId::T), 10);
  EXPECT_EQ(b.fired.back(), std::make_pair(TimerId::T, std::int64_t{195}));
  b.run(9);
  EXPECT_EQ(b.count(TimerId::T), 10) << "no burst of catch-up ticks";
  b.run(1);
  EXPECT_EQ(b.count(TimerId::T), 11);
}

TEST(TimerTable, ARunningHandlerIsNotReenteredWhileOthersFireInItsWait) {
  Bench b;
  int moverRuns = 0, ticksInWait = 0;
  bool waiting = false;
  // Mover's first tick waits 300 ms in a "modal window" that dispatches timers.
  b.table.bind(TimerId::Mover, [&] {
    if (++moverRuns > 1) return;
    waiting = true;
    b.run(300);
    waiting = false;
  });
  b.table.bind(TimerId::T, [&] { ticksInWait += waiting; });
  b.table.setInterval(TimerId::Mover, 50);
  b.table.enable(TimerId::Mover);
  b.table.enable(TimerId::T);
  b.run(50);  // T at 10..40; at 50 Mover waits until 350
  EXPECT_EQ(b.now, 350'000);
  EXPECT_EQ(ticksInWait, 31) << "other timers keep firing during the wait: 50..350";
  EXPECT_EQ(moverRuns, 1);
  // Once the wait is over, Mover ticks once for all it missed, then keeps its period.
  b.run(0);
  EXPECT_EQ(moverRuns, 2);
  b.run(49);
  EXPECT_EQ(moverRuns, 2);
  b.run(1);
  EXPECT_EQ(moverRuns, 3);
}

TEST(TimerTable, ReportsChangesSoADriverCanRearm) {
  Bench b;
  int changes = 0;
  b.table.setChangeListener([&] { ++changes; });
  b.table.enable(TimerId::Mover);
  b.table.enable(TimerId::Mover);
  b.table.setInterval(TimerId::Mover, 150);
  b.table.setInterval(TimerId::Mover, 100);
  b.table.disable(TimerId::Mover);
  EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace vemo
