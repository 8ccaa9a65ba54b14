// The falling-block controls: rotation, sideways steps with their own repeat
// timers, the fast drop, and the key handlers that drive them.

#include "blocks/levels.h"
#include "blocks/piece_steps.h"
#include "blocks/rotation.h"
#include "shell/form1.h"

namespace vemo {

namespace {
constexpr int kFirstStepDelay = 25;  // of Left and Right after every key release
constexpr int kStandardRepeat = 15;
constexpr int kSensitiveRepeat = 1;

// One sideways step of the piece by dc (-1 or +1); the colour is written by PlacePiece.
void SidewaysStep(GameState& s, int dc) {
  if (!ValidPhase(s.Phase)) return;
  if (dc < 0 && s.PieceX + MinColumnOffset(s.Shape, s.Phase) <= 0) return;
  const StepCells step = ShiftStep(s.Shape, s.Phase, dc, 0);
  if (!CanEnter(s.Well, step, s.PieceX, s.PieceY)) return;
  WriteCells(s.Well, step.leave, step.leaveCount, s.PieceX, s.PieceY, cell::kEmpty);
  s.PieceX += dc;
}
}  // namespace

void TForm1::PhaserTimer() {
  GameState& s = State_;
  if (s.PieceInPlay && ValidPhase(s.Phase)) {
    const Rotation& turn = kRotation[static_cast<int>(s.Shape)][s.Phase - 1];
    const bool guarded = (turn.guard == RotationGuard::LeftOfWell && s.PieceX < 0) ||
                         (turn.guard == RotationGuard::AboveWell && s.PieceY < -1);
    if (!guarded && CanEnter(s.Well, turn.cells, s.PieceX, s.PieceY)) {
      s.Phase = NextPhase(s.Phase);
      WriteCells(s.Well, turn.cells.leave, turn.cells.leaveCount, s.PieceX, s.PieceY, cell::kEmpty);
      WriteCells(s.Well, turn.cells.enter, turn.cells.enterCount, s.PieceX, s.PieceY, s.Colour);
    }
  }
  RedrawPieceArea();
}

void TForm1::SideTimer(TimerId timer, bool& pending, int dc) {
  RedrawPieceArea();
  pending = false;
  Timers_.setInterval(timer, StandardControl() ? kStandardRepeat : kSensitiveRepeat);
  if (State_.PieceInPlay) SidewaysStep(State_, dc);
  PlacePiece();
  RedrawPieceArea();
}

void TForm1::LeftTimer() { SideTimer(TimerId::Left, State_.LeftPending, -1); }
void TForm1::RightTimer() { SideTimer(TimerId::Right, State_.RightPending, +1); }
void TForm1::TTimer() { RedrawPieceArea(); }

void TForm1::FormKeyDown(int key) {
  GameState& s = State_;
  if (s.Mode != GameMode::Tetris) {
    SnakeKeyDown(key);
    return;
  }
  if (s.RunState != Run::Game || !s.PieceInPlay) return;
  switch (key) {
    case vk::kUp:
      if (s.UpHeld) {
        // The keyboard repeats Up: rotate at Phaser's pace from now on.
        Timers_.enable(TimerId::Phaser);
        RedrawWell();
      } else {
        s.UpHeld = true;
        PhaserTimer();
        RedrawPieceArea();
      }
      break;
    case vk::kRight:
      Timers_.enable(TimerId::Right);
      s.RightPending = true;
      RedrawPieceArea();
      break;
    case vk::kLeft:
      Timers_.enable(TimerId::Left);
      s.LeftPending = true;
      RedrawPieceArea();
      break;
    case vk::kDown:
      if (Timers_.interval(TimerId::Mover) == kFastDropInterval) break;
      Timers_.enable(TimerId::T);
      MoverTimer();
      Timers_.setInterval(TimerId::Mover, kFastDropInterval);
      break;
    default:
      break;
  }
}

void TForm1::FormKeyUp(int key) {
  GameState& s = State_;
  s.UpHeld = false;
  Timers_.disable(TimerId::Phaser);
  Timers_.disable(TimerId::Right);
  Timers_.disable(TimerId::Left);
  // A press that no tick has answered yet still makes its step.
  if (s.RightPending) RightTimer();
  if (s.LeftPending) LeftTimer();
  // Back to 25 in both control modes on purpose: the sensitive mode's first
  // step after a release waits as long as the standard one.
  Timers_.setInterval(TimerId::Left, kFirstStepDelay);
  Timers_.setInterval(TimerId::Right, kFirstStepDelay);
  if (key == vk::kDown) {
    SpeederTimer();
    if (s.RunState == Run::Game && s.Mode == GameMode::Tetris) {
      Timers_.disable(TimerId::T);
      RedrawPieceArea();
    }
  }
}

void TForm1::N34Click() {
  Menu_.setChecked(MenuId::N34, true);
  Menu_.setChecked(MenuId::N35, false);
  Timers_.setInterval(TimerId::Left, kSensitiveRepeat);
  Timers_.setInterval(TimerId::Right, Timers_.interval(TimerId::Left));
  Menu_.click(MenuId::N14);
}

void TForm1::N35Click() {
  Menu_.setChecked(MenuId::N35, true);
  Menu_.setChecked(MenuId::N34, false);
  Timers_.setInterval(TimerId::Left, kFirstStepDelay);
  Timers_.setInterval(TimerId::Right, Timers_.interval(TimerId::Left));
  Menu_.click(MenuId::N14);
}

}  // namespace vemo
