#pragma once
// The six 15 x 15 cell tiles, one per colour letter, shared by both games.

#include "render/picture.h"

namespace vemo {

inline constexpr int kTileSize = 15;

// True for the colour letters 'r', 'y', 'g', 'b', 'v', 'c'.
bool IsColourLetter(char letter);

// The tile of a colour letter. Precondition: IsColourLetter(letter).
// The tiles are built once and live for the whole run.
const Picture& TileFor(char letter);

// The face colour of a colour letter's tile: the colour of its test pixel
// (5, 5). Precondition: IsColourLetter(letter).
Rgb FaceColour(char letter);

}  // namespace vemo
