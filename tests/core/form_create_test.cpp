#include <gtest/gtest.h>

#include <set>

#include "support/game_fixture.h"

namespace vemo::testing {
namespace {

using FormCreateTest = GameTest;

TEST_F(FormCreateTest, AtProgramStartTheWellHoldsOnlyFloorAndWall) {
  const WellGrid& well = state().Well;
  for (int c = 0; c <= 10; ++c) EXPECT_EQ(well.at(c, 23), c == 10 ? 'w' : 'a') << c;
  for (int r = -1; r <= 24; ++r) EXPECT_EQ(well.at(10, r), 'w') << r;
  for (int r = -1; r <= 22; ++r)
    for (int c = 0; c <= 9; ++c) ASSERT_EQ(well.at(c, r), 0) << c << "," << r;
  for (int r = 25; r <= 29; ++r) EXPECT_EQ(well.at(10, r), 0);
  EXPECT_EQ(well.at(11, 0), 0) << "outside the grid blocks like a never-written cell";
  EXPECT_EQ(well.at(-1, 0), 0);
}

TEST_F(FormCreateTest, LeavesARandomPieceAtItsStartAndARandomNextPiece) {
  std::set<int> shapes, nextShapes;
  std::set<char> colours;
  std::set<int> phases, nextPhases;
  for (int i = 0; i < 200; ++i) {
    form->FormCreate();
    const GameState& s = state();
    EXPECT_EQ(s.Mode, GameMode::Tetris);
    EXPECT_EQ(s.PieceX, 3);
    EXPECT_EQ(s.PieceY, 0);
    EXPECT_TRUE(s.PieceInPlay);
    EXPECT_EQ(s.Speed, 0);
    EXPECT_EQ(s.Score, 0);
    EXPECT_EQ(s.FrameColour, (Rgb{220, 205, 152}));
    shapes.insert(static_cast<int>(s.Shape));
    nextShapes.insert(static_cast<int>(s.NextShape));
    colours.insert(s.Colour);
    phases.insert(s.Phase);
    nextPhases.insert(s.NextPhase);
  }
  EXPECT_EQ(shapes.size(), 7u);
  EXPECT_EQ(nextShapes.size(), 7u);
  EXPECT_EQ(colours, (std::set<char>{'r', 'y', 'g', 'b', 'v', 'c'}));
  EXPECT_EQ(phases, (std::set<int>{1, 2, 3, 4}));
  EXPECT_EQ(nextPhases, (std::set<int>{1, 2, 3, 4}));
  EXPECT_EQ(state().RunState, Run::None) << "the reset never touches the run state";
}

TEST_F(FormCreateTest, StartsIdleWithTheIntroTimerOnly) {
  EXPECT_EQ(state().RunState, Run::None);
  EXPECT_EQ(state().FieldSize, 15);
  EXPECT_TRUE(timers().enabled(TimerId::Gor));
  EXPECT_FALSE(timers().enabled(TimerId::Mover));
}

}  // namespace
}  // namespace vemo::testing
