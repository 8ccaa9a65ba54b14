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

}  // namespace vemo
