#pragma once
// The background picture of the main window: a dithered vertical blue gradient.
// Empty cells are erased by copying its pixels back, and a cell counts as
// empty-looking when its test pixel matches it, so it must never contain a
// tile's face colour.

#include "render/picture.h"

namespace vemo {

inline constexpr int kBackgroundWidth = 640;
inline constexpr int kBackgroundHeight = 480;

// Builds the 640 x 480 background: rows 0..79 plain (0, 94, 181), then darker
// shades mixed by an ordered dither down to about (0, 27, 53) in the bottom
// row; 26 colours in all, red always 0. Deterministic.
Picture MakeBackground();

}  // namespace vemo
