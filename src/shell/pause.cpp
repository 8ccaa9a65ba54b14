// Pausing and resuming the running game.

#include "shell/form1.h"

namespace vemo {

void TForm1::N4Click() {
  GameState& s = State_;
  if (s.RunState == Run::Game) {
    Menu_.setChecked(MenuId::N4, true);
    s.RunState = Run::Pause;
    Timers_.disable(kBlockGameClock);
    Timers_.disable(kSnakeGameClock);
  } else if (s.RunState == Run::Pause) {
    Timers_.enable(s.Mode == GameMode::Tetris ? TimerSet(kBlockGameClock) : TimerSet(kSnakeGameClock));
    Menu_.setChecked(MenuId::N4, false);
    s.RunState = Run::Game;
  }
}

}  // namespace vemo
