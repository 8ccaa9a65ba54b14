// The one QTimer that drives the core's timer table.

#include <QElapsedTimer>
#include <QMessageBox>

#include "desktop/modal_closer.h"
#include "desktop/window_fixture.h"

namespace vemo::desktop::testing {
namespace {

using TimerDriving = WindowTest;

TEST_F(TimerDriving, IdleWithNoTimerEnabled) {
  int wakeUps = 0;
  QObject::connect(&window.timers(), &TimerDriver::due, [&] { ++wakeUps; });
  EXPECT_FALSE(window.timers().armed());
  QTest::qWait(150);
  EXPECT_EQ(wakeUps, 0);
  EXPECT_FALSE(window.timers().armed());
}

TEST_F(TimerDriving, FiresATimerOnTime) {
  QElapsedTimer clock;
  std::vector<qint64> ticks;
  form.Timers().bind(TimerId::Apple, [&] { ticks.push_back(clock.elapsed()); });
  form.Timers().setInterval(TimerId::Apple, 40);
  clock.start();
  form.Timers().enable(TimerId::Apple);
  QTest::qWait(430);
  form.Timers().disable(TimerId::Apple);
  ASSERT_FALSE(ticks.empty());
  EXPECT_GE(ticks.front(), 39);
  EXPECT_LT(ticks.front(), 100);
  // Ten periods fit; a loaded machine may lose a few, never gain.
  EXPECT_GE(ticks.size(), 7u);
  EXPECT_LE(ticks.size(), 10u);
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.timers().armed());
}

TEST_F(TimerDriving, ArmsForTheEarliestTimerAfterAChange) {
  form.Timers().bind(TimerId::SnakMov, [] {});
  form.Timers().setInterval(TimerId::SnakMov, 5000);
  form.Timers().enable(TimerId::SnakMov);
  QCoreApplication::processEvents();
  ASSERT_TRUE(window.timers().armed());
  EXPECT_GT(window.timers().armedDelayMs(), 4000);
  // A shorter interval must not wait for the long one.
  form.Timers().setInterval(TimerId::SnakMov, 30);
  QCoreApplication::processEvents();
  EXPECT_LE(window.timers().armedDelayMs(), 30);
  form.Timers().disable(TimerId::SnakMov);
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.timers().armed());
}

TEST_F(TimerDriving, TimerStartedByAnEventFiresWithoutOtherActivity) {
  int ticks = 0;
  form.Timers().bind(TimerId::Timer1, [&] {
    form.Timers().disable(TimerId::Timer1);
    ++ticks;
  });
  form.Menu().bind("N14", [&] { form.Timers().enable(TimerId::Timer1); });
  QTest::keyClick(&window.view(), Qt::Key_U, Qt::ControlModifier);
  EXPECT_TRUE(window.timers().armed());
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == 1; }, 1000));
  QTest::qWait(250);
  EXPECT_EQ(ticks, 1);
}

TEST_F(TimerDriving, MessageBoxFromATimerLeavesTheOtherTimersRunning) {
  int appleTicks = 0;
  int appleTicksWhenOpened = -1;
  int appleTicksWhenClosing = -1;
  bool returned = false;
  form.Timers().bind(TimerId::Apple, [&] { ++appleTicks; });
  form.Timers().setInterval(TimerId::Apple, 20);
  // The handler leaves the table alone, so only the message box itself can
  // see to it that the driver is armed inside its loop.
  form.Timers().bind(TimerId::SnakBeg, [&] {
    if (returned) return;
    desktop.messageBox(MessageKind::Information, "Игра окончена");
    returned = true;
  });
  form.Timers().setInterval(TimerId::SnakBeg, 30);
  CloseNextMessageBox(
      300, [&](QMessageBox&) { appleTicksWhenOpened = appleTicks; },
      [&](QMessageBox&) { appleTicksWhenClosing = appleTicks; });
  form.Timers().enable(TimerId::Apple);
  form.Timers().enable(TimerId::SnakBeg);
  ASSERT_TRUE(QTest::qWaitFor([&] { return returned; }, 5000));
  EXPECT_GE(appleTicksWhenOpened, 0);
  // 300 ms at 20 ms; allow a slow machine half of that.
  EXPECT_GE(appleTicksWhenClosing - appleTicksWhenOpened, 7);
  const int afterClose = appleTicks;
  QTest::qWait(100);
  EXPECT_GT(appleTicks, afterClose);
}

}  // namespace
}  // namespace vemo::desktop::testing
