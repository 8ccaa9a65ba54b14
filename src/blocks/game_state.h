#pragma once
// The one game-state record shared by every handler of the main window.

#include <array>
#include <cstdint>
#include <random>

#include "blocks/pieces.h"
#include "blocks/well.h"
#include "render/picture.h"
#include "shell/portable_random.h"
#include "snake/field_side.h"

namespace vemo {

enum class GameMode { Tetris, Snake };
enum class Run { None, Game, Pause, Stop };  // None: no game since program start
enum class Heading { Left, Right, Up, Down };  // the snake's next move: x - 1, x + 1, y - 1, y + 1

struct GameState {
  GameMode Mode = GameMode::Tetris;
  Run RunState = Run::None;

  // The falling piece, kept inside the well as its colour letter.
  ShapeCode Shape = ShapeCode::GR;
  std::int32_t Phase = 0;
  char Colour = 0;
  std::int32_t PieceX = 0;
  std::int32_t PieceY = 0;
  bool PieceInPlay = false;
  // The piece that comes next, shown in the preview.
  ShapeCode NextShape = ShapeCode::GR;
  std::int32_t NextPhase = 0;
  char NextColour = 0;
  // The row of the piece when the current fall step began.
  std::int32_t RowBeforeStep = 0;

  std::int32_t Score = 0;
  std::int32_t Speed = 0;  // 0..5, both games
  Rgb FrameColour{};

  // Key flags of the falling-block controls.
  bool UpHeld = false;
  bool LeftPending = false;
  bool RightPending = false;

  // Side of the snake field in cells.
  std::int32_t FieldSize = kDefaultFieldSide;

  WellGrid Well;
  // The next-piece preview: columns 0..5, rows -1..4, ' ' or a colour letter.
  static constexpr int kPreviewSize = 6;
  std::array<std::array<char, kPreviewSize>, kPreviewSize> Preview{};  // [column][row + 1]

  // --- The snake game ---
  // The field storage is 23 x 23 cells, [x][y]; the playing field is its
  // corner 0..FieldSize-1 in both directions. Codes: ' ' empty, a colour
  // letter for an apple or a segment (the field does not tell them apart),
  // 0 in cells never written.
  static constexpr int kSnakeGrid = 23;
  static constexpr int kMaxFieldSide = 20;
  // Where spare list entries point: it only ever receives ' ' and is never drawn.
  static constexpr int kParking = 21;
  // The segment list: entries 1..SegCount - 1 are the visible segments, head
  // first; entry SegCount is the blank entry (colour ' ', the cell the tail
  // left last); the entries above are spares (parking cell, ' '). Entry 0 is
  // unused. One entry per cell of the largest field, plus the blank entry of a
  // full 20 x 20 field and the entry beyond it that the self test reads.
  static constexpr int kSegEntries = kMaxFieldSide * kMaxFieldSide;
  static constexpr int kSegSlots = kSegEntries + 3;
  // A coordinate of no cell. The reset marks entries 100 and 101 with it; it
  // matches no cell in a comparison and a field write skips it, and every
  // snake start turns those entries back into spares before a game reads them.
  static constexpr int kNoCell = -1;

  std::array<std::array<char, kSnakeGrid>, kSnakeGrid> SnakeField{};
  std::array<std::int32_t, kSegSlots> SegX{};
  std::array<std::int32_t, kSegSlots> SegY{};
  std::array<char, kSegSlots> SegColour{};
  std::int32_t SegCount = 0;
  Heading SnakeDir = Heading::Right;
  // An apple was eaten: the next apple placement makes one extra move step.
  bool AppleFollowUp = false;

  // The one random generator; reseeded at every reset.
  std::mt19937 Generator;
  // A uniform choice among n: 0..n-1.
  int Random(int n) { return DrawBelow(Generator, n); }
};

}  // namespace vemo
