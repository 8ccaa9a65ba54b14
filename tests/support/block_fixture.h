#pragma once
// Helpers for the falling-block tests: the pieces written out again from their
// drawn patterns (an oracle kept apart from the game's own offset table), a
// fixture that starts a game with a chosen piece, and pixel comparisons that
// do not touch the surface's read counters.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "render/geometry.h"
#include "render/tiles.h"
#include "support/game_fixture.h"

namespace vemo::testing {

using Cell = std::pair<int, int>;  // (column, row)
using CellSet = std::set<Cell>;

inline constexpr std::array<ShapeCode, 7> kAllShapes{ShapeCode::GR, ShapeCode::GL, ShapeCode::ZR, ShapeCode::ZL,
                                                     ShapeCode::K,  ShapeCode::C,  ShapeCode::L};

inline std::string NameOf(ShapeCode shape) {
  constexpr std::array<std::string_view, kShapeCount> kShapeCodes{"GR", "GL", "ZR", "ZL", "K", "C", "L"};
  return std::string(kShapeCodes[static_cast<std::size_t>(shape)]);
}

// Each piece drawn as the rows of its box from the top, '#' for a cell,
// rows separated by '/': [shape][phase - 1].
inline constexpr std::array<std::array<std::string_view, 4>, 7> kPatterns{{
    {"##/.#/.#", ".../..#/###", "#./#./##", ".../###/#.."},             // GR
    {"##/#./#.", ".../###/..#", ".#/.#/##", ".../#../###"},             // GL
    {".../##./.##", ".#/##/#.", ".../##./.##", ".#/##/#."},             // ZR
    {".../.##/##.", ".#./.##/..#", ".../.##/##.", ".#./.##/..#"},       // ZL
    {".#./###", ".#./.##/.#.", ".../###/.#.", ".#/##/.#"},              // K
    {"##/##", "##/##", "##/##", "##/##"},                               // C
    {"..../..../####", "..#/..#/..#/..#", "..../..../####", "..#/..#/..#/..#"},  // L
}};

// The cells of a piece as offsets from its reference cell, read off its pattern.
inline CellSet PatternCells(ShapeCode shape, int phase) {
  CellSet cells;
  int col = 0, row = 0;
  for (char ch : kPatterns[static_cast<std::size_t>(shape)][static_cast<std::size_t>(phase - 1)]) {
    if (ch == '/') {
      ++row;
      col = 0;
      continue;
    }
    if (ch == '#') cells.insert({col, row});
    ++col;
  }
  return cells;
}

inline CellSet Translate(const CellSet& cells, int dx, int dy) {
  CellSet out;
  for (auto [c, r] : cells) out.insert({c + dx, r + dy});
  return out;
}

inline std::string Describe(const CellSet& cells) {
  std::string out;
  for (auto [c, r] : cells) out += "(" + std::to_string(c) + "," + std::to_string(r) + ")";
  return out.empty() ? "none" : out;
}

// Pixels straight from the buffer, so the read counter sees only the game's reads.
inline Rgb RawPixel(const Surface& s, int x, int y) {
  const std::uint8_t* p = s.bytes() + static_cast<std::size_t>(y) * s.bytesPerLine() + static_cast<std::size_t>(x) * 3;
  return {p[0], p[1], p[2]};
}

// True when the 15 x 15 square at window pixel (x, y) shows `picture` from (px, py).
inline bool SquareShows(const Surface& s, int x, int y, const Picture& picture, int px, int py) {
  for (int dy = 0; dy < kCellSize; ++dy)
    for (int dx = 0; dx < kCellSize; ++dx)
      if (!(RawPixel(s, x + dx, y + dy) == picture.at(px + dx, py + dy))) return false;
  return true;
}

class BlockTest : public GameTest {
 protected:
  // The game as the player finds it once the start-up sequence has run: that
  // sequence (title, records file, wipe) is not part of these tests, so its
  // timer is stopped, and the rotation pace it sets is set here.
  BlockTest() {
    timers().disable(TimerId::Gor);
    timers().setInterval(TimerId::Phaser, 100);
  }

  const Picture& background() const { return form->Images().Image1; }

  // Starts a game at `level` from the menu and swaps the random first piece
  // for a chosen one, redrawn so that the window agrees with the well.
  void startWith(int level, ShapeCode shape, int phase, char colour = 'r', int x = 3, int y = 0) {
    form->OnMenu("N" + std::to_string(16 + level));
    clearPlayArea();
    putPiece(shape, phase, x, y, colour);
    form->RedrawWell();
  }
  // Rows -1..22 of columns 0..9 become empty.
  void clearPlayArea() {
    for (int r = -1; r <= 22; ++r)
      for (int c = 0; c < 10; ++c) state().Well.set(c, r, ' ');
  }
  // Makes (shape, phase) the falling piece at (x, y) and writes it into the well.
  void putPiece(ShapeCode shape, int phase, int x, int y, char colour = 'r') {
    GameState& s = state();
    s.Shape = shape;
    s.Phase = phase;
    s.Colour = colour;
    s.PieceX = x;
    s.PieceY = y;
    s.PieceInPlay = true;
    form->PlacePiece();
  }
  // The well cells of the falling piece, from the patterns.
  CellSet pieceCells() { return Translate(PatternCells(state().Shape, state().Phase), state().PieceX, state().PieceY); }
  // Every cell of columns 0..9, rows -1..22 that holds `code`.
  CellSet cellsHolding(char code) {
    CellSet out;
    for (int r = -1; r <= 22; ++r)
      for (int c = 0; c < 10; ++c)
        if (state().Well.at(c, r) == code) out.insert({c, r});
    return out;
  }

  bool showsTile(int c, int r, char letter) {
    const Point o = CellOrigin(c, r);
    return SquareShows(canvas(), o.x, o.y, TileFor(letter), 0, 0);
  }
  bool showsBackground(int c, int r) {
    const Point o = CellOrigin(c, r);
    return SquareShows(canvas(), o.x, o.y, background(), o.x, o.y);
  }
  // The cell shows what the well holds: its letter's tile, or the background.
  bool showsCode(int c, int r) {
    const char code = state().Well.at(c, r);
    return code == ' ' ? showsBackground(c, r) : showsTile(c, r, code);
  }
  // The first cell of columns 0..9, rows first..last that does not show its
  // code, as "c,r"; empty when every one does.
  std::string firstCellNotShowingItsCode(int first = -1, int last = 22) {
    for (int r = first; r <= last; ++r)
      for (int c = 0; c < 10; ++c)
        if (!showsCode(c, r)) return std::to_string(c) + "," + std::to_string(r);
    return {};
  }
  // Runs the virtual clock one millisecond at a time until `done` or `limitMs`.
  template <typename Pred>
  std::int64_t runUntil(Pred done, std::int64_t limitMs) {
    for (std::int64_t t = 0; t < limitMs; ++t) {
      if (done()) return t;
      run(1);
    }
    return -1;
  }
};

}  // namespace vemo::testing
