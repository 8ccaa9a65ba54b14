// The keyboard: sideways moves with their own pace, rotation by Up, the fast
// drop by Down, and the key releases that stop them. Keys are pressed and
// released on the virtual clock as the desktop would deliver them.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "support/block_fixture.h"

namespace vemo::testing {
namespace {

class ControlsTest : public BlockTest {
 protected:
  // A piece in a running level-1 game, with the fall timer off unless a test wants it.
  void pieceAt(ShapeCode shape, int phase, int x, int y, bool falling = false) {
    startWith(1, shape, phase, 'b', x, y);
    if (!falling) timers().disable(TimerId::Mover);
  }
  // Holds `key` for `ms`, with the keyboard repeating the press after 250 ms
  // every 33 ms, then releases it.
  void hold(int key, int ms) {
    form->OnKeyDown(key);
    for (int t = 1; t <= ms; ++t) {
      run(1);
      if (t >= 250 && (t - 250) % 33 == 0) form->OnKeyDown(key);
    }
    form->OnKeyUp(key);
  }
  // The times (ms after the press) at which PieceX changed while `key` is held for `ms`.
  std::vector<int> stepTimes(int key, int ms) {
    std::vector<int> times;
    form->OnKeyDown(key);
    int x = state().PieceX;
    for (int t = 1; t <= ms; ++t) {
      run(1);
      if (state().PieceX != x) times.push_back(t), x = state().PieceX;
    }
    return times;
  }
};

TEST_F(ControlsTest, ATapShorterThanTheFirstDelayMovesOneColumnAtTheRelease) {
  for (int key : {vk::kRight, vk::kLeft}) {
    pieceAt(ShapeCode::ZR, 1, 4, 6);
    const int dx = key == vk::kRight ? 1 : -1;
    const Point near = CellOrigin(4, 7);  // a piece cell, spoiled: the press redraws the block at once
    canvas().drawPicture(near.x, near.y, Picture(15, 15, {255, 255, 255}));
    form->OnKeyDown(key);
    EXPECT_TRUE(showsTile(4, 7, 'b')) << key;
    run(20);
    EXPECT_EQ(state().PieceX, 4) << key;
    form->OnKeyUp(key);
    EXPECT_EQ(state().PieceX, 4 + dx) << key;
    EXPECT_EQ(cellsHolding('b'), Translate(PatternCells(ShapeCode::ZR, 1), 4 + dx, 6)) << key;
    EXPECT_EQ(firstCellNotShowingItsCode(), "") << key;
    run(300);
    EXPECT_EQ(state().PieceX, 4 + dx) << key;
    EXPECT_FALSE(timers().enabled(TimerId::Right));
    EXPECT_FALSE(timers().enabled(TimerId::Left));
    EXPECT_EQ(timers().interval(TimerId::Right), 25);
    EXPECT_EQ(timers().interval(TimerId::Left), 25);
  }
}

TEST_F(ControlsTest, HoldingRightStepsAfterTwentyFiveThenEveryFifteenMillisecondsUpToTheWall) {
  pieceAt(ShapeCode::C, 1, 3, 6);
  EXPECT_EQ(stepTimes(vk::kRight, 300), (std::vector<int>{25, 40, 55, 70, 85}));
  EXPECT_EQ(state().PieceX, 8);
  EXPECT_EQ(cellsHolding('b'), (CellSet{{8, 6}, {9, 6}, {8, 7}, {9, 7}}));
  for (int r = -1; r <= 24; ++r) EXPECT_EQ(state().Well.at(10, r), 'w') << r;
  form->OnKeyDown(vk::kRight);  // a repeated press after the last tick
  form->OnKeyUp(vk::kRight);
  EXPECT_EQ(state().PieceX, 8);
  EXPECT_EQ(firstCellNotShowingItsCode(), "");
}

TEST_F(ControlsTest, HoldingLeftStopsInColumnZero) {
  pieceAt(ShapeCode::GL, 2, 4, 6);
  EXPECT_EQ(stepTimes(vk::kLeft, 200), (std::vector<int>{25, 40, 55, 70}));
  form->OnKeyUp(vk::kLeft);
  EXPECT_EQ(state().PieceX, 0);
  EXPECT_EQ(cellsHolding('b'), Translate(PatternCells(ShapeCode::GL, 2), 0, 6));
}

// How far each piece goes: PieceX at the left and at the right end.
constexpr std::array<std::array<std::pair<int, int>, 4>, 7> kSideBounds{{
    {{{0, 8}, {0, 7}, {0, 8}, {0, 7}}},      // GR
    {{{0, 8}, {0, 7}, {0, 8}, {0, 7}}},      // GL
    {{{0, 7}, {0, 8}, {0, 7}, {0, 8}}},      // ZR
    {{{0, 7}, {-1, 7}, {0, 7}, {-1, 7}}},    // ZL
    {{{0, 7}, {-1, 7}, {0, 7}, {0, 8}}},     // K
    {{{0, 8}, {0, 8}, {0, 8}, {0, 8}}},      // C
    {{{0, 6}, {-2, 7}, {0, 6}, {-2, 7}}},    // L
}};

TEST_F(ControlsTest, EveryPieceMovesSidewaysUntilItsOutermostCellReachesTheEdge) {
  for (ShapeCode shape : kAllShapes) {
    for (int phase = 1; phase <= 4; ++phase) {
      const auto [left, right] = kSideBounds[static_cast<std::size_t>(shape)][static_cast<std::size_t>(phase - 1)];
      const std::string what = NameOf(shape) + std::to_string(phase);
      pieceAt(shape, phase, 3, 8);
      hold(vk::kLeft, 200);
      EXPECT_EQ(state().PieceX, left) << what;
      EXPECT_EQ(cellsHolding('b'), Translate(PatternCells(shape, phase), left, 8)) << what;
      hold(vk::kRight, 300);
      EXPECT_EQ(state().PieceX, right) << what;
      EXPECT_EQ(cellsHolding('b'), Translate(PatternCells(shape, phase), right, 8)) << what;
      EXPECT_EQ(state().Well.at(10, 9), 'w');
    }
  }
}

// The cells a sideways step tests, row by row: just beyond the outermost cell
// of each row in the direction of the step.
CellSet SideEntering(const CellSet& cells, int dx) {
  std::map<int, int> outer;  // row -> outermost column
  for (auto [c, r] : cells) {
    auto [it, fresh] = outer.try_emplace(r, c);
    if (!fresh) it->second = dx > 0 ? std::max(it->second, c) : std::min(it->second, c);
  }
  CellSet out;
  for (auto [r, c] : outer) out.insert({c + dx, r});
  return out;
}

TEST_F(ControlsTest, ASidewaysStepTestsOnlyTheCellsBeyondEachRow) {
  EXPECT_EQ(SideEntering(PatternCells(ShapeCode::GR, 1), 1), (CellSet{{2, 0}, {2, 1}, {2, 2}}));
  EXPECT_EQ(SideEntering(PatternCells(ShapeCode::K, 2), -1), (CellSet{{0, 0}, {0, 1}, {0, 2}}));
  pieceAt(ShapeCode::C, 1, 3, 6);
  for (ShapeCode shape : kAllShapes) {
    for (int phase = 1; phase <= 4; ++phase) {
      const CellSet own = PatternCells(shape, phase);
      for (int dx : {-1, 1}) {
        const CellSet enter = SideEntering(own, dx);
        for (int dr = -1; dr <= 4; ++dr)
          for (int dc = -2; dc <= 5; ++dc) {
            if (own.contains({dc, dr})) continue;
            clearPlayArea();
            putPiece(shape, phase, 4, 8, 'b');
            state().Well.set(4 + dc, 8 + dr, 'g');
            dx > 0 ? form->RightTimer() : form->LeftTimer();
            const bool refused = enter.contains({dc, dr});
            ASSERT_EQ(state().PieceX, refused ? 4 : 4 + dx)
                << NameOf(shape) << phase << " dx " << dx << " blocker " << dc << "," << dr;
            CellSet want = Translate(own, state().PieceX, 8);
            EXPECT_EQ(cellsHolding('b'), want) << NameOf(shape) << phase << " dx " << dx;
            EXPECT_EQ(state().Well.at(4 + dc, 8 + dr), 'g');
          }
      }
    }
  }
}

TEST_F(ControlsTest, SensitiveModeStepsAtTheTimerMinimum) {
  pieceAt(ShapeCode::L, 1, 0, 6);
  // Both commands end with the repaint, which draws the empty bowl over whatever was there.
  const auto spoil = [&] { canvas().drawPicture(490, 380, Picture(150, 100, {1, 2, 3})); };
  const auto repainted = [&] { return RawPixel(canvas(), 500, 400) == form->Images().I(0).at(10, 20); };
  spoil();
  form->OnMenu("N34");
  EXPECT_TRUE(repainted());
  EXPECT_TRUE(menu().checked("N34"));
  EXPECT_FALSE(menu().checked("N35"));
  EXPECT_EQ(timers().interval(TimerId::Left), 1);
  EXPECT_EQ(timers().interval(TimerId::Right), 1);
  EXPECT_EQ(stepTimes(vk::kRight, 35), (std::vector<int>{10, 20, 30}));
  form->OnKeyUp(vk::kRight);
  EXPECT_EQ(timers().interval(TimerId::Right), 25) << "a release restores the first delay";
  EXPECT_EQ(stepTimes(vk::kRight, 50), (std::vector<int>{25, 35, 45}));
  EXPECT_EQ(timers().interval(TimerId::Right), 1);
  form->OnKeyUp(vk::kRight);
  spoil();
  form->OnMenu("N35");
  EXPECT_TRUE(repainted());
  EXPECT_TRUE(menu().checked("N35"));
  EXPECT_FALSE(menu().checked("N34"));
  EXPECT_EQ(stepTimes(vk::kLeft, 60), (std::vector<int>{25, 40, 55}));
  form->OnKeyUp(vk::kLeft);
}

TEST_F(ControlsTest, AReleaseMakesThePendingRightStepBeforeThePendingLeftOne) {
  pieceAt(ShapeCode::C, 1, 8, 6);  // against the wall
  form->OnKeyDown(vk::kRight);
  form->OnKeyDown(vk::kLeft);
  run(5);
  form->OnKeyUp(vk::kLeft);
  EXPECT_EQ(state().PieceX, 7) << "the right step is refused by the wall, then the left one is made";
}

TEST_F(ControlsTest, AnyReleaseStopsTheSidewaysMoves) {
  pieceAt(ShapeCode::C, 1, 6, 6);
  form->OnKeyDown(vk::kLeft);
  run(40);
  ASSERT_EQ(state().PieceX, 4);
  form->OnKeyUp(vk::kShift);
  EXPECT_FALSE(timers().enabled(TimerId::Left));
  run(200);
  EXPECT_EQ(state().PieceX, 4) << "Left is still down, but the moves have stopped";
  form->OnKeyDown(vk::kLeft);  // the keyboard repeats Left
  run(24);
  EXPECT_EQ(state().PieceX, 4);
  run(1);
  EXPECT_EQ(state().PieceX, 3);
  form->OnKeyUp(vk::kLeft);
  // Releasing Left while Right is held stops the moves to the right as well.
  form->OnKeyDown(vk::kRight);
  run(25);
  ASSERT_EQ(state().PieceX, 4);
  form->OnKeyUp(vk::kLeft);
  run(200);
  EXPECT_EQ(state().PieceX, 4);
}

TEST_F(ControlsTest, PressesAreIgnoredWhileTheGameIsPausedOrNoPieceIsInPlay) {
  pieceAt(ShapeCode::GR, 1, 4, 6, true);
  form->OnMenu("N4");
  ASSERT_EQ(state().RunState, Run::Pause);
  const std::string before = wellRows(-1, 23);
  for (int key : {vk::kLeft, vk::kRight, vk::kUp, vk::kDown}) form->OnKeyDown(key);
  for (TimerId id : {TimerId::Left, TimerId::Right, TimerId::Phaser, TimerId::T})
    EXPECT_FALSE(timers().enabled(id)) << static_cast<int>(id);
  EXPECT_EQ(timers().interval(TimerId::Mover), 500);
  run(1000);
  EXPECT_EQ(wellRows(-1, 23), before);
  EXPECT_EQ(state().Phase, 1);
  form->OnMenu("N4");
  EXPECT_EQ(state().RunState, Run::Game);

  state().PieceInPlay = false;
  for (int key : {vk::kLeft, vk::kRight, vk::kUp, vk::kDown}) form->OnKeyDown(key);
  for (TimerId id : {TimerId::Left, TimerId::Right, TimerId::Phaser, TimerId::T})
    EXPECT_FALSE(timers().enabled(id)) << static_cast<int>(id);
  EXPECT_EQ(wellRows(-1, 23), before);
}

TEST_F(ControlsTest, ASidewaysTickWithoutAPieceInPlayOnlyRewritesThePiece) {
  pieceAt(ShapeCode::ZL, 1, 4, 6);
  state().PieceInPlay = false;
  state().Well.set(5, 7, 'g');  // one of the piece's cells
  form->RightTimer();
  form->LeftTimer();
  EXPECT_EQ(state().PieceX, 4);
  EXPECT_EQ(cellsHolding('b'), Translate(PatternCells(ShapeCode::ZL, 1), 4, 6));
}

TEST_F(ControlsTest, DownTwiceWithoutReleaseMakesOneImmediateStep) {
  pieceAt(ShapeCode::K, 1, 4, 3, true);
  form->OnKeyDown(vk::kDown);
  EXPECT_EQ(state().PieceY, 4);
  EXPECT_EQ(timers().interval(TimerId::Mover), 25);
  EXPECT_TRUE(timers().enabled(TimerId::T));
  EXPECT_EQ(firstCellNotShowingItsCode(), "") << "the first step still redraws";
  form->OnKeyDown(vk::kDown);
  EXPECT_EQ(state().PieceY, 4);
  EXPECT_EQ(timers().interval(TimerId::Mover), 25);
}

TEST_F(ControlsTest, FastDropFallsEveryTwentyFiveMillisecondsAndTDraws) {
  pieceAt(ShapeCode::C, 1, 3, 5, true);
  run(100);
  form->OnKeyDown(vk::kDown);
  ASSERT_EQ(state().PieceY, 6);
  run(24);
  EXPECT_EQ(state().PieceY, 6);
  run(1);
  EXPECT_EQ(state().PieceY, 7);
  // The fall step itself does not draw: the window still shows rows 6 and 7.
  EXPECT_TRUE(showsTile(3, 6, 'b'));
  EXPECT_TRUE(showsBackground(3, 8));
  run(5);  // the next tick of T
  EXPECT_TRUE(showsBackground(3, 6));
  EXPECT_TRUE(showsTile(3, 8, 'b'));
  run(100);
  EXPECT_EQ(state().PieceY, 11);
  canvas().drawPicture(490, 380, Picture(150, 100, {1, 2, 3}));
  form->OnKeyUp(vk::kDown);
  EXPECT_EQ(timers().interval(TimerId::Mover), 500);
  EXPECT_FALSE(timers().enabled(TimerId::T));
  EXPECT_EQ(firstCellNotShowingItsCode(), "");
  EXPECT_EQ(RawPixel(canvas(), 500, 400), form->Images().I(1).at(10, 20)) << "the level's fire is drawn again";
  run(499);
  EXPECT_EQ(state().PieceY, 11);
  run(1);
  EXPECT_EQ(state().PieceY, 12);
}

TEST_F(ControlsTest, ReleasingDownWhilePausedRestoresTheIntervalButLeavesTRunning) {
  pieceAt(ShapeCode::C, 1, 3, 5, true);
  form->OnKeyDown(vk::kDown);
  ASSERT_EQ(timers().interval(TimerId::Mover), 25);
  form->OnMenu("N4");
  form->OnKeyUp(vk::kDown);
  EXPECT_EQ(timers().interval(TimerId::Mover), 500);
  EXPECT_TRUE(timers().enabled(TimerId::T)) << "T stops only at a release of Down in a running game";
  form->OnMenu("N4");
  form->OnKeyDown(vk::kDown);
  form->OnKeyUp(vk::kDown);
  EXPECT_FALSE(timers().enabled(TimerId::T));
}

TEST_F(ControlsTest, FastDropGoesOnThroughALandingIntoTheNextPiece) {
  pieceAt(ShapeCode::C, 1, 3, 18, true);
  state().NextShape = ShapeCode::C;
  state().NextPhase = 1;
  state().NextColour = 'y';
  form->OnKeyDown(vk::kDown);  // to row 19
  run(25 * 3);                 // rows 20, 21; then it lands
  EXPECT_FALSE(state().PieceInPlay);
  run(10);  // the next piece
  ASSERT_TRUE(state().PieceInPlay);
  ASSERT_EQ(state().PieceY, 0);
  EXPECT_EQ(timers().interval(TimerId::Mover), 25);
  run(50);
  EXPECT_EQ(state().PieceY, 2);
  form->OnKeyUp(vk::kDown);
  EXPECT_EQ(timers().interval(TimerId::Mover), 500);
}

TEST_F(ControlsTest, ALevelRiseDuringAFastDropLetsTheNextDownStartItAgain) {
  menu().setChecked("N31", false);
  pieceAt(ShapeCode::C, 1, 3, 18, true);
  setRows(22, {"rrr  rrrrr"});
  state().Score = 74;
  state().NextShape = ShapeCode::C;
  state().NextPhase = 1;
  form->OnKeyDown(vk::kDown);  // to row 19
  run(25 * 3);                 // rows 20, 21; then it lands and fills row 22
  run(10);                     // the row goes: 76 points, level 2
  ASSERT_EQ(state().Speed, 2);
  ASSERT_EQ(state().PieceY, 0);
  EXPECT_EQ(timers().interval(TimerId::Mover), 400) << "the new level's pace ends the fast drop";
  form->OnKeyDown(vk::kDown);  // the keyboard repeats Down
  EXPECT_EQ(state().PieceY, 1) << "one fall step at once";
  EXPECT_EQ(timers().interval(TimerId::Mover), 25);
  form->OnKeyUp(vk::kDown);
  EXPECT_EQ(timers().interval(TimerId::Mover), 400);
}

TEST_F(ControlsTest, UpRotatesOnceAtThePressThenOncePerPhaserTickWhileRepeated) {
  pieceAt(ShapeCode::GR, 1, 4, 6);
  form->OnKeyDown(vk::kUp);
  EXPECT_EQ(state().Phase, 2);
  EXPECT_EQ(cellsHolding('b'), Translate(PatternCells(ShapeCode::GR, 2), 4, 6));
  EXPECT_EQ(firstCellNotShowingItsCode(), "");
  run(300);
  EXPECT_EQ(state().Phase, 2) << "no repeat yet";
  const Point far = CellOrigin(0, 20);  // far from the piece
  canvas().drawPicture(far.x, far.y, Picture(15, 15, {255, 255, 255}));
  form->OnKeyDown(vk::kUp);  // the keyboard starts repeating
  EXPECT_EQ(state().Phase, 2);
  EXPECT_TRUE(showsBackground(0, 20)) << "the repeated press redraws the whole well";
  EXPECT_TRUE(timers().enabled(TimerId::Phaser));
  run(99);
  EXPECT_EQ(state().Phase, 2);
  run(1);
  EXPECT_EQ(state().Phase, 3);
  for (int t = 0; t < 100; t += 33) {
    form->OnKeyDown(vk::kUp);  // further repeats do not restart the timer
    run(33);
  }
  EXPECT_EQ(state().Phase, 4);
  run(100);
  EXPECT_EQ(state().Phase, 1);
  EXPECT_EQ(cellsHolding('b'), Translate(PatternCells(ShapeCode::GR, 1), 4, 6));
  form->OnKeyUp(vk::kUp);
  EXPECT_FALSE(timers().enabled(TimerId::Phaser));
  run(500);
  EXPECT_EQ(state().Phase, 1);
  form->OnKeyDown(vk::kUp);
  EXPECT_EQ(state().Phase, 2) << "after the release the next press rotates at once again";
}

TEST_F(ControlsTest, InTheSnakeGameKeysStartNoBlockTimersButDownsReleaseSetsTheLevel) {
  pieceAt(ShapeCode::C, 1, 4, 6);
  state().Mode = GameMode::Snake;
  state().Speed = 3;
  for (int key : {vk::kLeft, vk::kRight, vk::kUp, vk::kDown}) form->OnKeyDown(key);
  for (TimerId id : {TimerId::Left, TimerId::Right, TimerId::Phaser, TimerId::T})
    EXPECT_FALSE(timers().enabled(id)) << static_cast<int>(id);
  form->OnKeyUp(vk::kDown);
  EXPECT_EQ(timers().interval(TimerId::Mover), 300);
  EXPECT_EQ(timers().interval(TimerId::SnakMov), 300);
  EXPECT_EQ(state().PieceX, 4);
}

}  // namespace
}  // namespace vemo::testing
