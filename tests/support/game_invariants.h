#pragma once
// What must hold between any two handlers of the main window, as plain
// checks: each returns an empty text when all is well, else what is wrong.
// Written apart from the game code: the piece cells come from the drawn
// patterns of block_fixture.h.

#include <array>
#include <string>

#include "shell/form1.h"

namespace vemo::testing {

// The well: floor and wall codes in place, nothing written below the floor;
// when `holdsGame` (a falling-block game has been started), only ' ' or
// colour letters in the playing cells; the falling piece's four cells in its
// colour while it is in play.
std::string WellFault(const GameState& s, bool holdsGame);

// The cells of the well that are not the falling piece, followed from check
// to check during a falling-block game: while one piece is in play they stay
// as they are; a landing adds the piece's four cells; only the coming of the
// next piece (full rows go) may change them otherwise. reset() at a start.
class SettledCells {
 public:
  void reset() { known_ = false; }
  std::string check(const GameState& s);

 private:
  using Cells = std::array<char, 10 * 24>;  // columns 0..9, rows -1..22
  bool known_ = false;
  bool inPlay_ = false;
  Cells cells_{};
};

// The snake field and the segment list while a snake game runs or is paused:
// the visible segments lie on the field, each on its own cell, each next to
// the one before; the blank entry has no colour and the spare entries point
// to the parking cell; the field holds only ' ' and colour letters, every
// segment in its colour once `segmentsInField` (the start snake is written at
// its first step), and besides the segments at most one apple: exactly one
// unless `applePending`.
std::string SnakeFault(const GameState& s, bool segmentsInField, bool applePending);

// The records table: scores are integers, highest first.
std::string RecordsFault(const TForm2& table);

// After a repaint of the whole window: every cell of the current game's grid
// shows its code, the tile of a colour letter or the background otherwise.
std::string CellPixelsFault(TForm1& form);

}  // namespace vemo::testing
