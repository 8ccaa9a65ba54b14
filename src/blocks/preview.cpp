// The next-piece preview beside the well.

#include "render/geometry.h"
#include "render/squares.h"
#include "shell/form1.h"

namespace vemo {

void TForm1::NFigurTimer() {
  GameState& s = State_;
  for (auto& column : s.Preview) column.fill(cell::kEmpty);
  if (NextPieceOn() && ValidPhase(s.NextPhase))
    for (Offset o : CellsOf(s.NextShape, s.NextPhase)) s.Preview[o.dc][o.dr + 1] = s.NextColour;

  for (int j = -1; j <= 4; ++j) {
    for (int i = 0; i <= 5; ++i) {
      const Point origin = PreviewOrigin(i, j);
      DrawSquare(Canvas_, Pictures_.Image1, origin.x, origin.y, s.Preview[i][j + 1]);
    }
  }
}

void TForm1::Timer1Timer() {
  Timers_.disable(TimerId::Timer1);
  NFigurTimer();
}

void TForm1::Timer2Timer() {
  Timers_.disable(TimerId::Timer2);
  if (State_.Mode != GameMode::Tetris) return;
  if (State_.RunState == Run::Pause) {
    NFigurTimer();
    RedrawWell();
  } else if (State_.RunState == Run::Game) {
    NFigurTimer();
  }
}

}  // namespace vemo
