#pragma once
// The cells a piece newly enters and leaves when it moves one step or turns.
// A movement test looks only at the entering cells: the piece's own cells hold
// its colour and would block.

#include <array>

#include "blocks/pieces.h"
#include "blocks/well.h"

namespace vemo {

struct StepCells {
  std::array<Offset, 4> enter{};
  int enterCount = 0;
  std::array<Offset, 4> leave{};
  int leaveCount = 0;
};

constexpr bool Contains(const PieceCells& cells, Offset o) {
  for (Offset c : cells)
    if (c == o) return true;
  return false;
}

// From the cells `from` to the cells `to`, both relative to the same reference cell.
constexpr StepCells Change(const PieceCells& from, const PieceCells& to) {
  StepCells step;
  for (Offset o : to)
    if (!Contains(from, o)) step.enter[step.enterCount++] = o;
  for (Offset o : from)
    if (!Contains(to, o)) step.leave[step.leaveCount++] = o;
  return step;
}

constexpr PieceCells Shifted(const PieceCells& cells, int dc, int dr) {
  PieceCells out{};
  for (std::size_t i = 0; i < cells.size(); ++i) out[i] = {cells[i].dc + dc, cells[i].dr + dr};
  return out;
}

// A step of the whole piece by (dc, dr), e.g. (0, 1) for a fall step.
constexpr StepCells ShiftStep(ShapeCode shape, int phase, int dc, int dr) {
  const PieceCells& cells = CellsOf(shape, phase);
  return Change(cells, Shifted(cells, dc, dr));
}

// True when every entering cell of `step` at reference cell (x, y) is free.
inline bool CanEnter(const WellGrid& well, const StepCells& step, int x, int y) {
  for (int i = 0; i < step.enterCount; ++i)
    if (!well.isFree(x + step.enter[i].dc, y + step.enter[i].dr)) return false;
  return true;
}

inline void WriteCells(WellGrid& well, const std::array<Offset, 4>& cells, int count, int x, int y, char code) {
  for (int i = 0; i < count; ++i) well.set(x + cells[i].dc, y + cells[i].dr, code);
}

// The smallest column and row offsets of a piece's cells.
constexpr int MinColumnOffset(ShapeCode shape, int phase) {
  int least = 3;
  for (Offset o : CellsOf(shape, phase)) least = o.dc < least ? o.dc : least;
  return least;
}
constexpr int MinRowOffset(ShapeCode shape, int phase) {
  int least = 3;
  for (Offset o : CellsOf(shape, phase)) least = o.dr < least ? o.dr : least;
  return least;
}

}  // namespace vemo
