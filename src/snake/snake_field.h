#pragma once
// Small helpers on the snake's data in the game state: the side that is
// played, cells of the field, list entries and the colours of apples and
// segments.

#include <algorithm>
#include <array>

#include "blocks/game_state.h"

namespace vemo::snake {

inline constexpr char kEmpty = ' ';
// A random colour 0..5 of an apple or a start segment. (Not the order of the
// falling-block colours.)
inline constexpr std::array<char, 6> kColours{'r', 'y', 'g', 'v', 'b', 'c'};

struct Cell {
  int x, y;
  friend constexpr bool operator==(Cell, Cell) = default;
};

// The side as played: FieldSize cut to what the storage holds. The dialog only
// yields 10..20; a records file may bring 1..9, which are played as they stand.
inline int Side(const GameState& s) { return std::clamp(s.FieldSize, 0, GameState::kMaxFieldSide); }

inline constexpr bool OnField(int side, Cell c) { return c.x >= 0 && c.y >= 0 && c.x < side && c.y < side; }
inline constexpr bool InGrid(Cell c) { return OnField(GameState::kSnakeGrid, c); }

inline Cell EntryCell(const GameState& s, int k) { return {s.SegX[k], s.SegY[k]}; }
inline void SetEntryCell(GameState& s, int k, Cell c) {
  s.SegX[k] = c.x;
  s.SegY[k] = c.y;
}

// The field code at a cell; 0 for a cell outside the storage.
inline char FieldAt(const GameState& s, Cell c) { return InGrid(c) ? s.SnakeField[c.x][c.y] : '\0'; }
// Writes a field code; a cell outside the storage (kNoCell) is skipped.
inline void SetField(GameState& s, Cell c, char code) {
  if (InGrid(c)) s.SnakeField[c.x][c.y] = code;
}

inline constexpr Cell Ahead(Cell head, Heading dir) {
  switch (dir) {
    case Heading::Left: return {head.x - 1, head.y};
    case Heading::Right: return {head.x + 1, head.y};
    case Heading::Up: return {head.x, head.y - 1};
    case Heading::Down: return {head.x, head.y + 1};
  }
  return head;
}

}  // namespace vemo::snake
