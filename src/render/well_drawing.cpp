#include "render/well_drawing.h"

#include <algorithm>

#include "render/geometry.h"
#include "render/squares.h"

namespace vemo {

void DrawWellCell(Surface& canvas, const Picture& background, const WellGrid& well, int c, int r) {
  const Point origin = CellOrigin(c, r);
  DrawSquare(canvas, background, origin.x, origin.y, well.at(c, r));
}

void DrawWell(Surface& canvas, const Picture& background, const WellGrid& well) {
  for (int r = -1; r <= WellGrid::kFloorRow; ++r)
    for (int c = 0; c < WellGrid::kPlayColumns; ++c) DrawWellCell(canvas, background, well, c, r);
}

void DrawPieceArea(Surface& canvas, const Picture& background, const WellGrid& well, int pieceX, int pieceY) {
  const int left = std::max(pieceX - 2, 0);
  const int right = std::min(pieceX + 4, WellGrid::kPlayColumns - 1);
  for (int r = pieceY - 1; r <= pieceY + 3; ++r) {
    if (r < -1 || r > WellGrid::kFloorRow) continue;
    for (int c = left; c <= right; ++c) DrawWellCell(canvas, background, well, c, r);
  }
}

void DrawWellFrame(Surface& canvas) {
  for (int i = 0; i <= 5; ++i) {
    canvas.moveTo(45 + i, 70);
    canvas.lineTo(45 + i, 415);
    canvas.moveTo(45, 415 + i);
    canvas.lineTo(207, 415 + i);
    canvas.moveTo(201 + i, 70);
    canvas.lineTo(201 + i, 415);
  }
}

}  // namespace vemo
