// Starting a falling-block game, the fall step, landing and game over.

#include "blocks/levels.h"
#include "blocks/piece_steps.h"
#include "shell/form1.h"

namespace vemo {

namespace {
// The fall step of every shape and phase: kFall[shape][phase - 1].
constexpr auto kFall = [] {
  std::array<std::array<StepCells, 4>, kShapeCount> table{};
  for (int shape = 0; shape < kShapeCount; ++shape)
    for (int phase = 1; phase <= 4; ++phase)
      table[shape][phase - 1] = ShiftStep(static_cast<ShapeCode>(shape), phase, 0, 1);
  return table;
}();
}  // namespace

void TForm1::N17Click() { StartTetris(1); }
void TForm1::N18Click() { StartTetris(2); }
void TForm1::N19Click() { StartTetris(3); }
void TForm1::N20Click() { StartTetris(4); }
void TForm1::N21Click() { StartTetris(5); }

void TForm1::StartTetris(int speed) {
  GameState& s = State_;
  Menu_.setEnabled(MenuId::N15, true);
  Menu_.setChecked(MenuId::N4, false);
  Timers_.disable(kSnakeTimers);
  s.Mode = GameMode::Tetris;
  s.RunState = Run::Game;
  s.Score = 0;
  HighTimer();
  Refresh();
  for (int r = -1; r <= WellGrid::kFloorRow; ++r)
    for (int c = 0; c < WellGrid::kPlayColumns; ++c) s.Well.set(c, r, cell::kEmpty);
  FormCreate();
  Timers_.enable(TimerId::Mover);
  PlacePiece();
  s.Speed = speed;
  SpeederTimer();
  Timers_.enable(TimerId::Timer1);
  RedrawWell();
}

void TForm1::MoverTimer() {
  GameState& s = State_;
  s.RowBeforeStep = s.PieceY;
  if (ValidPhase(s.Phase)) {
    const StepCells& fall = kFall[static_cast<int>(s.Shape)][s.Phase - 1];
    if (CanEnter(s.Well, fall, s.PieceX, s.PieceY)) {
      WriteCells(s.Well, fall.leave, fall.leaveCount, s.PieceX, s.PieceY, cell::kEmpty);
      WriteCells(s.Well, fall.enter, fall.enterCount, s.PieceX, s.PieceY, s.Colour);
      ++s.PieceY;
    }
  }
  // During a fast drop the timer T draws instead.
  if (Timers_.interval(TimerId::Mover) != kFastDropInterval) RedrawPieceArea();

  if (s.PieceY == s.RowBeforeStep && s.PieceY <= 0) {
    GameOver();
  } else if (s.PieceY == s.RowBeforeStep) {
    s.PieceInPlay = false;
    Timers_.enable(TimerId::New);
  }
}

// The message shows while the game still counts as running; the score is
// offered to the records table once it has stopped.
void TForm1::GameOver() {
  State_.PieceInPlay = false;
  Timers_.disable(TimerId::Mover);
  ShowGameOver();
  State_.RunState = Run::Stop;
  InsertRecord();
}

}  // namespace vemo
