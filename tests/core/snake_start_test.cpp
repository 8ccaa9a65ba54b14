// Starting a snake game: the screen and the frame, the first apple, the
// hand-over from a falling-block game, and fields too small to play on.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "render/geometry.h"
#include "render/tiles.h"
#include "snake/snake_field.h"
#include "support/snake_fixture.h"

namespace vemo::testing {
namespace {

using snake::Cell;

class SnakeStartTest : public SnakeTest {
 protected:
};

TEST_F(SnakeStartTest, ANewGameShowsOneAppleAndNoSnakeUntilTheFirstStep) {
  start(15);
  const GameState& s = state();
  EXPECT_EQ(s.Mode, GameMode::Snake);
  EXPECT_EQ(s.RunState, Run::Game);
  EXPECT_EQ(s.Speed, 1);
  EXPECT_EQ(s.Score, 0);
  EXPECT_EQ(desktop.caption, "Vemo score : 0");
  EXPECT_FALSE(menu().enabled("N15"));
  EXPECT_TRUE(timers().enabled(TimerId::SnakMov));
  EXPECT_EQ(timers().interval(TimerId::SnakMov), 500);
  EXPECT_FALSE(timers().enabled(TimerId::SnakVis)) << "a start leaves the whole-field redraw timer alone";
  EXPECT_FALSE(timers().enabled(TimerId::Apple));

  const std::vector<Cell> apples = lettersOnField();
  ASSERT_EQ(apples.size(), 1u);
  EXPECT_GE(apples[0].y, 1);
  EXPECT_TRUE(wholeFieldShowsItsCodes());
  EXPECT_TRUE(cellShows({0, 0}, ' ') && cellShows({1, 0}, ' ')) << "the start snake is not drawn yet";

  run(499);
  EXPECT_EQ(entry(1), (Cell{1, 0}));
  run(1);
  EXPECT_EQ(entry(1), (Cell{2, 0}));
  EXPECT_EQ(entry(2), (Cell{1, 0}));
  EXPECT_EQ(s.SnakeField[2][0], s.SegColour[1]);
  EXPECT_EQ(s.SnakeField[1][0], s.SegColour[2]);
  EXPECT_TRUE(wholeFieldShowsItsCodes());
  EXPECT_TRUE(cellShows({2, 0}, s.SegColour[1]));
}

TEST_F(SnakeStartTest, EveryStartCommandSetsItsLevelAndInterval) {
  const std::pair<const char*, int> commands[] = {{"N25", 500}, {"N26", 400}, {"N27", 300}, {"N28", 185}, {"N29", 100}};
  int level = 0;
  for (auto [item, interval] : commands) {
    start(15, item);
    EXPECT_EQ(state().Speed, ++level) << item;
    EXPECT_EQ(timers().interval(TimerId::SnakMov), interval) << item;
  }
}

TEST_F(SnakeStartTest, TheStartSegmentsGetFreshRandomColoursEveryTime) {
  std::set<char> heads, seconds;
  for (int i = 0; i < 200; ++i) {
    start(15);
    heads.insert(state().SegColour[1]);
    seconds.insert(state().SegColour[2]);
  }
  const std::set<char> all{'r', 'y', 'g', 'v', 'b', 'c'};
  EXPECT_EQ(heads, all);
  EXPECT_EQ(seconds, all);
}

TEST_F(SnakeStartTest, TheFirstAppleIsNeverInRowZeroNorInTheLastCell) {
  // On a 3 x 3 field the first apple has exactly five cells to choose from.
  std::set<std::pair<int, int>> seen;
  for (int i = 0; i < 300; ++i) {
    start(3);
    const std::vector<Cell> apples = lettersOnField();
    ASSERT_EQ(apples.size(), 1u);
    seen.insert({apples[0].x, apples[0].y});
  }
  EXPECT_EQ(seen, (std::set<std::pair<int, int>>{{0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}}));

  for (int i = 0; i < 300; ++i) {
    start(15);
    const Cell apple = lettersOnField().at(0);
    ASSERT_NE(apple.y, 0);
    ASSERT_FALSE(apple.x == 14 && apple.y == 14);
  }
}

// The ring of the frame for side n: outer edge (45, 84) .. (15n + 56, 15n + 95),
// inner edge around exactly the field (51, 90) .. (15n + 50, 15n + 89).
bool OnRing(int n, int x, int y) {
  const bool outer = x >= 45 && x <= 15 * n + 56 && y >= 84 && y <= 15 * n + 95;
  const bool field = x >= 51 && x <= 15 * n + 50 && y >= 90 && y <= 15 * n + 89;
  return outer && !field;
}
bool InField(int n, int x, int y) { return x >= 51 && x <= 15 * n + 50 && y >= 90 && y <= 15 * n + 89; }

TEST_F(SnakeStartTest, TheFrameFillsItsRingAndNothingAroundIt) {
  for (bool dashed : {false, true}) {
    // The start-up sequence leaves a dash-dot-dot pen; before it the pen is solid.
    if (dashed) canvas().setPen({0, 0, 0}, PenStyle::DashDotDot);
    for (int n : {10, 12, 15, 20}) {
      start(n);
      const Rgb pen = state().FrameColour;
      int onRing = 0, penPixels = 0;
      for (int y = 70; y <= 15 * n + 110; ++y) {
        for (int x = 30; x <= 15 * n + 70; ++x) {
          if (OnRing(n, x, y)) {
            ++onRing;
            const Rgb p = rawPixel(x, y);
            if (p == pen) ++penPixels;
            ASSERT_TRUE(p == pen || (dashed && p == Surface::kWhite)) << n << ": " << x << "," << y;
          } else if (!InField(n, x, y)) {
            ASSERT_TRUE(showsBackground(x, y)) << n << ": " << x << "," << y;
          }
        }
      }
      if (dashed)
        EXPECT_LT(penPixels, onRing) << "the dash-dot-dot lines are broken";
      else
        EXPECT_EQ(penPixels, onRing);
    }
  }
}

TEST_F(SnakeStartTest, TheFrameOfA12FieldRunsFrom45_84To236_275) {
  start(12);
  EXPECT_FALSE(showsBackground(45, 84));
  EXPECT_FALSE(showsBackground(236, 275));
  EXPECT_TRUE(showsBackground(237, 275));
  EXPECT_TRUE(showsBackground(236, 276));
  EXPECT_TRUE(showsBackground(44, 84));
  EXPECT_TRUE(showsBackground(45, 83));
}

TEST_F(SnakeStartTest, RefreshRedrawsTheFieldAndItsFrameAndNoWell) {
  canvas().setPen({0, 0, 0}, PenStyle::DashDotDot);
  start(10);
  run(1500);  // three steps: the snake is on the field
  canvas().fill({1, 2, 3});
  form->OnMenu("N14");
  EXPECT_TRUE(wholeFieldShowsItsCodes());
  for (int y = 80; y <= 250; ++y)
    for (int x = 40; x <= 210; ++x)
      if (!InField(10, x, y)) {
        ASSERT_EQ(OnRing(10, x, y), !showsBackground(x, y)) << x << "," << y;
      }
  // Where the well's frame would be, below and beside the snake's frame.
  EXPECT_TRUE(showsBackground(47, 300));
  EXPECT_TRUE(showsBackground(203, 300));
  EXPECT_TRUE(showsBackground(100, 417));
}

TEST_F(SnakeStartTest, ASmallerFieldAfterALargerOneLeavesTheOuterCellsAlone) {
  start(20);
  state().SnakeField[15][15] = 'v';  // as a long game on the large field may leave it
  start(10);
  EXPECT_EQ(state().SnakeField[15][15], 'v');
  EXPECT_TRUE(showsBackground(SnakeCellOrigin(15, 15).x + 5, SnakeCellOrigin(15, 15).y + 5));
  run(5000);
  EXPECT_EQ(state().SnakeField[15][15], 'v');
  EXPECT_TRUE(showsBackground(SnakeCellOrigin(15, 15).x + 5, SnakeCellOrigin(15, 15).y + 5));
}

TEST_F(SnakeStartTest, NoEntryAboveTheStartSnakeIsLeftFromAnEarlierGame) {
  // A long game on a larger field fills the list far up; a nearly full small
  // field would read the entry just above its cells.
  for (int k = 1; k < GameState::kSegSlots; ++k) {
    snake::SetEntryCell(state(), k, {5, 5});
    state().SegColour[k] = 'r';
  }
  form->OnMenu("N17");  // the falling-block start's reset marks entries 100 and 101
  start(10);
  for (int k = 3; k < GameState::kSegSlots; ++k) {
    ASSERT_EQ(state().SegColour[k], ' ') << k;
    ASSERT_EQ(entry(k), (Cell{21, 21})) << k;
  }
}

TEST_F(SnakeStartTest, AStartDuringAFallingBlockGameHandsOverCleanly) {
  form->OnMenu("N17");
  form->OnKeyDown(vk::kDown);  // a fast drop: T redraws the piece area every 10 ms
  form->OnKeyDown(vk::kLeft);  // a sideways step still owed
  ASSERT_TRUE(timers().enabled(TimerId::T));
  // The snake start comes while both keys are held, and their releases are lost
  // (a game-over box was open when they came).
  start(15);
  for (TimerId id : {TimerId::T, TimerId::Left, TimerId::Right, TimerId::Phaser, TimerId::New, TimerId::Timer1,
                     TimerId::Mover})
    EXPECT_FALSE(timers().enabled(id)) << kTimerSetup[static_cast<std::size_t>(id)].name;
  EXPECT_FALSE(state().PieceInPlay);
  for (int i = 0; i < 40; ++i) {
    run(50);
    ASSERT_TRUE(wholeFieldShowsItsCodes()) << "after " << (i + 1) * 50 << " ms";
  }
  form->OnKeyUp(vk::kShift);  // any release: the owed sideways step must not draw
  form->OnKeyUp(vk::kDown);   // sets the snake's interval of the level
  EXPECT_TRUE(wholeFieldShowsItsCodes());
  EXPECT_EQ(timers().interval(TimerId::SnakMov), 500);
}

TEST_F(SnakeStartTest, AFallingBlockStartDropsAPendingApple) {
  start(15);
  // The only apple right in front of the head: the first step eats it.
  for (Cell c : lettersOnField()) state().SnakeField[c.x][c.y] = ' ';
  state().SnakeField[2][0] = 'g';
  run(500);
  ASSERT_TRUE(timers().enabled(TimerId::Apple));
  form->OnMenu("N17");
  EXPECT_FALSE(timers().enabled(TimerId::Apple));
  EXPECT_FALSE(timers().enabled(TimerId::SnakMov));
  EXPECT_TRUE(menu().enabled("N15"));
  const int segments = state().SegCount;
  run(100);
  EXPECT_EQ(lettersOnField().size(), 3u) << "no new apple: the snake's three segments only";
  EXPECT_EQ(state().SegCount, segments);
}

TEST_F(SnakeStartTest, AFieldWithNoRoomForTheFirstAppleEndsTheGameAtOnce) {
  for (int n : {1, 0}) {
    desktop.messages.clear();
    start(n);
    ASSERT_EQ(desktop.messages.size(), 1u) << n;
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(desktop.messages[0].text.rfind("Игра окончена, игрок набрал 0", 0), 0u);
    EXPECT_EQ(state().RunState, Run::Stop);
    EXPECT_FALSE(timers().enabled(TimerId::SnakMov));
    EXPECT_FALSE(timers().enabled(TimerId::SnakVis));
    EXPECT_TRUE(menu().enabled("N15"));
    form->OnKeyDown(vk::kDown);
    run(3000);
    EXPECT_EQ(entry(1), (Cell{1, 0})) << "nothing moves";
    EXPECT_EQ(desktop.messages.size(), 1u);
  }
}

TEST_F(SnakeStartTest, ASizeBeyondTheStorageIsPlayedAs20) {
  start(30);
  EXPECT_EQ(state().RunState, Run::Game);
  EXPECT_FALSE(showsBackground(15 * 20 + 56, 15 * 20 + 95));
  EXPECT_TRUE(showsBackground(15 * 20 + 57, 15 * 20 + 95));
  run(500 * 25);
  EXPECT_EQ(entry(1).x, 19) << "waits on the right border of a 20 x 20 field";
}

}  // namespace
}  // namespace vemo::testing
