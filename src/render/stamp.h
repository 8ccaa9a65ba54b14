#pragma once
// Stamps: the surface's fixed texts, drawn once by the desktop's Qt text code
// (tools/stampgen) and kept as 1-bit masks in assets/, so every front end
// puts the same pixels on the surface without drawing text itself.
//
// A stamp file is a binary PBM whose comment says where it goes:
//   P4
//   # stamp X Y LEFT TOP RIGHT BOTTOM
//   WIDTH HEIGHT
//   HEIGHT rows of WIDTH bits, first pixel in the highest bit, each row
//   padded to whole bytes; 1 is black.
// (X, Y) is the surface position of the mask's top-left pixel. LEFT, TOP,
// RIGHT, BOTTOM (right and bottom exclusive) is a box painted white before
// the black pixels, behind opaque text; 0 0 0 0 paints nothing.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "render/surface.h"

namespace vemo {

struct Stamp {
  int x = 0, y = 0, width = 0, height = 0;
  Rect whiteBox{};
  std::vector<std::uint8_t> bits;  // the rows as in the file

  int bytesPerRow() const { return (width + 7) / 8; }
  bool black(int column, int row) const {
    return (bits[static_cast<std::size_t>(row * bytesPerRow() + column / 8)] >> (7 - column % 8)) & 1;
  }
  void setBlack(int column, int row) {
    bits[static_cast<std::size_t>(row * bytesPerRow() + column / 8)] |= static_cast<std::uint8_t>(0x80 >> (column % 8));
  }
  // The mask's box on the surface.
  Rect maskBox() const { return {x, y, x + width, y + height}; }
};

// Reads a stamp file; throws std::invalid_argument when it is not one.
Stamp ReadStamp(std::span<const unsigned char> file);
std::string WriteStamp(const Stamp& stamp);

// Paints the white box, then the black pixels, cut at the surface's edges,
// and marks both as changed.
void DrawStamp(Surface& surface, const Stamp& stamp);

}  // namespace vemo
