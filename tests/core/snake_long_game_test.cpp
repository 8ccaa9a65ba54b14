// Snake games that fill the field to its last cell, the field, the segment
// list and the window checked after every event. (Random snake games are
// played by the soak.)

#include <gtest/gtest.h>

#include <string>

#include "snake/snake_field.h"
#include "support/game_invariants.h"
#include "support/snake_fixture.h"

namespace vemo::testing {
namespace {

using snake::Cell;

int KeyFor(Heading h) {
  switch (h) {
    case Heading::Left: return vk::kLeft;
    case Heading::Right: return vk::kRight;
    case Heading::Up: return vk::kUp;
    case Heading::Down: return vk::kDown;
  }
  return 0;
}

Heading Towards(Cell from, Cell to) {
  if (to.x < from.x) return Heading::Left;
  if (to.x > from.x) return Heading::Right;
  return to.y < from.y ? Heading::Up : Heading::Down;
}

// A round trip through every cell of an n x n field, n even: along row 0 to
// the right, then back and forth over columns 1..n-1, and up column 0. The
// start snake, (0, 0) then (1, 0), lies on it.
Cell NextOnTour(int n, Cell c) {
  if (c.y == 0) return c.x < n - 1 ? Cell{c.x + 1, 0} : Cell{n - 1, 1};
  if (c.x == 0) return {0, c.y - 1};
  if (c.y % 2 == 1) {
    if (c.x > 1) return {c.x - 1, c.y};
    return c.y == n - 1 ? Cell{0, c.y} : Cell{1, c.y + 1};
  }
  return c.x < n - 1 ? Cell{c.x + 1, c.y} : Cell{n - 1, c.y + 1};
}

class SnakeLongGameTest : public SnakeTest {
 protected:
  void start(int side, const char* item) {
    desktop.messages.clear();
    SnakeTest::start(side, item);
    moved_ = false;
  }
  Cell head() { return entry(1); }

  // Runs the clock to the next timer event; false when none is due.
  bool nextEvent() {
    const std::int64_t due = desktop.nextDueUs();
    if (due < 0) return false;
    run((due - desktop.nowUs() + 999) / 1000);
    return true;
  }

  // The field and the list agree (the start snake enters the field only at
  // its first step), and every cell of the field shows its code.
  void checkField() {
    if (head() != Cell{1, 0}) moved_ = true;
    ASSERT_EQ(SnakeFault(state(), moved_, timers().enabled(TimerId::Apple)), "");
  }
  void checkWindow() { ASSERT_EQ(CellPixelsFault(*form), ""); }

  void expectGameOverMessage() {
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(desktop.messages[0].text.rfind("Игра окончена, игрок набрал " + std::to_string(state().Score), 0), 0u);
  }

  bool moved_ = false;
};

// The player follows the round trip, so the snake eats every apple and never
// runs into itself until it fills the field.
class SnakeFullFieldTest : public SnakeLongGameTest,
                           public ::testing::WithParamInterface<int> {};

TEST_P(SnakeFullFieldTest, ASnakeThatFillsTheFieldEndsTheGameWithTheMessage) {
  const int n = GetParam();
  start(n, "N29");
  state().Generator.seed(static_cast<unsigned>(n));
  for (int events = 1; state().RunState != Run::Stop; ++events) {
    ASSERT_LT(events, 1'000'000);
    const Heading want = Towards(head(), NextOnTour(n, head()));
    if (state().SnakeDir != want) form->OnKeyDown(KeyFor(want));
    ASSERT_EQ(state().SnakeDir, want) << "a turn along the round trip is never refused";
    ASSERT_TRUE(nextEvent());
    ASSERT_NO_FATAL_FAILURE(checkField());
    // The whole window check is costly on the larger fields: every 7th event there.
    if (n <= 6 || events % 7 == 0) {
      ASSERT_NO_FATAL_FAILURE(checkWindow());
    }
  }
  EXPECT_EQ(state().SegCount - 1, n * n);
  EXPECT_EQ(state().Score, 2 * 5 * (n * n - 2));
  ASSERT_NO_FATAL_FAILURE(expectGameOverMessage());
  ASSERT_NO_FATAL_FAILURE(checkWindow());
  EXPECT_FALSE(timers().enabled(TimerId::SnakMov));
  EXPECT_FALSE(timers().enabled(TimerId::SnakVis));
  EXPECT_FALSE(timers().enabled(TimerId::Apple));
  EXPECT_TRUE(menu().enabled("N15"));
  run(5000);
  EXPECT_EQ(desktop.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EvenSides, SnakeFullFieldTest, ::testing::Values(2, 4, 6, 10));

TEST_F(SnakeLongGameTest, AFieldThatFillsUpDuringAPauseEndsTheGameAndThePause) {
  start(2, "N25");  // the first apple can only be at (0, 1)
  ASSERT_EQ(state().SnakeField[0][1] != ' ', true);
  form->OnKeyDown(vk::kDown);
  run(500);
  ASSERT_EQ(head(), (Cell{1, 1}));
  form->OnKeyDown(vk::kLeft);
  run(500);
  ASSERT_EQ(state().SegCount, 4) << "eaten";
  run(10);
  ASSERT_NE(state().SnakeField[0][0], ' ') << "the only cell left";
  EXPECT_EQ(head(), (Cell{0, 1})) << "the extra step waits at the border";
  form->OnKeyDown(vk::kUp);
  run(490);
  ASSERT_EQ(state().SegCount, 5);
  form->OnMenu("N4");
  ASSERT_TRUE(menu().checked("N4"));
  run(20);
  EXPECT_EQ(state().RunState, Run::Stop);
  EXPECT_FALSE(menu().checked("N4"));
  EXPECT_EQ(state().Score, 4);
  ASSERT_NO_FATAL_FAILURE(expectGameOverMessage());
  ASSERT_NO_FATAL_FAILURE(checkField());
  ASSERT_NO_FATAL_FAILURE(checkWindow());
}

}  // namespace
}  // namespace vemo::testing
