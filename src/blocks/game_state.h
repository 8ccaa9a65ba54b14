#pragma once
// The one game-state record shared by every handler of the main window.

#include <array>
#include <cstdint>
#include <random>

#include "blocks/pieces.h"
#include "blocks/well.h"
#include "render/picture.h"

namespace vemo {

enum class GameMode { Tetris, Snake };
enum class Run { None, Game, Pause, Stop };  // None: no game since program start

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
  std::int32_t FieldSize = 15;

  WellGrid Well;
  // The next-piece preview: columns 0..5, rows -1..4, ' ' or a colour letter.
  static constexpr int kPreviewSize = 6;
  std::array<std::array<char, kPreviewSize>, kPreviewSize> Preview{};  // [column][row + 1]

  // The one random generator; reseeded at every reset.
  std::mt19937 Generator;
  // A uniform choice among n: 0..n-1.
  int Random(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Generator); }
};

}  // namespace vemo
