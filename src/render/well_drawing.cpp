// Drawing the well: one cell from its code, the whole well, and the block of
// cells around the falling piece. Empty cells are erased by restoring the
// background picture, and only where their test pixel shows something else.

#include <algorithm>

#include "render/geometry.h"
#include "render/tiles.h"
#include "shell/form1.h"

namespace vemo {

void TForm1::RestoreSquare(int x, int y) {
  const Picture& background = Pictures_.Image1;
  const int tx = x + kTestOffset, ty = y + kTestOffset;
  const Rgb behind = background.contains(tx, ty) ? background.at(tx, ty) : Rgb{};
  if (Canvas_.pixel(tx, ty) == behind) return;
  for (int py = y; py < y + kCellSize; ++py)
    for (int px = x; px < x + kCellSize; ++px)
      if (background.contains(px, py)) Canvas_.setPixel(px, py, background.at(px, py));
}

void TForm1::DrawSquare(int x, int y, char code) {
  if (code == cell::kEmpty)
    RestoreSquare(x, y);
  else if (IsColourLetter(code))
    Canvas_.drawPicture(x, y, TileFor(code));
}

void TForm1::DrawCell(int c, int r) {
  const Point origin = CellOrigin(c, r);
  DrawSquare(origin.x, origin.y, State_.Well.at(c, r));
}

void TForm1::RedrawWell() {
  for (int r = -1; r <= WellGrid::kFloorRow; ++r)
    for (int c = 0; c < WellGrid::kPlayColumns; ++c) DrawCell(c, r);
}

void TForm1::RedrawPieceArea() {
  const int left = std::max(State_.PieceX - 2, 0);
  const int right = std::min(State_.PieceX + 4, WellGrid::kPlayColumns - 1);
  for (int r = State_.PieceY - 1; r <= State_.PieceY + 3; ++r) {
    if (r < -1 || r > WellGrid::kFloorRow) continue;
    for (int c = left; c <= right; ++c) DrawCell(c, r);
  }
}

}  // namespace vemo
