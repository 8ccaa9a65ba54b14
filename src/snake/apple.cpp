// Placing an apple: the first one of a game, and one after every apple eaten.

#include <vector>

#include "snake/snake_field.h"
#include "shell/form1.h"

namespace vemo {

namespace {

// The empty cells an apple may take, in the order of the random number that
// names them. The first apple keeps off row 0, where the start snake lies,
// and off the last cell.
std::vector<snake::Cell> AppleCells(const GameState& s, bool first) {
  const int n = snake::Side(s);
  std::vector<snake::Cell> cells;
  const int count = first ? n * n - n - 1 : n * n;
  for (int r = 0; r < count; ++r) {
    const snake::Cell c{r % n, (first ? 1 : 0) + r / n};
    if (snake::FieldAt(s, c) == snake::kEmpty) cells.push_back(c);
  }
  return cells;
}

}  // namespace

void TForm1::AppleTimer(bool first) {
  GameState& s = State_;
  Timers_.disable(TimerId::Apple);
  // A uniform choice among the empty cells: the same chances as drawing cells
  // until an empty one comes up, without the endless search on a full field.
  const std::vector<snake::Cell> cells = AppleCells(s, first);
  if (cells.empty()) {
    // The snake fills the field, or a start found no room for the first
    // apple: the game ends like a run into itself. A pending apple may come
    // due during a pause, so the pause mark goes too.
    s.AppleFollowUp = false;
    Menu_.setChecked(MenuId::N4, false);
    EndSnakeGame();
    return;
  }
  const snake::Cell apple = cells[static_cast<std::size_t>(s.Random(static_cast<int>(cells.size())))];
  snake::SetField(s, apple, snake::kColours[static_cast<std::size_t>(s.Random(6))]);
  if (s.AppleFollowUp) {
    s.AppleFollowUp = false;
    SnakMovTimer();
  }
  SnakVisTimer();
}

}  // namespace vemo
