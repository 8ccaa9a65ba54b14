#include "render/squares.h"

#include "blocks/well.h"
#include "render/geometry.h"
#include "render/tiles.h"

namespace vemo {

void RestoreSquare(Surface& canvas, const Picture& background, int x, int y) {
  const int tx = x + kTestOffset, ty = y + kTestOffset;
  const Rgb behind = background.contains(tx, ty) ? background.at(tx, ty) : Rgb{};
  if (canvas.pixel(tx, ty) == behind) return;
  for (int py = y; py < y + kCellSize; ++py)
    for (int px = x; px < x + kCellSize; ++px) RestorePixel(canvas, background, px, py);
}

void DrawSquare(Surface& canvas, const Picture& background, int x, int y, char code) {
  if (code == cell::kEmpty)
    RestoreSquare(canvas, background, x, y);
  else if (IsColourLetter(code))
    canvas.drawPicture(x, y, TileFor(code));
}

}  // namespace vemo
