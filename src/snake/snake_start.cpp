// Starting a snake game: the five start commands, one per speed level.

#include "snake/snake_field.h"
#include "shell/form1.h"

namespace vemo {

void TForm1::N25Click() { StartSnake(1); }
void TForm1::N26Click() { StartSnake(2); }
void TForm1::N27Click() { StartSnake(3); }
void TForm1::N28Click() { StartSnake(4); }
void TForm1::N29Click() { StartSnake(5); }

void TForm1::StartSnake(int speed) {
  GameState& s = State_;
  Menu_.setEnabled(MenuId::N15, false);
  Menu_.setChecked(MenuId::N4, false);
  Timers_.disable(kBlockTimers);
  s.LeftPending = false;
  s.RightPending = false;
  s.RunState = Run::Game;
  s.Mode = GameMode::Snake;
  SnakBegTimer();

  const int n = snake::Side(s);
  for (int x = 0; x < n; ++x)
    for (int y = 0; y < n; ++y) s.SnakeField[x][y] = snake::kEmpty;
  // Every entry above the start snake becomes a spare, not only those of this
  // field: a long game on a larger field must leave nothing that a nearly
  // full small field could read.
  for (int k = 3; k < GameState::kSegSlots; ++k) {
    snake::SetEntryCell(s, k, {GameState::kParking, GameState::kParking});
    s.SegColour[k] = snake::kEmpty;
  }
  snake::SetEntryCell(s, 1, {1, 0});
  snake::SetEntryCell(s, 2, {0, 0});
  s.SegColour[2] = snake::kColours[static_cast<std::size_t>(s.Random(6))];
  s.SegColour[1] = snake::kColours[static_cast<std::size_t>(s.Random(6))];
  s.SnakeDir = Heading::Right;
  s.SegCount = 3;
  s.Score = 0;
  s.Speed = speed;
  // An extra step owed to the last game's apple must not move the new snake.
  s.AppleFollowUp = false;
  SpeederTimer();
  Timers_.disable(TimerId::Mover);
  s.PieceInPlay = false;
  HighTimer();
  SnakVisTimer();
  Timers_.enable(TimerId::SnakMov);
  AppleTimer(true);
}

}  // namespace vemo
