// Whole snake games on the virtual clock: random play that checks the field,
// the segment list and the window after every event, and games that fill the
// field to its last cell.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "render/geometry.h"
#include "render/tiles.h"
#include "snake/snake_field.h"
#include "support/snake_fixture.h"
#include "support/snake_player.h"

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

  // The field holds exactly the visible segments, each in its colour, and
  // at most one apple; the start snake enters the field only at the first step.
  void checkField() {
    const GameState& s = state();
    const int n = s.FieldSize;
    if (head() != Cell{1, 0}) moved_ = true;
    ASSERT_GE(s.SegCount, 3);
    ASSERT_EQ(s.SegColour[s.SegCount], ' ') << "the blank entry";
    std::set<std::pair<int, int>> body;
    for (int k = 1; k < s.SegCount; ++k) {
      const Cell c = entry(k);
      ASSERT_TRUE(snake::OnField(n, c)) << "segment " << k;
      ASSERT_TRUE(body.insert({c.x, c.y}).second) << "two segments on one cell: " << k;
      ASSERT_TRUE(IsColourLetter(s.SegColour[k])) << k;
      if (moved_)
        ASSERT_EQ(s.SnakeField[c.x][c.y], s.SegColour[k]) << "segment " << k;
      else
        ASSERT_EQ(s.SnakeField[c.x][c.y], ' ') << "start segment " << k << " before the first step";
    }
    int apples = 0;
    for (int x = 0; x < n; ++x)
      for (int y = 0; y < n; ++y) {
        const char code = s.SnakeField[x][y];
        ASSERT_TRUE(code == ' ' || IsColourLetter(code)) << x << "," << y;
        if (IsColourLetter(code) && (!moved_ || !body.count({x, y}))) ++apples;
      }
    ASSERT_LE(apples, 1);
    const bool full = s.SegCount - 1 == n * n;
    if (s.RunState != Run::Stop && !timers().enabled(TimerId::Apple) && !full) {
      ASSERT_EQ(apples, 1);
    }
  }

  // Every cell of the field shows its code: the tile of its letter, or the background.
  // (Row by row on the raw bytes: the random games call it thousands of times.)
  void checkWindow() {
    static_assert(sizeof(Rgb) == 3);
    const int n = state().FieldSize;
    const Picture& background = form->Images().Image1;
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n; ++x) {
        const char code = state().SnakeField[x][y];
        const Point o = SnakeCellOrigin(x, y);
        for (int dy = 0; dy < kCellSize; ++dy) {
          const Rgb* want = code == ' ' ? &background.pixels[static_cast<std::size_t>((o.y + dy) * background.width + o.x)]
                                        : &TileFor(code).pixels[static_cast<std::size_t>(dy * kCellSize)];
          const std::uint8_t* got = canvas().bytes() + static_cast<std::size_t>(o.y + dy) * canvas().bytesPerLine() +
                                    static_cast<std::size_t>(o.x) * 3;
          ASSERT_EQ(std::memcmp(got, want, kCellSize * 3), 0) << "cell " << x << "," << y << " '" << code << "'";
        }
      }
  }

  void expectGameOverMessage() {
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(desktop.messages[0].text.rfind("Игра окончена, игрок набрал " + std::to_string(state().Score), 0), 0u);
  }

  bool moved_ = false;
};

TEST_F(SnakeLongGameTest, RandomGamesKeepTheFieldTheListAndTheWindowInStep) {
  const char* const items[] = {"N25", "N26", "N27", "N28", "N29"};
  std::mt19937 rng(2024);
  int games = 0, overs = 0, longest = 0;
  for (int side : {10, 12, 15, 20, 2, 3, 5, 9, 10}) {
    for (int round = 0; round < 2; ++round, ++games) {
      if (games % 4 == 3) form->OnMenu("N17");  // a falling-block game in between
      state().Generator.seed(static_cast<std::mt19937::result_type>(rng()));  // the same games every run
      start(side, items[rng() % 5]);
      ASSERT_NO_FATAL_FAILURE(checkField());
      ASSERT_NO_FATAL_FAILURE(checkWindow());
      for (int events = 0; events < 3000 && state().RunState != Run::Stop; ++events) {
        // The player: mostly a free cell towards the apple, sometimes any arrow.
        const auto roll = rng() % 100;
        if (roll < 5) {
          form->OnKeyDown(KeyFor(static_cast<Heading>(rng() % 4)));
        } else if (roll < 70) {
          if (const std::optional<int> key = SnakeKeyTowardsApple(state())) form->OnKeyDown(*key);
        } else if (roll < 72) {
          form->OnKeyUp(vk::kDown);
        } else if (roll == 72 && games % 2 == 1) {
          form->OnMenu("N4");  // pause and resume: a resumed game redraws every 10 ms
          run(300);
          form->OnMenu("N4");
        } else if (roll == 73) {
          form->OnMenu("N14");
          ASSERT_NO_FATAL_FAILURE(checkWindow());
        }
        const Cell before = head();
        const int count = state().SegCount;
        const bool applePending = timers().enabled(TimerId::Apple);
        ASSERT_TRUE(nextEvent());
        ASSERT_NO_FATAL_FAILURE(checkField());
        if (head() != before || state().SegCount != count || applePending) {
          ASSERT_NO_FATAL_FAILURE(checkWindow());
        }
      }
      longest = std::max(longest, state().SegCount - 1);
      if (state().RunState == Run::Stop) {
        ++overs;
        ASSERT_NO_FATAL_FAILURE(expectGameOverMessage());
        EXPECT_TRUE(menu().enabled("N15"));
      } else {
        EXPECT_TRUE(desktop.messages.empty());
      }
    }
  }
  EXPECT_GT(overs, 0);
  EXPECT_GT(longest, 8) << "the games should have eaten some apples";
}

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
