#pragma once
// Drawing the well: one cell, the whole well, the block of cells around the
// falling piece, and the frame around the well.

#include "blocks/well.h"
#include "render/picture.h"
#include "render/surface.h"

namespace vemo {

void DrawWellCell(Surface& canvas, const Picture& background, const WellGrid& well, int c, int r);
// Every cell, the hidden row -1 and the floor included.
void DrawWell(Surface& canvas, const Picture& background, const WellGrid& well);
// The cells a piece at (pieceX, pieceY) may have covered or uncovered.
void DrawPieceArea(Surface& canvas, const Picture& background, const WellGrid& well, int pieceX, int pieceY);
// Three bands of six lines around the well, open at the top, with the current pen.
void DrawWellFrame(Surface& canvas);

}  // namespace vemo
