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

// A fall step worked out before it runs, from the cells below each column of
// the piece: it falls when they are all empty; else it lands, or ends the
// game when it has not left row 0.
class FallOracle {
 public:
  void before(const GameState& s);
  std::string after(const GameState& s, bool newEnabled) const;

 private:
  bool inPlay_ = false, free_ = false;
  int y_ = 0;
};

// What the spawn after a landing must do, worked out before it runs: the full
// rows among 0..22 go and the rows above move down (row -1 copied, never
// removed), 2 points a row at the level plus the bonus of a multi-row clear at
// the level before its own rise, one sound when rows went and the sound option
// is on, the level thresholds 75, 150, 300, 600 with the speed-increase option,
// and the next piece written at column 3 with its top in row 0.
class LandingOracle {
 public:
  void before(const GameState& s, bool sound, bool speedIncrease, int sounds);
  std::string after(const GameState& s, int sounds, const std::string& caption) const;
  int rows() const { return full_; }

 private:
  bool active_ = false;
  std::string want_;  // rows -1..22 without the new piece, 11 characters a row
  int full_ = 0, points_ = 0, score_ = 0, level_ = 0, sounds_ = 0;
  ShapeCode shape_{};
  int phase_ = 0;
  char colour_ = ' ';
};

// After a redraw around the falling piece: the block of rows PieceY - 1 ..
// PieceY + 3 and columns PieceX - 2 .. PieceX + 4 shows what the well holds.
std::string PieceAreaFault(TForm1& form);

// The records table: scores are integers, highest first.
std::string RecordsFault(const TForm2& table);

// After a repaint of the whole window: every cell of the current game's grid
// shows its code, the tile of a colour letter or the background otherwise.
std::string CellPixelsFault(TForm1& form);

}  // namespace vemo::testing
