// Starting a falling-block game, the fall step, landing and game over.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "support/block_fixture.h"

namespace vemo::testing {
namespace {

using GravityTest = BlockTest;

// The fall step worked out column by column: below the lowest cell of each
// column the piece enters, its topmost cell of each column it leaves.
struct ColumnStep {
  CellSet enter, leave;
};
ColumnStep FallByColumns(const CellSet& cells) {
  std::map<int, std::pair<int, int>> span;  // column -> (top, bottom)
  for (auto [c, r] : cells) {
    auto [it, fresh] = span.try_emplace(c, r, r);
    if (!fresh) it->second = {std::min(it->second.first, r), std::max(it->second.second, r)};
  }
  ColumnStep step;
  for (auto [c, tb] : span) {
    step.enter.insert({c, tb.second + 1});
    step.leave.insert({c, tb.first});
  }
  return step;
}

TEST(FallOracle, AgreesWithTheWorkedExamples) {
  EXPECT_EQ(FallByColumns(PatternCells(ShapeCode::GR, 1)).enter, (CellSet{{0, 1}, {1, 3}}));
  EXPECT_EQ(FallByColumns(PatternCells(ShapeCode::GR, 1)).leave, (CellSet{{0, 0}, {1, 0}}));
  EXPECT_EQ(FallByColumns(PatternCells(ShapeCode::L, 2)).enter, (CellSet{{2, 4}}));
  EXPECT_EQ(FallByColumns(PatternCells(ShapeCode::L, 2)).leave, (CellSet{{2, 0}}));
  EXPECT_EQ(FallByColumns(PatternCells(ShapeCode::L, 1)).enter, (CellSet{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
  EXPECT_EQ(FallByColumns(PatternCells(ShapeCode::L, 1)).leave, (CellSet{{0, 2}, {1, 2}, {2, 2}, {3, 2}}));
  EXPECT_EQ(FallByColumns(PatternCells(ShapeCode::C, 3)).enter, (CellSet{{0, 2}, {1, 2}}));
  EXPECT_EQ(FallByColumns(PatternCells(ShapeCode::C, 3)).leave, (CellSet{{0, 0}, {1, 0}}));
}

TEST_F(GravityTest, FallStepTestsExactlyTheCellsBelowEachColumnAndMovesThePiece) {
  constexpr int kX = 4, kY = 8;
  startWith(1, ShapeCode::C, 1);
  for (ShapeCode shape : kAllShapes) {
    for (int phase = 1; phase <= 4; ++phase) {
      const CellSet own = PatternCells(shape, phase);
      const ColumnStep step = FallByColumns(own);
      const std::string what = NameOf(shape) + std::to_string(phase);

      // In free space: the leaving cells empty, the entering cells take the colour.
      clearPlayArea();
      putPiece(shape, phase, kX, kY, 'y');
      form->MoverTimer();
      EXPECT_EQ(state().PieceY, kY + 1) << what;
      EXPECT_TRUE(state().PieceInPlay) << what;
      EXPECT_EQ(cellsHolding('y'), Translate(own, kX, kY + 1)) << what;

      // One blocker at a time around the piece: only an entering cell stops it.
      for (int r = kY - 1; r <= kY + 4; ++r) {
        for (int c = kX - 1; c <= kX + 4; ++c) {
          if (own.contains({c - kX, r - kY})) continue;
          clearPlayArea();
          putPiece(shape, phase, kX, kY, 'y');
          state().Well.set(c, r, 'g');
          const std::string before = wellRows(-1, 23);
          form->MoverTimer();
          const bool entering = step.enter.contains({c - kX, r - kY});
          EXPECT_EQ(state().PieceY, entering ? kY : kY + 1) << what << " blocker at " << c - kX << "," << r - kY;
          if (entering) {
            EXPECT_EQ(wellRows(-1, 23), before) << what << ": a refused fall changes nothing";
          }
        }
      }
    }
  }
}

TEST_F(GravityTest, EveryCodeButEmptyBlocksTheFall) {
  startWith(1, ShapeCode::C, 1);
  for (char code : {'a', 'w', '\0', 'r', 'c'}) {
    clearPlayArea();
    putPiece(ShapeCode::C, 1, 2, 5, 'b');
    state().Well.set(3, 7, code);  // below the right column
    form->MoverTimer();
    EXPECT_EQ(state().PieceY, 5) << "code " << int{code};
  }
}

TEST_F(GravityTest, OneFreeEnteringCellIsNotEnough) {
  startWith(1, ShapeCode::GR, 1);
  clearPlayArea();
  putPiece(ShapeCode::GR, 1, 2, 5, 'b');
  state().Well.set(3, 8, 'g');  // below the long column; the cell below the short one stays free
  form->MoverTimer();
  EXPECT_EQ(state().PieceY, 5);
  EXPECT_FALSE(state().PieceInPlay) << "the piece has landed";
  EXPECT_TRUE(timers().enabled(TimerId::New));
  EXPECT_EQ(state().RunState, Run::Game);
}

TEST_F(GravityTest, InAnEmptyWellThePieceRestsOnTheFloorAndLandsOneTickLater) {
  for (ShapeCode shape : kAllShapes) {
    for (int phase = 1; phase <= 4; ++phase) {
      const std::string what = NameOf(shape) + std::to_string(phase);
      timers().disable(TimerId::Mover);  // so that the start begins a fresh period
      startWith(5, shape, phase, 'g');     // 100 ms a step, first piece at (3, 0) without lift
      int bottom = 0;
      for (auto [c, r] : PatternCells(shape, phase)) bottom = std::max(bottom, r);
      const int falls = 22 - bottom;
      run(100 * falls);
      ASSERT_EQ(state().PieceY, falls) << what;
      EXPECT_TRUE(state().PieceInPlay) << what << ": resting on the floor is not yet a landing";
      EXPECT_FALSE(timers().enabled(TimerId::New)) << what;
      for (auto [c, r] : pieceCells()) EXPECT_TRUE(showsTile(c, r, 'g')) << what << " " << c << "," << r;
      run(100);
      EXPECT_EQ(state().PieceY, falls) << what;
      EXPECT_FALSE(state().PieceInPlay) << what;
      EXPECT_TRUE(timers().enabled(TimerId::New)) << what;
      EXPECT_EQ(state().RunState, Run::Game) << what;
      EXPECT_EQ(wellRows(23, 23), "aaaaaaaaaa\n") << what;
      run(10);
      EXPECT_TRUE(state().PieceInPlay) << what << ": the next piece follows";
      EXPECT_EQ(state().PieceX, 3) << what;
    }
  }
}

// A new piece, spawned at the top, falls `falls` rows onto a ledge; the game
// ends if it then cannot fall with its reference row at 0 or above.
struct EndCase {
  ShapeCode shape;
  int phase;
  int falls;
  bool gameOver;
};

class GameOverRule : public GravityTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(GameOverRule, DependsOnTheRowWhereThePieceStops) {
  const EndCase k = GetParam();
  startWith(5, ShapeCode::C, 1, 'r', 0, 21);
  clearPlayArea();
  state().PieceInPlay = false;
  state().NextShape = k.shape;
  state().NextPhase = k.phase;
  state().NextColour = 'v';
  form->NewTimer();
  // The ledge: a row that is not full, under the whole piece.
  int height = 0;
  for (auto [c, r] : PatternCells(k.shape, k.phase)) height = std::max(height, r + state().PieceY + 1);
  setRows(height + k.falls, {"ggggggggg "});
  for (int i = 0; i < k.falls; ++i) run(100);
  ASSERT_EQ(state().RunState, Run::Game);
  ASSERT_TRUE(state().PieceInPlay);
  run(100);  // cannot fall
  if (k.gameOver) {
    EXPECT_EQ(state().RunState, Run::Stop);
    EXPECT_FALSE(state().PieceInPlay);
    EXPECT_FALSE(timers().enabled(TimerId::Mover));
    EXPECT_FALSE(timers().enabled(TimerId::New));
    const CellSet left = pieceCells();
    run(1000);
    EXPECT_EQ(pieceCells(), left) << "the last piece stays where it stopped";
    for (auto [c, r] : left) EXPECT_EQ(state().Well.at(c, r), 'v');
  } else {
    EXPECT_EQ(state().RunState, Run::Game);
    EXPECT_FALSE(state().PieceInPlay);
    EXPECT_TRUE(timers().enabled(TimerId::New));
    EXPECT_TRUE(timers().enabled(TimerId::Mover));
  }
}

INSTANTIATE_TEST_SUITE_P(SpawnLift, GameOverRule,
                         ::testing::Values(EndCase{ShapeCode::C, 1, 0, true}, EndCase{ShapeCode::C, 2, 1, false},
                                           EndCase{ShapeCode::GR, 2, 0, true}, EndCase{ShapeCode::GR, 4, 1, true},
                                           EndCase{ShapeCode::GL, 2, 2, false}, EndCase{ShapeCode::K, 3, 1, true},
                                           EndCase{ShapeCode::K, 1, 1, false}, EndCase{ShapeCode::ZR, 1, 1, true},
                                           EndCase{ShapeCode::ZL, 3, 2, false}, EndCase{ShapeCode::L, 1, 2, true},
                                           EndCase{ShapeCode::L, 3, 3, false}, EndCase{ShapeCode::L, 2, 0, true},
                                           EndCase{ShapeCode::L, 4, 1, false}));

TEST_F(GravityTest, APieceSpawnedOntoLandedCellsEndsTheGameAtTheNextTick) {
  startWith(1, ShapeCode::C, 1, 'r', 0, 21);
  setRows(0, {"ggggggggg ", "ggggggggg ", "ggggggggg "});
  state().NextShape = ShapeCode::C;
  state().NextPhase = 1;
  state().NextColour = 'y';
  run(500);  // lands
  run(10);   // the new piece overwrites the pile
  ASSERT_TRUE(state().PieceInPlay);
  EXPECT_EQ(wellRows(0, 2), "gggyygggg \ngggyygggg \nggggggggg \n");
  EXPECT_EQ(state().RunState, Run::Game);
  run(490);
  EXPECT_EQ(state().RunState, Run::Stop);
  EXPECT_FALSE(timers().enabled(TimerId::Mover));
  EXPECT_EQ(desktop.caption, "Vemo score : 0");
}

TEST_F(GravityTest, StartingWhilePausedStartsANewRunningGame) {
  form->OnMenu("N17");
  form->OnMenu("N4");
  ASSERT_EQ(state().RunState, Run::Pause);
  ASSERT_TRUE(menu().checked("N4"));
  form->OnMenu("N19");
  EXPECT_EQ(state().RunState, Run::Game);
  EXPECT_FALSE(menu().checked("N4"));
  EXPECT_TRUE(timers().enabled(TimerId::Mover));
  EXPECT_EQ(timers().interval(TimerId::Mover), 300);
  const int row = state().PieceY;
  run(300);
  EXPECT_EQ(state().PieceY, row + 1) << "the new game runs";
}

TEST_F(GravityTest, AStartAtTheSameLevelKeepsTheFallCountdown) {
  form->OnMenu("N17");
  run(300);
  form->OnMenu("N17");
  ASSERT_EQ(state().PieceY, 0);
  run(199);
  EXPECT_EQ(state().PieceY, 0);
  run(1);
  EXPECT_EQ(state().PieceY, 1) << "500 ms after the first start, not after the second";
}

TEST_F(GravityTest, StartingStopsTheSnakeTimers) {
  timers().enable(TimerId::SnakMov);
  timers().enable(TimerId::SnakVis);
  form->OnMenu("N20");
  EXPECT_FALSE(timers().enabled(TimerId::SnakMov));
  EXPECT_FALSE(timers().enabled(TimerId::SnakVis));
  EXPECT_EQ(state().Mode, GameMode::Tetris);
}

TEST_F(GravityTest, ASecondStartResetsTheWellTheStateAndTheWindow) {
  startWith(4, ShapeCode::L, 2, 'b', 7, 18);
  setRows(15, {"r r r r r ", "yyyyyyyyy ", "c c c c c "});
  state().Well.set(5, -1, 'g');
  form->RedrawWell();
  state().Score = 123;
  form->HighTimer();
  menu().setEnabled("N15", false);
  state().RunState = Run::Stop;

  form->OnMenu("N18");
  const GameState& s = state();
  EXPECT_EQ(s.Mode, GameMode::Tetris);
  EXPECT_EQ(s.RunState, Run::Game);
  EXPECT_EQ(s.Score, 0);
  EXPECT_EQ(s.Speed, 2);
  EXPECT_EQ(desktop.caption, "Vemo score : 0");
  EXPECT_TRUE(menu().enabled("N15"));
  EXPECT_TRUE(timers().enabled(TimerId::Mover));
  EXPECT_EQ(timers().interval(TimerId::Mover), 400);
  EXPECT_EQ(timers().interval(TimerId::SnakMov), 400);
  EXPECT_TRUE(timers().enabled(TimerId::Timer1));
  EXPECT_TRUE(s.PieceInPlay);
  EXPECT_EQ(s.PieceX, 3);
  EXPECT_EQ(s.PieceY, 0) << "the first piece is not lifted";
  // Only the first piece is left in the playing area, drawn on the window.
  const CellSet first = Translate(PatternCells(s.Shape, s.Phase), 3, 0);
  for (int r = -1; r <= 22; ++r)
    for (int c = 0; c < 10; ++c) {
      if (first.contains({c, r})) {
        EXPECT_EQ(s.Well.at(c, r), s.Colour);
        EXPECT_TRUE(showsTile(c, r, s.Colour)) << c << "," << r;
      } else {
        EXPECT_EQ(s.Well.at(c, r), ' ') << c << "," << r;
        EXPECT_TRUE(showsBackground(c, r)) << c << "," << r;
      }
    }
  EXPECT_EQ(wellRows(23, 23), "aaaaaaaaaa\n");
  for (int r = -1; r <= 24; ++r) EXPECT_EQ(s.Well.at(10, r), 'w') << r;
  // The fire picture of level 2.
  const Picture& fire = form->Images().I(2);
  for (int y = 0; y < 96; y += 7)
    for (int x = 0; x < 149; x += 7) ASSERT_EQ(RawPixel(canvas(), 490 + x, 380 + y), fire.at(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace vemo::testing
