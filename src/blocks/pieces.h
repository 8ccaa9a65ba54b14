#pragma once
// The seven pieces of the falling-block game in their four phases, as cell
// offsets (column, row) from the piece's reference cell, the top-left corner
// of its box. Every shape-dependent operation reads this one table.

#include <array>
#include <random>

namespace vemo {

enum class ShapeCode { GR, GL, ZR, ZL, K, C, L };
inline constexpr int kShapeCount = 7;

struct Offset {
  int dc, dr;
  friend constexpr bool operator==(Offset, Offset) = default;
};
using PieceCells = std::array<Offset, 4>;

// kCatalogue[shape][phase - 1]
inline constexpr std::array<std::array<PieceCells, 4>, kShapeCount> kCatalogue{{
    // GR: L-shaped, 3 long
    {{{{{0, 0}, {1, 0}, {1, 1}, {1, 2}}},
      {{{2, 1}, {0, 2}, {1, 2}, {2, 2}}},
      {{{0, 0}, {0, 1}, {0, 2}, {1, 2}}},
      {{{0, 1}, {1, 1}, {2, 1}, {0, 2}}}}},
    // GL: its mirror
    {{{{{0, 0}, {1, 0}, {0, 1}, {0, 2}}},
      {{{0, 1}, {1, 1}, {2, 1}, {2, 2}}},
      {{{1, 0}, {1, 1}, {0, 2}, {1, 2}}},
      {{{0, 1}, {0, 2}, {1, 2}, {2, 2}}}}},
    // ZR: zigzag
    {{{{{0, 1}, {1, 1}, {1, 2}, {2, 2}}},
      {{{1, 0}, {0, 1}, {1, 1}, {0, 2}}},
      {{{0, 1}, {1, 1}, {1, 2}, {2, 2}}},
      {{{1, 0}, {0, 1}, {1, 1}, {0, 2}}}}},
    // ZL: mirror zigzag
    {{{{{1, 1}, {2, 1}, {0, 2}, {1, 2}}},
      {{{1, 0}, {1, 1}, {2, 1}, {2, 2}}},
      {{{1, 1}, {2, 1}, {0, 2}, {1, 2}}},
      {{{1, 0}, {1, 1}, {2, 1}, {2, 2}}}}},
    // K: T-shaped
    {{{{{1, 0}, {0, 1}, {1, 1}, {2, 1}}},
      {{{1, 0}, {1, 1}, {2, 1}, {1, 2}}},
      {{{0, 1}, {1, 1}, {2, 1}, {1, 2}}},
      {{{1, 0}, {0, 1}, {1, 1}, {1, 2}}}}},
    // C: 2 by 2 square
    {{{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
      {{{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
      {{{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
      {{{0, 0}, {1, 0}, {0, 1}, {1, 1}}}}},
    // L: straight, 4 long
    {{{{{0, 2}, {1, 2}, {2, 2}, {3, 2}}},
      {{{2, 0}, {2, 1}, {2, 2}, {2, 3}}},
      {{{0, 2}, {1, 2}, {2, 2}, {3, 2}}},
      {{{2, 0}, {2, 1}, {2, 2}, {2, 3}}}}},
}};

inline constexpr bool ValidPhase(int phase) { return phase >= 1 && phase <= 4; }
inline constexpr const PieceCells& CellsOf(ShapeCode shape, int phase) {
  return kCatalogue[static_cast<int>(shape)][phase - 1];
}

inline constexpr std::array<char, 6> kColourLetters{'r', 'y', 'g', 'b', 'v', 'c'};

}  // namespace vemo
