#pragma once
// A plain player for the falling-block game, so that long random runs still
// clear rows and score: of all the places where the falling piece can come to
// rest straight down from where it is, the one that leaves the lowest,
// smoothest pile with the fewest holes.

#include <array>
#include <cstdlib>
#include <optional>

#include "support/block_fixture.h"

namespace vemo::testing {

struct Placement {
  int phase, x;
};

inline std::optional<Placement> PlanPlacement(const GameState& s) {
  const CellSet own = Translate(PatternCells(s.Shape, s.Phase), s.PieceX, s.PieceY);
  using Pile = std::array<std::array<bool, 10>, 24>;  // [row + 1][column], rows -1..22
  Pile pile{};
  for (int r = -1; r <= 22; ++r)
    for (int c = 0; c < 10; ++c) pile[r + 1][c] = !s.Well.isFree(c, r) && !own.contains({c, r});
  auto blocked = [](const Pile& p, int c, int r) { return c < 0 || c > 9 || r < -1 || r > 22 || p[r + 1][c]; };
  std::optional<Placement> best;
  double bestValue = 0;
  for (int phase = 1; phase <= 4; ++phase) {
    const CellSet cells = PatternCells(s.Shape, phase);
    for (int x = -2; x <= 9; ++x) {
      auto fits = [&](int y) {
        for (auto [c, r] : cells)
          if (blocked(pile, x + c, y + r)) return false;
        return true;
      };
      int y = s.PieceY;
      if (!fits(y)) continue;
      while (fits(y + 1)) ++y;
      Pile after = pile;
      for (auto [c, r] : cells) after[y + r + 1][x + c] = true;
      int lines = 0;
      for (int r = 0; r <= 22; ++r) {
        bool full = true;
        for (int c = 0; c < 10; ++c) full = full && after[r + 1][c];
        if (!full) continue;
        ++lines;
        for (int i = r; i >= 0; --i) after[i + 1] = after[i];
      }
      int height = 0, holes = 0, bumps = 0, previous = -1;
      for (int c = 0; c < 10; ++c) {
        int h = 0;
        for (int r = -1; r <= 22; ++r)
          if (after[r + 1][c]) {
            if (!h) h = 23 - r;
          } else if (h) {
            ++holes;
          }
        height += h;
        if (previous >= 0) bumps += std::abs(h - previous);
        previous = h;
      }
      const double value = -0.51 * height + 0.76 * lines - 0.36 * holes - 0.18 * bumps;
      if (!best || value > bestValue) best = Placement{phase, x}, bestValue = value;
    }
  }
  return best;
}

}  // namespace vemo::testing
