// The game's own timers through the real driver and window: the falling and
// snake steps tick, the driver goes idle in a pause and re-arms on resuming,
// and an Up press turns the piece at once and is repainted. Facts only; the
// timings themselves are measured by bench/timing.cpp.

#include <QAction>
#include <QPaintEvent>
#include <QRegion>

#include "desktop/window_fixture.h"
#include "render/geometry.h"
#include "snake/snake_field.h"

namespace vemo::desktop::testing {
namespace {

class GameTiming : public WindowTest {
 protected:
  void choose(const char* item) { window.menus().action(item)->trigger(); }
  GameState& state() { return form.State(); }
  bool idleWithin(int ms) {
    return QTest::qWaitFor([&] { return !window.timers().armed(); }, ms);
  }
};

// Collects the regions the surface view paints.
class PaintLog : public QObject {
 public:
  QRegion painted;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

TEST_F(GameTiming, TheFallTicksUntilAPauseAndAgainAfterIt) {
  choose("N21");
  ASSERT_EQ(state().RunState, Run::Game);
  ASSERT_EQ(form.Timers().interval(TimerId::Mover), 100);
  EXPECT_TRUE(window.timers().armed());
  const int y0 = state().PieceY;
  // Three rows at 100 ms a row; a loaded machine gets ten times as long.
  EXPECT_TRUE(QTest::qWaitFor([&] { return state().PieceY >= y0 + 3; }, 3000)) << state().PieceY;

  choose("N4");
  ASSERT_EQ(state().RunState, Run::Pause);
  EXPECT_TRUE(idleWithin(1000)) << "nothing ticks in a pause";
  const int paused = state().PieceY;
  QTest::qWait(300);
  EXPECT_EQ(state().PieceY, paused);

  choose("N4");
  EXPECT_TRUE(window.timers().armed());
  EXPECT_TRUE(QTest::qWaitFor([&] { return state().PieceY > paused; }, 3000));
}

TEST_F(GameTiming, TheSnakeStepsAndAResumeBringsTheRedrawEveryTenMilliseconds) {
  state().FieldSize = 12;
  choose("N29");
  ASSERT_EQ(form.Timers().interval(TimerId::SnakMov), 100);
  EXPECT_TRUE(QTest::qWaitFor([&] { return snake::EntryCell(state(), 1).x >= 4; }, 3000));

  choose("N4");
  EXPECT_TRUE(idleWithin(1000));
  const snake::Cell head = snake::EntryCell(state(), 1);

  int redraws = 0;
  form.Timers().bind(TimerId::SnakVis, [&] {
    ++redraws;
    form.SnakVisTimer();
  });
  choose("N4");
  ASSERT_TRUE(window.timers().armed());
  EXPECT_LE(window.timers().armedDelayMs(), 10);
  QTest::qWait(500);
  // About fifty at 10 ms; a loaded machine may lose many, never all.
  EXPECT_GE(redraws, 10);
  EXPECT_FALSE(snake::EntryCell(state(), 1) == head) << "the snake moves again";
}

TEST_F(GameTiming, AnUpPressTurnsThePieceAtOnceAndItsAreaIsRepainted) {
  PaintLog log;
  window.view().installEventFilter(&log);
  // The square looks the same in every phase: take another piece.
  for (int tries = 0; tries < 50 && (state().RunState != Run::Game || state().Shape == ShapeCode::C); ++tries)
    choose("N21");
  ASSERT_NE(state().Shape, ShapeCode::C);
  ASSERT_TRUE(QTest::qWaitFor([&] { return state().PieceY >= 2; }, 3000));

  const int phase = state().Phase;
  log.painted = QRegion();
  QTest::keyPress(&window.view(), Qt::Key_Up);
  EXPECT_NE(state().Phase, phase) << "the turn comes with the press, not with a timer";
  // The first piece is alone in the well: its cells are the coloured ones.
  QRegion piece;
  for (int r = -1; r <= WellGrid::kLastPlayRow; ++r)
    for (int c = 0; c < WellGrid::kPlayColumns; ++c)
      if (state().Well.at(c, r) != ' ') piece += QRect(CellOrigin(c, r).x, CellOrigin(c, r).y, kCellSize, kCellSize);
  ASSERT_EQ(piece.rectCount() > 0, true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return (piece - log.painted).isEmpty(); }, 1000));
  QTest::keyRelease(&window.view(), Qt::Key_Up);
}

// After a resume the whole field is redrawn every 10 ms. Where nothing
// changes, nothing may be repainted: the window system would otherwise copy
// the field a hundred times a second.
TEST_F(GameTiming, TheRedrawAfterAResumeRepaintsNothingThatStaysTheSame) {
  state().FieldSize = 20;
  choose("N29");
  // The snake is in the field from its first step on; it keeps to row 0.
  ASSERT_TRUE(QTest::qWaitFor([&] { return snake::EntryCell(state(), 1).x >= 3; }, 3000));
  choose("N4");
  // The apple to the bottom-left corner.
  for (int x = 0; x < 20; ++x)
    for (int y = 1; y < 20; ++y)
      if (state().SnakeField[x][y] != ' ') {
        state().SnakeField[0][19] = state().SnakeField[x][y];
        state().SnakeField[x][y] = ' ';
      }
  PaintLog log;
  window.view().installEventFilter(&log);
  choose("N4");
  QTest::qWait(100);  // the first redraw moves the apple
  log.painted = QRegion();
  QTest::qWait(300);
  // A cell between the apple and the snake that nothing draws on.
  const Point o = SnakeCellOrigin(1, 10);
  const QRect r = log.painted.boundingRect();
  EXPECT_FALSE(log.painted.intersects(QRect(o.x, o.y, kCellSize, kCellSize)))
      << "repainted " << r.width() << " x " << r.height() << " at " << r.x() << "," << r.y();
}

}  // namespace
}  // namespace vemo::desktop::testing
