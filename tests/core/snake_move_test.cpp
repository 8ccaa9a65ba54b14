// The snake's move step: moving and waiting at a border, turning, eating and
// growing, the score and the level, running into itself, and the redraw.

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

constexpr Cell kParking{21, 21};

class SnakeMoveTest : public SnakeTest {
 protected:
  // Replaces the snake of a running game by `body` (head first) and empties
  // the rest of the field, as a game may have left it; the window is redrawn.
  void placeSnake(const std::vector<Cell>& body, Heading dir, Cell blank = kParking) {
    GameState& s = state();
    for (int x = 0; x < s.FieldSize; ++x)
      for (int y = 0; y < s.FieldSize; ++y) s.SnakeField[x][y] = ' ';
    for (int k = 1; k < GameState::kSegSlots; ++k) {
      snake::SetEntryCell(s, k, kParking);
      s.SegColour[k] = ' ';
    }
    for (std::size_t i = 0; i < body.size(); ++i) {
      const int k = static_cast<int>(i) + 1;
      snake::SetEntryCell(s, k, body[i]);
      s.SegColour[k] = snake::kColours[i % 6];
      s.SnakeField[body[i].x][body[i].y] = s.SegColour[k];
    }
    s.SegCount = static_cast<int>(body.size()) + 1;
    snake::SetEntryCell(s, s.SegCount, blank);
    s.SnakeDir = dir;
    form->OnMenu("N14");
  }
  void putApple(Cell c, char letter = 'b') {
    state().SnakeField[c.x][c.y] = letter;
    form->SnakVisTimer();
  }
  void removeApples() {
    GameState& s = state();
    std::vector<bool> segment(static_cast<std::size_t>(s.FieldSize * s.FieldSize));
    for (int k = 1; k < s.SegCount; ++k) {
      const Cell c = entry(k);
      if (snake::OnField(s.FieldSize, c)) segment[static_cast<std::size_t>(c.y * s.FieldSize + c.x)] = true;
    }
    for (int x = 0; x < s.FieldSize; ++x)
      for (int y = 0; y < s.FieldSize; ++y)
        if (!segment[static_cast<std::size_t>(y * s.FieldSize + x)]) s.SnakeField[x][y] = ' ';
    form->SnakVisTimer();
  }
  Cell head() { return entry(1); }
  Heading dir() { return state().SnakeDir; }
  // One millisecond, with an apple put in front of the head whenever none is
  // due; returns the segments gained.
  int stepTowardsAnAppleAhead() {
    const Cell ahead = snake::Ahead(head(), dir());
    if (!timers().enabled(TimerId::Apple) && !IsColourLetter(state().SnakeField[ahead.x][ahead.y])) {
      removeApples();
      putApple(ahead);
    }
    const int before = state().SegCount;
    run(1);
    return state().SegCount - before;
  }
  void press(int key) { form->OnKeyDown(key); }

  bool gameOverShown(int score) {
    return desktop.messages.size() == 1 && desktop.messages[0].kind == MessageKind::Information &&
           desktop.messages[0].text.rfind("Игра окончена, игрок набрал " + std::to_string(score), 0) == 0;
  }
};

TEST_F(SnakeMoveTest, AtLevelOneTheHeadMovesRightEvery500MsAndWaitsOnTheBorder) {
  start(15);  // the first apple is never in row 0, so nothing is eaten there
  for (int x = 2; x <= 14; ++x) {
    run(499);
    ASSERT_EQ(head(), (Cell{x - 1, 0}));
    run(1);
    ASSERT_EQ(head(), (Cell{x, 0}));
  }
  run(1500);
  EXPECT_EQ(head(), (Cell{14, 0}));
  EXPECT_EQ(state().RunState, Run::Game) << "a border never kills";
  EXPECT_TRUE(desktop.messages.empty());

  press(vk::kDown);
  EXPECT_EQ(dir(), Heading::Down);
  press(vk::kRight);
  EXPECT_EQ(dir(), Heading::Down) << "no turn into the border the head stands on";
  press(vk::kUp);
  EXPECT_EQ(dir(), Heading::Down) << "no turn up in row 0";
  run(500);
  EXPECT_EQ(head(), (Cell{14, 1}));
}

TEST_F(SnakeMoveTest, TurnsAreTestedAgainstTheSecondSegmentNotTheDirection) {
  start(15);
  placeSnake({{5, 5}, {4, 5}}, Heading::Right, {3, 5});
  press(vk::kLeft);
  EXPECT_EQ(dir(), Heading::Right) << "no reversing";
  press(vk::kUp);
  EXPECT_EQ(dir(), Heading::Up);
  press(vk::kLeft);
  EXPECT_EQ(dir(), Heading::Up) << "the second segment is still left of the head";
  run(500);
  ASSERT_EQ(head(), (Cell{5, 4}));
  ASSERT_EQ(entry(2), (Cell{5, 5}));
  press(vk::kLeft);
  EXPECT_EQ(dir(), Heading::Left);
  press(65);
  EXPECT_EQ(dir(), Heading::Left) << "other keys do nothing";
}

TEST_F(SnakeMoveTest, KeysDoNothingWhileTheGameIsPausedOrOver) {
  start(15);
  form->OnMenu("N4");
  ASSERT_EQ(state().RunState, Run::Pause);
  press(vk::kDown);
  EXPECT_EQ(dir(), Heading::Right);
  run(2000);
  EXPECT_EQ(head(), (Cell{1, 0}));
  form->OnMenu("N4");
  EXPECT_TRUE(timers().enabled(TimerId::SnakMov));
  EXPECT_TRUE(timers().enabled(TimerId::SnakVis));
}

TEST_F(SnakeMoveTest, RunningIntoTheLastVisibleSegmentEndsTheGame) {
  start(15);
  // A square: the tail at (4, 5) would move away in this very step.
  placeSnake({{5, 5}, {5, 6}, {4, 6}, {4, 5}}, Heading::Up);
  state().Score = 6;
  press(vk::kLeft);
  ASSERT_EQ(dir(), Heading::Left);
  run(500);
  EXPECT_TRUE(gameOverShown(6));
  EXPECT_TRUE(desktop.dialogs.empty()) << "no name entry for the snake";
  EXPECT_EQ(state().RunState, Run::Stop);
  EXPECT_FALSE(timers().enabled(TimerId::SnakMov));
  EXPECT_FALSE(timers().enabled(TimerId::SnakVis));
  EXPECT_TRUE(menu().enabled("N15"));
  EXPECT_EQ(head(), (Cell{5, 5})) << "the snake does not move";
  EXPECT_TRUE(cellShows({4, 5}, state().SegColour[4]));
  press(vk::kDown);
  EXPECT_EQ(dir(), Heading::Left) << "no turns after the game";
  run(3000);
  EXPECT_EQ(head(), (Cell{5, 5}));
  EXPECT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(state().Mode, GameMode::Snake);
}

TEST_F(SnakeMoveTest, RunningIntoTheMiddleOfTheBodyEndsTheGame) {
  start(15);
  // The head turns left into the fourth of six segments.
  placeSnake({{5, 5}, {5, 6}, {4, 6}, {4, 5}, {4, 4}, {4, 3}}, Heading::Up);
  state().Score = 4;
  press(vk::kLeft);
  run(500);
  EXPECT_TRUE(gameOverShown(4));
  EXPECT_EQ(state().RunState, Run::Stop);
  EXPECT_EQ(head(), (Cell{5, 5}));
}

TEST_F(SnakeMoveTest, TheCellTheTailLeftIsFree) {
  start(15);
  placeSnake({{5, 5}, {5, 6}, {4, 6}}, Heading::Up, {4, 5});
  press(vk::kLeft);
  run(500);
  EXPECT_EQ(head(), (Cell{4, 5}));
  EXPECT_EQ(state().RunState, Run::Game);
  EXPECT_EQ(state().SnakeField[4][6], ' ');
  EXPECT_TRUE(cellShows({4, 6}, ' '));
  EXPECT_TRUE(cellShows({4, 5}, state().SegColour[1]));
}

TEST_F(SnakeMoveTest, EatingGrowsTheSnakeAtItsHeadThenAnExtraStepFollows) {
  start(15);
  placeSnake({{5, 5}, {4, 5}, {3, 5}}, Heading::Right);  // colours r, y, g
  putApple({6, 5}, 'b');
  // A fixed draw, so the next apple does not happen to lie right ahead.
  state().Generator.seed(7);
  run(500);
  ASSERT_EQ(state().SegCount, 5);
  EXPECT_EQ(head(), (Cell{6, 5}));
  const std::vector<Cell> cells{{6, 5}, {5, 5}, {4, 5}, {3, 5}};
  const std::string colours = "bryg";
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(entry(k), cells[static_cast<std::size_t>(k - 1)]) << k;
    EXPECT_EQ(state().SegColour[k], colours[static_cast<std::size_t>(k - 1)]) << k;
    EXPECT_TRUE(cellShows(entry(k), state().SegColour[k])) << k;
  }
  EXPECT_EQ(state().Score, 2);
  EXPECT_EQ(desktop.caption, "Vemo score : 2");
  EXPECT_EQ(desktop.sounds, 1);
  EXPECT_TRUE(timers().enabled(TimerId::Apple));

  run(9);
  EXPECT_EQ(head(), (Cell{6, 5}));
  run(1);  // the next apple, and one step more at once
  EXPECT_EQ(head(), (Cell{7, 5}));
  ASSERT_FALSE(timers().enabled(TimerId::Apple)) << "the seed put the next apple right ahead: choose another";
  run(489);
  EXPECT_EQ(head(), (Cell{7, 5}));
  run(1);
  EXPECT_EQ(head(), (Cell{8, 5})) << "the regular steps go on unchanged";
}

TEST_F(SnakeMoveTest, EatingOnTheFirstStepBringsTheStartSnakeOntoTheField) {
  start(15);
  removeApples();
  putApple({1, 1}, 'c');
  press(vk::kDown);
  run(500);
  ASSERT_EQ(state().SegCount, 4);
  const GameState& s = state();
  EXPECT_EQ(s.SnakeField[1][1], 'c');
  EXPECT_EQ(s.SnakeField[1][0], s.SegColour[2]);
  EXPECT_EQ(s.SnakeField[0][0], s.SegColour[3]);
  for (int k = 1; k <= 3; ++k) EXPECT_TRUE(cellShows(entry(k), s.SegColour[k])) << k;
  run(10);
  // Whatever the next step did, the field holds every segment and one apple.
  int letters = 0;
  for (int x = 0; x < 15; ++x)
    for (int y = 0; y < 15; ++y) letters += IsColourLetter(s.SnakeField[x][y]);
  for (int k = 1; k < s.SegCount; ++k) EXPECT_EQ(s.SnakeField[entry(k).x][entry(k).y], s.SegColour[k]) << k;
  EXPECT_EQ(letters, s.SegCount - 1 + (timers().enabled(TimerId::Apple) ? 0 : 1));
}

TEST_F(SnakeMoveTest, ApplesRaiseTheLevelPast10_30_60And110AndTheIntervalWaitsForTheDownRelease) {
  ASSERT_TRUE(menu().checked("N22"));
  start(20);
  // Score and level after each of 24 apples, worked by hand from level 1:
  // 2 points an apple to 12 (level 2), 4 to 32 (3), 6 to 62 (4), 8 to 118 (5), then 10.
  const std::vector<std::pair<int, int>> expected{
      {2, 1},   {4, 1},   {6, 1},   {8, 1},   {10, 1},  {12, 2},  {16, 2},  {20, 2},
      {24, 2},  {28, 2},  {32, 3},  {38, 3},  {44, 3},  {50, 3},  {56, 3},  {62, 4},
      {70, 4},  {78, 4},  {86, 4},  {94, 4},  {102, 4}, {110, 4}, {118, 5}, {128, 5}};
  std::vector<std::pair<int, int>> eaten;
  while (eaten.size() < expected.size() && state().RunState == Run::Game) {
    // Back and forth across the field, one row lower at each side.
    const Cell h = head();
    if ((dir() == Heading::Right && h.x == 19) || (dir() == Heading::Left && h.x == 0))
      press(vk::kDown);
    else if (dir() == Heading::Down && entry(2).y == h.y - 1)
      press(h.x == 0 ? vk::kRight : vk::kLeft);
    if (stepTowardsAnAppleAhead() > 0) {
      eaten.emplace_back(state().Score, state().Speed);
      EXPECT_EQ(timers().interval(TimerId::SnakMov), 500) << "apple " << eaten.size();
    }
  }
  EXPECT_EQ(eaten, expected);
  form->OnKeyDown(vk::kDown);
  EXPECT_EQ(timers().interval(TimerId::SnakMov), 500);
  form->OnKeyUp(vk::kDown);
  EXPECT_EQ(timers().interval(TimerId::SnakMov), 100);
}

TEST_F(SnakeMoveTest, ALaterAppleMayLandInTheCellTheTailHasJustLeft) {
  // Every cell taken but the one the tail leaves and (0, 0): the apple after
  // the next one lands in one of those two, and over a few games in both.
  std::set<std::pair<int, int>> landed;
  for (unsigned seed = 1; seed <= 12; ++seed) {
    start(10);
    placeSnake({{7, 5}, {6, 5}, {5, 5}}, Heading::Right);
    for (int x = 0; x < 10; ++x)
      for (int y = 0; y < 10; ++y)
        if (state().SnakeField[x][y] == ' ') state().SnakeField[x][y] = 'g';
    state().SnakeField[8][5] = ' ';
    state().SnakeField[0][0] = ' ';
    putApple({9, 5});
    state().Generator.seed(seed);
    run(500);  // a plain step: the tail leaves (5, 5)
    ASSERT_EQ(state().SnakeField[5][5], ' ');
    run(500);  // the apple at (9, 5); the head then waits on the border
    run(10);   // the next apple
    ASSERT_EQ(state().SegCount, 5);
    const bool inTailCell = IsColourLetter(state().SnakeField[5][5]);
    const bool inCorner = IsColourLetter(state().SnakeField[0][0]);
    ASSERT_NE(inTailCell, inCorner) << "one apple, in one of the two free cells";
    landed.insert(inTailCell ? std::pair{5, 5} : std::pair{0, 0});
    const Cell apple = inTailCell ? Cell{5, 5} : Cell{0, 0};
    EXPECT_TRUE(cellShows(apple, state().SnakeField[apple.x][apple.y]));
  }
  EXPECT_EQ(landed, (std::set<std::pair<int, int>>{{5, 5}, {0, 0}}));
}

TEST_F(SnakeMoveTest, WithoutTheOptionsTheLevelStaysAndNoSoundPlays) {
  form->OnMenu("N22");
  form->OnMenu("N8");
  ASSERT_FALSE(menu().checked("N22"));
  start(20);
  int eaten = 0;
  while (eaten < 8) eaten += stepTowardsAnAppleAhead();
  EXPECT_EQ(state().Score, 16);
  EXPECT_EQ(state().Speed, 1);
  EXPECT_EQ(desktop.sounds, 0);
}

TEST_F(SnakeMoveTest, AStepRestoresOnlyTheCellTheTailLeft) {
  start(15);
  run(1500);  // along row 0, where the first apple never lies
  const Cell tail = entry(state().SegCount - 1);
  const auto reads = canvas().pixelReads(), writes = canvas().pixelWrites();
  run(500);
  EXPECT_EQ(canvas().pixelReads() - reads, 1u) << "one test pixel: the cell the tail left";
  EXPECT_EQ(canvas().pixelWrites() - writes, 225u);
  EXPECT_TRUE(cellShows(tail, ' '));
  for (int k = 1; k < state().SegCount; ++k) EXPECT_TRUE(cellShows(entry(k), state().SegColour[k])) << k;

  // Waiting on the border draws the segments and restores nothing.
  run(500 * 12);
  ASSERT_EQ(head(), (Cell{14, 0}));
  const auto writesWaiting = canvas().pixelWrites();
  run(500);
  EXPECT_EQ(canvas().pixelWrites(), writesWaiting);
}

TEST_F(SnakeMoveTest, CellsThatASizeReadDuringAGameAddsAreNoApples) {
  // A game started in the first second, before the start-up sequence reads
  // the records file, may find the field larger afterwards.
  start(15);
  state().FieldSize = 20;
  run(500 * 18);
  EXPECT_EQ(head(), (Cell{19, 0}));
  EXPECT_EQ(state().SegCount, 3) << "nothing eaten";
  EXPECT_TRUE(cellShows(head(), state().SegColour[1]));
}

TEST_F(SnakeMoveTest, AResumedGameRedrawsTheWholeFieldCheaplyEvery10Ms) {
  start(15);
  placeSnake({{5, 5}, {4, 5}}, Heading::Right);
  putApple({9, 9});
  form->OnMenu("N4");
  form->OnMenu("N4");
  // Foreign pixels on an empty cell and on a segment.
  canvas().drawPicture(SnakeCellOrigin(7, 7).x, SnakeCellOrigin(7, 7).y, TileFor('v'));
  canvas().setPixel(SnakeCellOrigin(4, 5).x + 5, SnakeCellOrigin(4, 5).y + 5, {0, 0, 0});
  run(10);
  EXPECT_TRUE(cellShows({7, 7}, ' '));
  EXPECT_TRUE(cellShows({4, 5}, 'y'));
  const auto reads = canvas().pixelReads(), writes = canvas().pixelWrites();
  run(10);
  EXPECT_EQ(canvas().pixelReads() - reads, 15u * 15u - 3u) << "one test pixel per empty cell";
  EXPECT_EQ(canvas().pixelWrites(), writes) << "nothing to restore";
}

TEST_F(SnakeMoveTest, APausePlacesAPendingAppleButStopsTheSnake) {
  start(15);
  placeSnake({{5, 5}, {4, 5}}, Heading::Right);
  putApple({6, 5});
  state().Generator.seed(7);  // a fixed draw: the next apple not right ahead
  run(500);
  ASSERT_TRUE(timers().enabled(TimerId::Apple));
  form->OnMenu("N4");
  run(20);
  ASSERT_FALSE(timers().enabled(TimerId::Apple));
  EXPECT_EQ(head(), (Cell{7, 5})) << "the extra step comes with the apple";
  run(2000);
  EXPECT_EQ(head(), (Cell{7, 5}));
  form->OnMenu("N4");
  run(500);
  EXPECT_EQ(head(), (Cell{8, 5}));
}

}  // namespace
}  // namespace vemo::testing
