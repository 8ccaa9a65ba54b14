// The piece catalogue, PlacePiece, the spawning of the next piece and the
// next-piece preview.

#include <gtest/gtest.h>

#include <array>

#include "blocks/pieces.h"
#include "support/block_fixture.h"

namespace vemo::testing {
namespace {

using PiecesTest = BlockTest;

TEST(Catalogue, EveryShapeAndPhaseHasTheCellsOfItsPattern) {
  for (ShapeCode shape : kAllShapes) {
    for (int phase = 1; phase <= 4; ++phase) {
      CellSet table;
      for (Offset o : CellsOf(shape, phase)) table.insert({o.dc, o.dr});
      EXPECT_EQ(table.size(), 4u) << NameOf(shape) << phase << ": four distinct cells";
      EXPECT_EQ(table, PatternCells(shape, phase)) << NameOf(shape) << " phase " << phase;
    }
  }
}

TEST_F(PiecesTest, PlacePieceOverwritesItsFourCellsAndNothingElse) {
  form->OnMenu("N17");
  for (ShapeCode shape : kAllShapes) {
    for (int phase = 1; phase <= 4; ++phase) {
      // Everything around holds something else, so every write shows.
      for (int r = -1; r <= 22; ++r)
        for (int c = 0; c < 10; ++c) state().Well.set(c, r, (c + r) % 2 ? 'g' : ' ');
      const std::string before = wellRows(-1, 23);
      putPiece(shape, phase, 4, 9, 'v');
      const CellSet want = Translate(PatternCells(shape, phase), 4, 9);
      EXPECT_EQ(cellsHolding('v'), want) << NameOf(shape) << phase;
      for (int r = -1; r <= 23; ++r)
        for (int c = 0; c < 10; ++c)
          if (!want.contains({c, r})) {
            ASSERT_EQ(state().Well.at(c, r), before[static_cast<std::size_t>((r + 1) * 11 + c)])
                << NameOf(shape) << phase << " touched (" << c << "," << r << ")";
          }
    }
  }
}

// PieceY of a new piece, lifted so that its topmost cell is in row 0.
constexpr std::array<std::array<int, 4>, 7> kSpawnRow{{
    {0, -1, 0, -1},   // GR
    {0, -1, 0, -1},   // GL
    {-1, 0, -1, 0},   // ZR
    {-1, 0, -1, 0},   // ZL
    {0, 0, -1, 0},    // K
    {0, 0, 0, 0},     // C
    {-2, 0, -2, 0},   // L
}};

TEST_F(PiecesTest, NewPieceEntersAtColumnThreeLiftedToRowZero) {
  startWith(1, ShapeCode::C, 1, 'r', 0, 20);
  for (ShapeCode shape : kAllShapes) {
    for (int phase = 1; phase <= 4; ++phase) {
      clearPlayArea();
      state().PieceInPlay = false;
      state().NextShape = shape;
      state().NextPhase = phase;
      state().NextColour = 'b';
      form->NewTimer();
      const int row = kSpawnRow[static_cast<std::size_t>(shape)][static_cast<std::size_t>(phase - 1)];
      EXPECT_EQ(state().Shape, shape);
      EXPECT_EQ(state().Phase, phase);
      EXPECT_EQ(state().Colour, 'b');
      EXPECT_EQ(state().PieceX, 3) << NameOf(shape) << phase;
      EXPECT_EQ(state().PieceY, row) << NameOf(shape) << phase;
      EXPECT_TRUE(state().PieceInPlay);
      EXPECT_EQ(cellsHolding('b'), Translate(PatternCells(shape, phase), 3, row)) << NameOf(shape) << phase;
      EXPECT_EQ(wellRows(-1, -1), "          \n") << NameOf(shape) << phase << " reaches above row 0";
      EXPECT_NE(wellRows(0, 0), "          \n") << NameOf(shape) << phase << " does not reach row 0";
    }
  }
}

TEST_F(PiecesTest, NewTimerWithAPieceInPlayOnlyRedrawsThePreview) {
  startWith(1, ShapeCode::K, 1, 'y', 3, 5);
  state().NextShape = ShapeCode::L;
  state().NextPhase = 2;
  state().NextColour = 'g';
  canvas().drawPicture(PreviewOrigin(0, -1).x, PreviewOrigin(0, -1).y, Picture(90, 90, {255, 255, 255}));
  const std::string well = wellRows(-1, 23);
  const GameState before = state();
  timers().enable(TimerId::New);
  run(10);
  EXPECT_FALSE(timers().enabled(TimerId::New));
  EXPECT_EQ(wellRows(-1, 23), well);
  EXPECT_EQ(state().Shape, before.Shape);
  EXPECT_EQ(state().Phase, before.Phase);
  EXPECT_EQ(state().PieceX, before.PieceX);
  EXPECT_EQ(state().PieceY, before.PieceY);
  EXPECT_EQ(state().NextShape, ShapeCode::L) << "no new next piece was chosen";
  EXPECT_EQ(state().NextPhase, 2);
  EXPECT_EQ(state().NextColour, 'g');
  EXPECT_EQ(state().Score, before.Score);
  // The preview was redrawn: the vertical L in preview column 2, background elsewhere.
  for (int j = -1; j <= 4; ++j)
    for (int i = 0; i <= 5; ++i) {
      const Point o = PreviewOrigin(i, j);
      if (i == 2 && j >= 0 && j <= 3)
        EXPECT_TRUE(SquareShows(canvas(), o.x, o.y, TileFor('g'), 0, 0)) << i << "," << j;
      else
        EXPECT_TRUE(SquareShows(canvas(), o.x, o.y, background(), o.x, o.y)) << i << "," << j;
    }
}

TEST_F(PiecesTest, ANewPieceReplacesTheColoursOfLandedCells) {
  startWith(1, ShapeCode::C, 1, 'r', 0, 20);
  setRows(0, {"   gggg   ", "   gggg   ", "   gggg   "});
  state().PieceInPlay = false;
  state().NextShape = ShapeCode::K;
  state().NextPhase = 4;
  state().NextColour = 'v';
  form->NewTimer();
  EXPECT_EQ(wellRows(0, 2), "   gvgg   \n   vvgg   \n   gvgg   \n");
}

TEST_F(PiecesTest, ANewPieceShowsOnlyAtTheNextFallStep) {
  startWith(1, ShapeCode::C, 1, 'r', 0, 21);
  state().NextShape = ShapeCode::K;
  state().NextPhase = 1;
  state().NextColour = 'y';
  run(500);  // cannot fall: landing
  ASSERT_FALSE(state().PieceInPlay);
  run(10);   // New
  ASSERT_TRUE(state().PieceInPlay);
  ASSERT_EQ(state().Shape, ShapeCode::K);
  const CellSet spawned = pieceCells();
  EXPECT_EQ(spawned, (CellSet{{4, 0}, {3, 1}, {4, 1}, {5, 1}}));
  for (auto [c, r] : spawned) EXPECT_TRUE(showsBackground(c, r)) << "drawn too early: " << c << "," << r;
  run(490);  // the next fall step
  ASSERT_EQ(state().PieceY, 1);
  for (auto [c, r] : pieceCells()) EXPECT_TRUE(showsTile(c, r, 'y')) << c << "," << r;
  EXPECT_TRUE(showsBackground(4, 0));
}

TEST_F(PiecesTest, PreviewShowsEveryShapeAndPhaseWithItsTopLeftAtPreviewCellZero) {
  form->OnMenu("N17");
  for (ShapeCode shape : kAllShapes) {
    for (int phase = 1; phase <= 4; ++phase) {
      state().NextShape = shape;
      state().NextPhase = phase;
      state().NextColour = 'c';
      form->NFigurTimer();
      const CellSet cells = PatternCells(shape, phase);
      for (int j = -1; j <= 4; ++j)
        for (int i = 0; i <= 5; ++i) {
          const Point o{251 + 15 * i, 70 + 15 * j};
          if (cells.contains({i, j}))
            EXPECT_TRUE(SquareShows(canvas(), o.x, o.y, TileFor('c'), 0, 0)) << NameOf(shape) << phase << " " << i << "," << j;
          else
            EXPECT_TRUE(SquareShows(canvas(), o.x, o.y, background(), o.x, o.y)) << NameOf(shape) << phase << " " << i << "," << j;
        }
    }
  }
}

TEST_F(PiecesTest, WithoutTheNextPieceOptionThePreviewShowsOnlyBackground) {
  form->OnMenu("N17");
  state().NextShape = ShapeCode::L;
  state().NextPhase = 2;
  state().NextColour = 'r';
  form->NFigurTimer();
  menu().setChecked("N11", false);
  auto previewIsBackground = [&] {
    for (int y = 55; y <= 144; ++y)
      for (int x = 251; x <= 340; ++x)
        if (!(RawPixel(canvas(), x, y) == background().at(x, y))) return false;
    return true;
  };
  ASSERT_FALSE(previewIsBackground());
  form->NFigurTimer();
  EXPECT_TRUE(previewIsBackground());
  form->OnMenu("N14");
  run(150);  // Timer2 redraws the preview after the refresh
  EXPECT_FALSE(timers().enabled(TimerId::Timer2));
  EXPECT_TRUE(previewIsBackground());
}

TEST_F(PiecesTest, TheRedrawAfterARefreshDependsOnTheRunState) {
  struct Case {
    vemo::Run run;
    bool preview, well;
  };
  for (const Case k : {Case{vemo::Run::Game, true, false}, Case{vemo::Run::Pause, true, true}, Case{vemo::Run::Stop, false, false}}) {
    startWith(1, ShapeCode::C, 1, 'y', 4, 8);
    state().RunState = k.run;
    state().NextShape = ShapeCode::C;
    state().NextPhase = 1;
    state().NextColour = 'g';
    const Point cell = CellOrigin(4, 8), preview = PreviewOrigin(0, 0);
    canvas().drawPicture(cell.x, cell.y, Picture(15, 15, {255, 255, 255}));
    canvas().drawPicture(preview.x, preview.y, Picture(15, 15, {255, 255, 255}));
    timers().enable(TimerId::Timer2);
    form->Timer2Timer();
    EXPECT_FALSE(timers().enabled(TimerId::Timer2));
    EXPECT_EQ(SquareShows(canvas(), preview.x, preview.y, TileFor('g'), 0, 0), k.preview) << static_cast<int>(k.run);
    EXPECT_EQ(showsTile(4, 8, 'y'), k.well) << static_cast<int>(k.run);
  }
}

TEST_F(PiecesTest, ThePreviewAppearsAHundredMillisecondsAfterTheStart) {
  form->OnMenu("N17");
  state().NextShape = ShapeCode::C;
  state().NextPhase = 3;
  state().NextColour = 'g';
  const Point o = PreviewOrigin(0, 0);
  run(99);
  EXPECT_TRUE(SquareShows(canvas(), o.x, o.y, background(), o.x, o.y));
  run(1);
  EXPECT_TRUE(SquareShows(canvas(), o.x, o.y, TileFor('g'), 0, 0));
  EXPECT_FALSE(timers().enabled(TimerId::Timer1));
}

}  // namespace
}  // namespace vemo::testing
