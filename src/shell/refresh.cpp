// Repainting the whole main window from the game state.

#include "render/repaint.h"
#include "shell/form1.h"

namespace vemo {

void TForm1::Refresh() {
  DrawBareScreen(Canvas_, Pictures_);
  if (State_.Mode == GameMode::Tetris) {
    RedrawWell();
    WellFrame();
  } else {
    SnakVisTimer();
    SnakeFrame();
  }
  Timers_.enable(TimerId::Timer2);
}

void TForm1::UpTimer() {
  Timers_.disable(TimerId::Up);
  Refresh();
}

void TForm1::N14Click() { Refresh(); }

}  // namespace vemo
