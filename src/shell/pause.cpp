// Pausing and resuming the running game.

#include "shell/form1.h"

namespace vemo {

void TForm1::N4Click() {
  GameState& s = State_;
  if (s.RunState == Run::Game) {
    Menu_.setChecked("N4", true);
    s.RunState = Run::Pause;
    Timers_.disable(TimerId::Mover);
    Timers_.disable(TimerId::SnakMov);
    Timers_.disable(TimerId::SnakVis);
  } else if (s.RunState == Run::Pause) {
    if (s.Mode == GameMode::Tetris) {
      Timers_.enable(TimerId::Mover);
    } else {
      Timers_.enable(TimerId::SnakVis);
      Timers_.enable(TimerId::SnakMov);
    }
    Menu_.setChecked("N4", false);
    s.RunState = Run::Game;
  }
}

}  // namespace vemo
