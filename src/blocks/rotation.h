#pragma once
// The rotation of the falling piece: every transition from one phase to the
// next, with the cells it enters and leaves and its guard. A guarded
// transition is refused, without reading any cell, when its guard applies.

#include <array>

#include "blocks/piece_steps.h"

namespace vemo {

enum class RotationGuard {
  None,
  LeftOfWell,  // refused if PieceX < 0: the new phase would reach left of column 0
  AboveWell,   // refused if PieceY < -1: the top of a vertical "L" would lie above row -1
};

struct Rotation {
  StepCells cells;
  RotationGuard guard;
};

constexpr RotationGuard GuardOf(ShapeCode shape, int from) {
  const bool oddFrom = from == 2 || from == 4;  // 2 to 3, 4 to 1
  switch (shape) {
    case ShapeCode::ZL: return oddFrom ? RotationGuard::LeftOfWell : RotationGuard::None;
    case ShapeCode::K: return from == 2 ? RotationGuard::LeftOfWell : RotationGuard::None;
    case ShapeCode::L: return oddFrom ? RotationGuard::LeftOfWell : RotationGuard::AboveWell;
    default: return RotationGuard::None;
  }
}

constexpr int NextPhase(int phase) { return phase == 4 ? 1 : phase + 1; }

// kRotation[shape][from - 1]
inline constexpr auto kRotation = [] {
  std::array<std::array<Rotation, 4>, kShapeCount> table{};
  for (int shape = 0; shape < kShapeCount; ++shape)
    for (int from = 1; from <= 4; ++from) {
      const auto code = static_cast<ShapeCode>(shape);
      table[shape][from - 1] = {Change(CellsOf(code, from), CellsOf(code, NextPhase(from))), GuardOf(code, from)};
    }
  return table;
}();

}  // namespace vemo
