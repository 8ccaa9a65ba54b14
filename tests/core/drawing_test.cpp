// Drawing the well: the restore rule, cell and piece-area drawing, the frame,
// lines, pictures and the repaint of the whole window.

#include <gtest/gtest.h>

#include <vector>

#include "support/block_fixture.h"

namespace vemo::testing {
namespace {

constexpr Rgb kSentinel{1, 2, 3};  // in no picture and no tile

class DrawingTest : public BlockTest {
 protected:
  // Every cell of the grid, wall and floor included, gets a colour letter.
  void fillGrid(char letter) {
    for (int r = WellGrid::kFirstRow; r <= WellGrid::kLastRow; ++r)
      for (int c = 0; c < WellGrid::kColumns; ++c) state().Well.set(c, r, letter);
  }
  // The cells (c, r) with c in -1..11 and r in -4..25 whose square shows `letter`'s tile.
  CellSet cellsShowing(char letter) {
    CellSet out;
    for (int r = -4; r <= 25; ++r)
      for (int c = -1; c <= 11; ++c) {
        const Point o = CellOrigin(c, r);
        if (canvas().contains(o.x, o.y) && canvas().contains(o.x + 14, o.y + 14) &&
            SquareShows(canvas(), o.x, o.y, TileFor(letter), 0, 0))
          out.insert({c, r});
      }
    return out;
  }
  bool onlySentinelOutside(int x0, int y0, int x1, int y1) {
    for (int y = 0; y < canvas().height(); ++y)
      for (int x = 0; x < canvas().width(); ++x)
        if ((x < x0 || x > x1 || y < y0 || y > y1) && !(RawPixel(canvas(), x, y) == kSentinel)) return false;
    return true;
  }
};

TEST_F(DrawingTest, AVacatedCellIsRestoredToTheExactBackground) {
  form->OnMenu("N14");
  for (const Cell& cell : {Cell{0, -1}, Cell{4, 0}, Cell{7, 6}, Cell{3, 12}, Cell{9, 22}}) {
    for (char letter : {'r', 'y', 'g', 'b', 'v', 'c'}) {
      const auto [c, r] = cell;
      state().Well.set(c, r, letter);
      form->DrawCell(c, r);
      ASSERT_TRUE(showsTile(c, r, letter)) << c << "," << r << " " << letter;
      state().Well.set(c, r, ' ');
      const auto reads = canvas().pixelReads(), writes = canvas().pixelWrites();
      form->DrawCell(c, r);
      EXPECT_TRUE(showsBackground(c, r)) << c << "," << r << " " << letter;
      EXPECT_EQ(canvas().pixelReads() - reads, 1u);
      EXPECT_EQ(canvas().pixelWrites() - writes, 225u) << "pixel by pixel";
    }
  }
}

TEST_F(DrawingTest, ACellThatAlreadyShowsTheBackgroundCostsOneReadAndNoWrite) {
  form->OnMenu("N17");
  clearPlayArea();
  form->OnMenu("N14");
  const auto reads = canvas().pixelReads(), writes = canvas().pixelWrites();
  form->DrawCell(5, 10);
  EXPECT_EQ(canvas().pixelReads() - reads, 1u);
  EXPECT_EQ(canvas().pixelWrites() - writes, 0u);
  // The whole well: one read for each of the 240 empty cells; the floor is not looked at.
  form->RedrawWell();
  EXPECT_EQ(canvas().pixelReads() - reads, 241u);
  EXPECT_EQ(canvas().pixelWrites() - writes, 0u);
}

TEST_F(DrawingTest, OnlyTheTestPixelDecidesWhetherAnEmptyCellIsRestored) {
  form->OnMenu("N17");
  clearPlayArea();
  form->OnMenu("N14");
  const Point o = CellOrigin(6, 14);
  canvas().setPixel(o.x, o.y, {255, 255, 255});  // away from the test pixel
  form->DrawCell(6, 14);
  EXPECT_EQ(RawPixel(canvas(), o.x, o.y), (Rgb{255, 255, 255})) << "left for the next refresh";
  canvas().setPixel(o.x + 5, o.y + 5, {255, 255, 255});  // the test pixel
  form->DrawCell(6, 14);
  EXPECT_TRUE(showsBackground(6, 14));
}

TEST_F(DrawingTest, ColourCellsAlwaysDrawTheirTileOtherCodesDrawNothing) {
  canvas().fill(kSentinel);
  const Point o = CellOrigin(2, 3);
  for (char code : {'a', 'w', '\0'}) {
    state().Well.set(2, 3, code);
    const auto reads = canvas().pixelReads();
    form->DrawCell(2, 3);
    EXPECT_EQ(canvas().pixelReads(), reads) << int{code};
    EXPECT_TRUE(onlySentinelOutside(0, 0, -1, -1)) << int{code};
  }
  state().Well.set(2, 3, 'b');
  form->DrawCell(2, 3);
  ASSERT_TRUE(showsTile(2, 3, 'b'));
  // Drawn again over a spoiled square, with no test.
  canvas().setPixel(o.x + 5, o.y + 5, kSentinel);
  canvas().setPixel(o.x + 14, o.y + 14, kSentinel);
  form->DrawCell(2, 3);
  EXPECT_TRUE(showsTile(2, 3, 'b'));
  EXPECT_TRUE(onlySentinelOutside(o.x, o.y, o.x + 14, o.y + 14));
}

TEST_F(DrawingTest, ATileInRowMinusOneCoversTheLinesAboveTheFrame) {
  canvas().fill(kSentinel);
  state().Well.set(0, -1, 'y');
  form->DrawCell(0, -1);
  for (int y = 55; y <= 69; ++y)
    for (int x = 51; x <= 65; ++x) EXPECT_EQ(RawPixel(canvas(), x, y), TileFor('y').at(x - 51, y - 55)) << x << "," << y;
  EXPECT_TRUE(onlySentinelOutside(51, 55, 65, 69));
}

struct AreaCase {
  int x, y;
  int firstColumn, lastColumn, firstRow, lastRow;
};

class PieceAreaTest : public DrawingTest, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(PieceAreaTest, DrawsTheBlockAroundThePieceCutToTheWell) {
  const AreaCase k = GetParam();
  fillGrid('c');
  canvas().fill(kSentinel);
  state().PieceX = k.x;
  state().PieceY = k.y;
  form->RedrawPieceArea();
  CellSet want;
  for (int r = k.firstRow; r <= k.lastRow; ++r)
    for (int c = k.firstColumn; c <= k.lastColumn; ++c) want.insert({c, r});
  EXPECT_EQ(cellsShowing('c'), want) << "PieceX " << k.x << " PieceY " << k.y;
  const Point a = CellOrigin(k.firstColumn, k.firstRow), b = CellOrigin(k.lastColumn, k.lastRow);
  EXPECT_TRUE(onlySentinelOutside(a.x, a.y, b.x + 14, b.y + 14));
}

INSTANTIATE_TEST_SUITE_P(Bounds, PieceAreaTest,
                         ::testing::Values(AreaCase{3, 5, 1, 7, 4, 8}, AreaCase{0, 5, 0, 4, 4, 8},
                                           AreaCase{8, 5, 6, 9, 4, 8}, AreaCase{-2, 9, 0, 2, 8, 12},
                                           AreaCase{7, 10, 5, 9, 9, 13}, AreaCase{3, -2, 1, 7, -1, 1},
                                           AreaCase{3, -1, 1, 7, -1, 2}, AreaCase{4, 21, 2, 8, 20, 23},
                                           AreaCase{6, 0, 4, 9, -1, 3}));

TEST_F(DrawingTest, RedrawWellDrawsColumnsZeroToNineOfRowsMinusOneToTwentyThree) {
  fillGrid('v');
  canvas().fill(kSentinel);
  form->RedrawWell();
  CellSet want;
  for (int r = -1; r <= 23; ++r)
    for (int c = 0; c <= 9; ++c) want.insert({c, r});
  EXPECT_EQ(cellsShowing('v'), want);
  EXPECT_TRUE(onlySentinelOutside(51, 55, 200, 429));
}

// The frame's pixels: the left and right bands from y 70 to 414, the bottom band below them.
bool InFrame(int x, int y) {
  const bool sides = ((x >= 45 && x <= 50) || (x >= 201 && x <= 206)) && y >= 70 && y <= 414;
  const bool bottom = y >= 415 && y <= 420 && x >= 45 && x <= 206;
  return sides || bottom;
}

TEST_F(DrawingTest, SolidFrameCoversItsThreeBandsAndNothingElse) {
  canvas().fill(kSentinel);
  canvas().setPen({220, 205, 152}, PenStyle::Solid);
  form->WellFrame();
  for (int y = 0; y < canvas().height(); ++y)
    for (int x = 0; x < canvas().width(); ++x)
      ASSERT_EQ(RawPixel(canvas(), x, y), (InFrame(x, y) ? Rgb{220, 205, 152} : kSentinel)) << x << "," << y;
}

TEST_F(DrawingTest, DashDotDotFrameIsBrokenByWhiteGaps) {
  constexpr Rgb kPen{220, 205, 152};
  canvas().fill(kSentinel);
  canvas().setPen(kPen, PenStyle::DashDotDot);
  form->WellFrame();
  for (int y = 0; y < canvas().height(); ++y)
    for (int x = 0; x < canvas().width(); ++x) {
      const Rgb p = RawPixel(canvas(), x, y);
      if (InFrame(x, y)) {
        ASSERT_TRUE(p == kPen || p == Surface::kWhite) << x << "," << y;
      } else {
        ASSERT_EQ(p, kSentinel) << x << "," << y;
      }
    }
  // Every line of the three bands alternates between pen and gaps many times.
  auto breaks = [&](int x0, int y0, int dx, int dy, int n) {
    int changes = 0;
    for (int i = 1; i < n; ++i)
      changes += !(RawPixel(canvas(), x0 + dx * i, y0 + dy * i) == RawPixel(canvas(), x0 + dx * (i - 1), y0 + dy * (i - 1)));
    return changes;
  };
  for (int i = 0; i <= 5; ++i) {
    EXPECT_GE(breaks(45 + i, 70, 0, 1, 345), 20) << "left line " << i;
    EXPECT_GE(breaks(201 + i, 70, 0, 1, 345), 20) << "right line " << i;
    EXPECT_GE(breaks(45, 415 + i, 1, 0, 162), 10) << "bottom line " << i;
  }
}

TEST(SurfaceLines, EndBeforeTheirEndPixelAndGoOnFromThere) {
  for (PenStyle style : {PenStyle::Solid, PenStyle::DashDotDot}) {
    Surface s(200, 200, kSentinel);
    s.setPen({9, 9, 9}, style);
    s.moveTo(10, 10);
    s.lineTo(110, 10);  // right
    s.lineTo(110, 110);  // down from where the first one ended
    s.lineTo(10, 10);  // diagonal back up
    int pen = 0, white = 0;
    for (int x = 10; x < 110; ++x) {
      const Rgb p = RawPixel(s, x, 10);
      pen += p == Rgb{9, 9, 9};
      white += p == Surface::kWhite;
    }
    if (style == PenStyle::Solid) {
      EXPECT_EQ(pen, 100);
    } else {
      EXPECT_EQ(pen + white, 100);
      EXPECT_GT(white, 10);
      EXPECT_GT(pen, 30);
    }
    // Each segment's first pixel is drawn: (110, 10) by the second line, (110, 110) by the third.
    EXPECT_NE(RawPixel(s, 110, 10), kSentinel);
    EXPECT_NE(RawPixel(s, 110, 110), kSentinel);
    EXPECT_NE(RawPixel(s, 60, 60), kSentinel) << "the diagonal passes through its middle";
    EXPECT_EQ(RawPixel(s, 111, 10), kSentinel);
    EXPECT_EQ(RawPixel(s, 110, 111), kSentinel);
    EXPECT_EQ(RawPixel(s, 9, 9), kSentinel);
  }
  Surface s(50, 50, kSentinel);
  s.moveTo(5, 5);
  s.lineTo(5, 20);
  EXPECT_EQ(RawPixel(s, 5, 19), Rgb{}) << "default pen: solid black";
  EXPECT_EQ(RawPixel(s, 5, 20), kSentinel);
}

TEST_F(DrawingTest, PicturesAreCutAtTheEdgesNotMoved) {
  const Picture& fire = form->Images().I(5);
  ASSERT_EQ(fire.width, 150);
  ASSERT_EQ(fire.height, 100);
  canvas().fill(kSentinel);
  canvas().drawPicture(490, 380, fire);
  for (int y = 380; y <= 475; ++y)
    for (int x = 490; x <= 638; ++x) ASSERT_EQ(RawPixel(canvas(), x, y), fire.at(x - 490, y - 380)) << x << "," << y;
  EXPECT_TRUE(onlySentinelOutside(490, 380, 638, 475));

  canvas().fill(kSentinel);
  canvas().drawPicture(-3, -4, TileFor('g'));
  for (int y = 0; y <= 10; ++y)
    for (int x = 0; x <= 11; ++x) ASSERT_EQ(RawPixel(canvas(), x, y), TileFor('g').at(x + 3, y + 4)) << x << "," << y;
  EXPECT_TRUE(onlySentinelOutside(0, 0, 11, 10));
}

// The front end shows again only what changed: a picture drawn over the same
// pixels changes nothing, and one that differs in a pixel changes that pixel.
TEST(SurfaceChanges, ArePixelsThatReallyChanged) {
  Surface s(100, 100, kSentinel);
  EXPECT_TRUE(s.takeChanged().empty());
  Picture tile(15, 15, {40, 50, 60});
  s.drawPicture(20, 30, tile);
  EXPECT_EQ(s.takeChanged(), (Rect{20, 30, 35, 45}));
  s.drawPicture(20, 30, tile);
  EXPECT_TRUE(s.takeChanged().empty());
  tile.pixels[3 * 15 + 7] = {1, 1, 1};  // (7, 3) of the tile
  tile.pixels[9 * 15 + 2] = {1, 1, 1};  // (2, 9)
  s.drawPicture(20, 30, tile);
  EXPECT_EQ(s.takeChanged(), (Rect{22, 33, 28, 40}));
  s.drawPicture(95, -5, tile);  // cut at the edges
  EXPECT_EQ(s.takeChanged(), (Rect{95, 0, 100, 10}));
}

// The window as a repaint must leave it: background, the empty bowl, then the frame.
std::vector<Rgb> RepaintedWindow(const Pictures& pictures, Rgb pen) {
  std::vector<Rgb> want;
  for (int y = 0; y < 476; ++y)
    for (int x = 0; x < 639; ++x) {
      Rgb p = pictures.Image1.at(x, y);
      if (x >= 490 && y >= 380) p = pictures.I(0).at(x - 490, y - 380);
      if (InFrame(x, y)) p = pen;
      want.push_back(p);
    }
  return want;
}

TEST_F(DrawingTest, RefreshBeforeAnyGameShowsBackgroundBowlAndFrameOnly) {
  canvas().fill(kSentinel);
  const auto reads = canvas().pixelReads();
  form->OnMenu("N14");
  const std::vector<Rgb> want = RepaintedWindow(form->Images(), Rgb{});
  for (int y = 0; y < 476; ++y)
    for (int x = 0; x < 639; ++x) ASSERT_EQ(RawPixel(canvas(), x, y), want[static_cast<std::size_t>(y * 639 + x)]) << x << "," << y;
  EXPECT_EQ(canvas().pixelReads(), reads) << "no cell was looked at: the playing cells were never written";
  EXPECT_TRUE(timers().enabled(TimerId::Timer2));
}

TEST_F(DrawingTest, RefreshShowsTheEmptyBowlWhateverTheLevel) {
  form->OnMenu("N19");
  const Picture& i3 = form->Images().I(3);
  const Picture& i0 = form->Images().I(0);
  int differ = 0;
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 149; ++x) {
      ASSERT_EQ(RawPixel(canvas(), 490 + x, 380 + y), i3.at(x, y));
      differ += !(i3.at(x, y) == i0.at(x, y));
    }
  ASSERT_GT(differ, 100) << "the two pictures must be told apart";
  form->OnMenu("N14");
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 149; ++x) ASSERT_EQ(RawPixel(canvas(), 490 + x, 380 + y), i0.at(x, y));
  EXPECT_EQ(state().Speed, 3);
  EXPECT_EQ(timers().interval(TimerId::Mover), 300);
}

TEST_F(DrawingTest, RefreshDuringAGameRedrawsEveryCellAndTheFrameAndTheGameGoesOn) {
  startWith(1, ShapeCode::ZR, 2, 'y', 3, 4);
  setRows(18, {"   r    g ", "b  rr  ggg", "bbvvvv cc ", "rrrrgggg b", "yy cc vvv "});
  canvas().fill(kSentinel);
  form->OnMenu("N14");
  const std::vector<Rgb> frame = RepaintedWindow(form->Images(), Rgb{});
  EXPECT_EQ(firstCellNotShowingItsCode(), "");
  for (int y = 60; y < 425; ++y)
    for (int x = 40; x < 212; ++x)
      if (InFrame(x, y)) {
        ASSERT_EQ(RawPixel(canvas(), x, y), frame[static_cast<std::size_t>(y * 639 + x)]) << x << "," << y;
      }
  EXPECT_EQ(state().RunState, Run::Game);
  run(500);
  EXPECT_EQ(state().PieceY, 5);
}

TEST_F(DrawingTest, RefreshInAPausedGameRedrawsTheWellAgainATenthOfASecondLater) {
  startWith(1, ShapeCode::C, 1, 'g', 4, 6);
  form->OnMenu("N4");
  ASSERT_EQ(state().RunState, Run::Pause);
  form->OnMenu("N14");
  ASSERT_TRUE(showsTile(4, 6, 'g'));
  // Something covers part of the well meanwhile.
  canvas().drawPicture(CellOrigin(3, 5).x, CellOrigin(3, 5).y, Picture(45, 45, {255, 255, 255}));
  run(99);
  EXPECT_FALSE(showsTile(4, 6, 'g'));
  run(1);
  EXPECT_TRUE(showsTile(4, 6, 'g'));
  EXPECT_TRUE(showsTile(5, 7, 'g'));
  EXPECT_TRUE(showsBackground(3, 5));
  EXPECT_TRUE(showsBackground(3, 6));
  EXPECT_EQ(state().PieceY, 6) << "still paused";
}

}  // namespace
}  // namespace vemo::testing
