#pragma once
// Drawing one 15 x 15 square of a well or of the snake field from its cell
// code. Empty squares are erased by restoring the background picture, and only
// where their test pixel shows something else.

#include "render/picture.h"
#include "render/surface.h"

namespace vemo {

// Puts back the background's pixel at (x, y), where the background has one.
inline void RestorePixel(Surface& canvas, const Picture& background, int x, int y) {
  if (background.contains(x, y)) canvas.setPixel(x, y, background.at(x, y));
}

// Copies the background square at (x, y) unless its test pixel already shows
// the background.
void RestoreSquare(Surface& canvas, const Picture& background, int x, int y);

// The background for ' ', the tile of a colour letter, nothing for any other code.
void DrawSquare(Surface& canvas, const Picture& background, int x, int y, char code);

}  // namespace vemo
