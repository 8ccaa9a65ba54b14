// Repainting the whole main window from the game state.

#include "render/geometry.h"
#include "shell/form1.h"

namespace vemo {

void TForm1::Refresh() {
  Canvas_.drawPicture(0, 0, Pictures_.Image1);
  // Always the empty bowl: the level's fire comes back only with the speed routine.
  Canvas_.drawPicture(kFirePictureAt.x, kFirePictureAt.y, Pictures_.I[0]);
  if (State_.Mode == GameMode::Tetris) {
    RedrawWell();
    WellFrame();
  } else {
    SnakVisTimer();
    SnakeFrame();
  }
  Timers_.enable(TimerId::Timer2);
}

// Three bands of six lines around the well, open at the top, with the current pen.
void TForm1::WellFrame() {
  for (int i = 0; i <= 5; ++i) {
    Canvas_.moveTo(45 + i, 70);
    Canvas_.lineTo(45 + i, 415);
    Canvas_.moveTo(45, 415 + i);
    Canvas_.lineTo(207, 415 + i);
    Canvas_.moveTo(201 + i, 70);
    Canvas_.lineTo(201 + i, 415);
  }
}

void TForm1::UpTimer() {
  Timers_.disable(TimerId::Up);
  Refresh();
}

void TForm1::N14Click() { Refresh(); }

}  // namespace vemo
