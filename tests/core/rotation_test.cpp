// The rotation step: every transition with its guard, entering and leaving
// cells, and the cases at the edges of the well.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/block_fixture.h"

namespace vemo::testing {
namespace {

enum class Guard { None, XBelowZero, YBelowMinusOne };

struct Turn {
  ShapeCode shape;
  int from;
  Guard guard;
  CellSet enter, leave;
};

// The rotation written out: shape, phase turned from, guard, entering and
// leaving cells as (column, row) offsets from the reference cell.
const std::vector<Turn>& Turns() {
  using enum ShapeCode;
  static const std::vector<Turn> turns = [] {
    std::vector<Turn> t{
        {GR, 1, Guard::None, {{0, 2}, {2, 1}, {2, 2}}, {{0, 0}, {1, 0}, {1, 1}}},
        {GR, 2, Guard::None, {{0, 0}, {0, 1}}, {{2, 1}, {2, 2}}},
        {GR, 3, Guard::None, {{1, 1}, {2, 1}}, {{0, 0}, {1, 2}}},
        {GR, 4, Guard::None, {{0, 0}, {1, 0}, {1, 2}}, {{0, 1}, {0, 2}, {2, 1}}},
        {GL, 1, Guard::None, {{1, 1}, {2, 1}, {2, 2}}, {{0, 0}, {0, 2}, {1, 0}}},
        {GL, 2, Guard::None, {{0, 2}, {1, 0}, {1, 2}}, {{0, 1}, {2, 1}, {2, 2}}},
        {GL, 3, Guard::None, {{0, 1}, {2, 2}}, {{1, 0}, {1, 1}}},
        {GL, 4, Guard::None, {{0, 0}, {1, 0}}, {{1, 2}, {2, 2}}},
        {ZR, 1, Guard::None, {{0, 2}, {1, 0}}, {{1, 2}, {2, 2}}},
        {ZR, 3, Guard::None, {{0, 2}, {1, 0}}, {{1, 2}, {2, 2}}},
        {ZR, 2, Guard::None, {{1, 2}, {2, 2}}, {{0, 2}, {1, 0}}},
        {ZR, 4, Guard::None, {{1, 2}, {2, 2}}, {{0, 2}, {1, 0}}},
        {ZL, 1, Guard::None, {{1, 0}, {2, 2}}, {{0, 2}, {1, 2}}},
        {ZL, 3, Guard::None, {{1, 0}, {2, 2}}, {{0, 2}, {1, 2}}},
        {ZL, 2, Guard::XBelowZero, {{0, 2}, {1, 2}}, {{1, 0}, {2, 2}}},
        {ZL, 4, Guard::XBelowZero, {{0, 2}, {1, 2}}, {{1, 0}, {2, 2}}},
        {K, 1, Guard::None, {{1, 2}}, {{0, 1}}},
        {K, 2, Guard::XBelowZero, {{0, 1}}, {{1, 0}}},
        {K, 3, Guard::None, {{1, 0}}, {{2, 1}}},
        {K, 4, Guard::None, {{2, 1}}, {{1, 2}}},
        {C, 1, Guard::None, {}, {}},
        {C, 2, Guard::None, {}, {}},
        {C, 3, Guard::None, {}, {}},
        {C, 4, Guard::None, {}, {}},
        {L, 1, Guard::YBelowMinusOne, {{2, 0}, {2, 1}, {2, 3}}, {{0, 2}, {1, 2}, {3, 2}}},
        {L, 3, Guard::YBelowMinusOne, {{2, 0}, {2, 1}, {2, 3}}, {{0, 2}, {1, 2}, {3, 2}}},
        {L, 2, Guard::XBelowZero, {{0, 2}, {1, 2}, {3, 2}}, {{2, 0}, {2, 1}, {2, 3}}},
        {L, 4, Guard::XBelowZero, {{0, 2}, {1, 2}, {3, 2}}, {{2, 0}, {2, 1}, {2, 3}}},
    };
    return t;
  }();
  return turns;
}

int Next(int phase) { return phase % 4 + 1; }
std::string Name(const Turn& t) { return NameOf(t.shape) + " " + std::to_string(t.from) + "->" + std::to_string(Next(t.from)); }

TEST(RotationTable, LeavingAndEnteringTurnEachPhaseIntoTheNext) {
  ASSERT_EQ(Turns().size(), 28u);
  for (const Turn& t : Turns()) {
    CellSet cells = PatternCells(t.shape, t.from);
    for (Cell c : t.leave) EXPECT_EQ(cells.erase(c), 1u) << Name(t) << " leaves a cell it does not hold";
    for (Cell c : t.enter) EXPECT_TRUE(cells.insert(c).second) << Name(t) << " enters a cell it holds";
    EXPECT_EQ(cells, PatternCells(t.shape, Next(t.from))) << Name(t);
  }
}

class RotationTest : public BlockTest, public ::testing::WithParamInterface<Turn> {
 protected:
  // Puts the piece of the turn at (x, y) in an otherwise empty well.
  void setUpTurn(const Turn& t, int x, int y) {
    clearPlayArea();
    putPiece(t.shape, t.from, x, y, 'b');
    form->RedrawWell();
  }
  bool turned(const Turn& t) { return state().Phase == Next(t.from); }
};

TEST_P(RotationTest, InFreeSpaceWritesTheEnteringAndClearsTheLeavingCells) {
  const Turn t = GetParam();
  startWith(1, ShapeCode::C, 1);
  setUpTurn(t, 4, 8);
  const std::string before = wellRows(-1, 23);
  form->PhaserTimer();
  ASSERT_TRUE(turned(t)) << Name(t);
  EXPECT_EQ(state().PieceX, 4);
  EXPECT_EQ(state().PieceY, 8);
  for (int r = -1; r <= 23; ++r)
    for (int c = 0; c < 10; ++c) {
      const char now = state().Well.at(c, r), was = before[static_cast<std::size_t>((r + 1) * 11 + c)];
      if (t.enter.contains({c - 4, r - 8}))
        EXPECT_EQ(now, 'b') << Name(t) << " enter " << c << "," << r;
      else if (t.leave.contains({c - 4, r - 8}))
        EXPECT_EQ(now, ' ') << Name(t) << " leave " << c << "," << r;
      else
        EXPECT_EQ(now, was) << Name(t) << " untouched " << c << "," << r;
    }
  // The step redraws around the piece: the window follows the well.
  for (int r = 7; r <= 12; ++r)
    for (int c = 2; c <= 9; ++c) {
      if (state().Well.at(c, r) == 'b')
        EXPECT_TRUE(showsTile(c, r, 'b')) << Name(t) << " " << c << "," << r;
      else
        EXPECT_TRUE(showsBackground(c, r)) << Name(t) << " " << c << "," << r;
    }
}

TEST_P(RotationTest, IsRefusedByAnOccupiedEnteringCellAndByNothingElse) {
  const Turn t = GetParam();
  startWith(1, ShapeCode::C, 1);
  const CellSet own = PatternCells(t.shape, t.from);
  for (int dr = -1; dr <= 4; ++dr)
    for (int dc = -1; dc <= 4; ++dc) {
      if (own.contains({dc, dr})) continue;
      setUpTurn(t, 4, 8);
      state().Well.set(4 + dc, 8 + dr, 'g');
      const std::string before = wellRows(-1, 23);
      form->PhaserTimer();
      if (t.enter.contains({dc, dr})) {
        EXPECT_EQ(state().Phase, t.from) << Name(t) << " blocker at " << dc << "," << dr;
        EXPECT_EQ(wellRows(-1, 23), before) << Name(t) << " blocker at " << dc << "," << dr;
      } else {
        EXPECT_TRUE(turned(t)) << Name(t) << " blocker at " << dc << "," << dr;
      }
    }
}

TEST_P(RotationTest, AtTheEdgesOfTheWellOnlyTheGuardAndTheBoundsRefuse) {
  const Turn t = GetParam();
  startWith(1, ShapeCode::C, 1);
  const CellSet own = PatternCells(t.shape, t.from);
  int minC = 9, maxC = 0, minR = 9, maxR = 0;
  for (auto [c, r] : own) {
    minC = std::min(minC, c), maxC = std::max(maxC, c);
    minR = std::min(minR, r), maxR = std::max(maxR, r);
  }
  // Left edge, right edge, top row -1, bottom row 22; and one column in from the left.
  const std::vector<std::pair<int, int>> spots{{-minC, 8}, {9 - maxC, 8}, {3, -1 - minR}, {3, 22 - maxR}, {1 - minC, 8}};
  for (auto [x, y] : spots) {
    setUpTurn(t, x, y);
    bool outside = false;
    for (auto [c, r] : t.enter) outside |= x + c < 0 || x + c > 9 || y + r < -1 || y + r > 22;
    const bool guarded = (t.guard == Guard::XBelowZero && x < 0) || (t.guard == Guard::YBelowMinusOne && y < -1);
    const std::string before = wellRows(-1, 23);
    form->PhaserTimer();
    EXPECT_EQ(turned(t), !(outside || guarded)) << Name(t) << " at " << x << "," << y;
    if (outside || guarded) {
      EXPECT_EQ(wellRows(-1, 23), before) << Name(t) << " at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryTransition, RotationTest, ::testing::ValuesIn(Turns()),
                         [](const ::testing::TestParamInfo<Turn>& p) {
                           return NameOf(p.param.shape) + std::to_string(p.param.from);
                         });

using RotationEdgeTest = BlockTest;

TEST_F(RotationEdgeTest, ANewHorizontalStraightPieceTurnsOnlyAfterItsFirstFall) {
  startWith(1, ShapeCode::C, 1, 'r', 0, 21);
  clearPlayArea();
  state().PieceInPlay = false;
  state().NextShape = ShapeCode::L;
  state().NextPhase = 3;
  state().NextColour = 'y';
  form->NewTimer();
  ASSERT_EQ(state().PieceY, -2);
  form->PhaserTimer();
  EXPECT_EQ(state().Phase, 3);
  EXPECT_EQ(wellRows(-1, 1), "          \n   yyyy   \n          \n");
  form->MoverTimer();
  ASSERT_EQ(state().PieceY, -1);
  form->PhaserTimer();
  EXPECT_EQ(state().Phase, 4);
  EXPECT_EQ(wellRows(-1, 2), "     y    \n     y    \n     y    \n     y    \n");
}

TEST_F(RotationEdgeTest, AVerticalStraightPieceTurnsFromColumnTwoOnlyIntoFreeCells) {
  startWith(1, ShapeCode::C, 1);
  struct Case {
    int x;
    int blocked;  // a column of row PieceY + 2 holding a cell, or -1
    bool turns;
  };
  for (const Case k : {Case{-2, -1, false}, Case{-1, -1, false}, Case{0, -1, true}, Case{0, 0, false},
                       Case{0, 1, false}, Case{0, 3, false}, Case{0, 4, true}, Case{6, -1, true}, Case{7, -1, false}}) {
    clearPlayArea();
    putPiece(ShapeCode::L, 2, k.x, 10, 'c');
    if (k.blocked >= 0) state().Well.set(k.blocked, 12, 'g');
    form->PhaserTimer();
    EXPECT_EQ(state().Phase, k.turns ? 3 : 2) << "PieceX " << k.x << " blocked column " << k.blocked;
  }
}

TEST_F(RotationEdgeTest, TheThreeCellBarOfTheTeeInColumnZeroCannotTurn) {
  startWith(1, ShapeCode::C, 1);
  clearPlayArea();
  putPiece(ShapeCode::K, 2, -1, 10, 'v');  // in the well, not yet on the window
  ASSERT_FALSE(showsTile(0, 11, 'v'));
  form->PhaserTimer();
  EXPECT_EQ(state().Phase, 2);
  EXPECT_EQ(cellsHolding('v'), (CellSet{{0, 10}, {0, 11}, {1, 11}, {0, 12}}));
  for (auto [c, r] : cellsHolding('v')) EXPECT_TRUE(showsTile(c, r, 'v')) << "refused, yet redrawn: " << c << "," << r;
}

TEST_F(RotationEdgeTest, TheSquareTurnsWithoutChangingTheWell) {
  startWith(1, ShapeCode::C, 2, 'g', 5, 7);
  setRows(9, {"rrrrr  rrr"});
  const std::string before = wellRows(-1, 23);
  for (int i = 0; i < 4; ++i) {
    form->PhaserTimer();
    EXPECT_EQ(wellRows(-1, 23), before);
    EXPECT_EQ(state().Phase, (2 + i) % 4 + 1);
  }
  EXPECT_EQ(state().Phase, 2);
}

TEST_F(RotationEdgeTest, APhaserTickWithoutAPieceInPlayChangesNothing) {
  startWith(1, ShapeCode::GR, 1, 'y', 4, 9);
  state().PieceInPlay = false;
  timers().disable(TimerId::Mover);
  const std::string before = wellRows(-1, 23);
  timers().enable(TimerId::Phaser);
  run(100);
  EXPECT_EQ(state().Phase, 1);
  EXPECT_EQ(wellRows(-1, 23), before);
}

TEST_F(RotationEdgeTest, APieceRestingOnThePileMayTurnAndThenFallFurther) {
  startWith(1, ShapeCode::K, 1, 'b', 3, 17);
  setRows(20, {"   r      "});
  run(500);  // falls onto the single cell under its left end
  ASSERT_EQ(state().PieceY, 18);
  form->PhaserTimer();  // the bar turns upright, off that cell
  ASSERT_EQ(state().Phase, 2);
  run(500);
  EXPECT_EQ(state().PieceY, 19) << "the turned piece falls on";
  EXPECT_TRUE(state().PieceInPlay);
}

}  // namespace
}  // namespace vemo::testing
