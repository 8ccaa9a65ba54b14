// The snake's move step: plain step, eating, waiting at a border, running
// into itself; the arrow keys that turn it; and the end of a game.

#include <algorithm>

#include "blocks/levels.h"
#include "render/tiles.h"
#include "snake/snake_field.h"
#include "shell/form1.h"

namespace vemo {

namespace {

// True when a visible segment stands on the cell. The blank and spare entries
// have no colour; the tail counts although it would move away this step.
bool HitsSelf(const GameState& s, snake::Cell cell) {
  const int last = std::min(s.SegCount + 1, GameState::kSegSlots - 1);
  for (int k = 2; k <= last; ++k)
    if (s.SegColour[k] != snake::kEmpty && snake::EntryCell(s, k) == cell) return true;
  return false;
}

// The body follows the head; the colours stay with their entry numbers, so
// the colour pattern keeps its order from the head. Then the field is written
// again from the list, which also blanks the cell the tail left.
void PlainStep(GameState& s, snake::Cell ahead) {
  for (int j = s.SegCount; j >= 2; --j) snake::SetEntryCell(s, j, snake::EntryCell(s, j - 1));
  s.SegColour[s.SegCount] = snake::kEmpty;
  snake::SetEntryCell(s, 1, ahead);
  const int n = snake::Side(s);
  for (int k = 1; k <= n * n; ++k) snake::SetField(s, snake::EntryCell(s, k), s.SegColour[k]);
}

// The eaten apple becomes the new head; every other segment keeps its cell
// and colour.
void GrowInto(GameState& s, snake::Cell apple) {
  ++s.SegCount;
  for (int j = s.SegCount; j >= 2; --j) {
    snake::SetEntryCell(s, j, snake::EntryCell(s, j - 1));
    s.SegColour[j] = s.SegColour[j - 1];
  }
  snake::SetEntryCell(s, 1, apple);
  s.SegColour[1] = snake::FieldAt(s, apple);
  // The segments are written too: when the very first step of a game eats,
  // the start snake is not in the field yet, and its cells would otherwise
  // look empty to the next apple and to the next plain step.
  for (int k = 1; k < s.SegCount; ++k) snake::SetField(s, snake::EntryCell(s, k), s.SegColour[k]);
}

}  // namespace

void TForm1::SnakMovTimer() {
  GameState& s = State_;
  const snake::Cell head = snake::EntryCell(s, 1);
  const snake::Cell ahead = snake::Ahead(head, s.SnakeDir);
  // A border never kills: the snake waits on it until it is turned.
  const bool canMove = snake::OnField(snake::Side(s), ahead);
  const bool hitSelf = canMove && HitsSelf(s, ahead);
  if (canMove && !hitSelf) {
    // Segments are caught above, so a letter ahead is the apple. (A cell never
    // written counts as empty: only a size read from the records file while a
    // game already runs can bring such cells into the field.)
    if (!IsColourLetter(snake::FieldAt(s, ahead))) {
      PlainStep(s, ahead);
    } else {
      // Eating: the score, perhaps a higher level, the sound and the caption.
      s.Score += 2 * s.Speed;
      if (SpeedIncreaseOn()) s.Speed = RaisedLevel(kSnakeThresholds, s.Score, s.Speed);
      if (SoundOn()) desktop_.playInformationSound();
      HighTimer();
      GrowInto(s, ahead);
      s.AppleFollowUp = true;
      Timers_.enable(TimerId::Apple);
    }
  } else if (hitSelf) {
    EndSnakeGame();
  }
  DrawSnake();
}

void TForm1::EndSnakeGame() {
  Timers_.disable(kSnakeGameClock);
  State_.RunState = Run::Stop;
  ShowGameOver();
  Menu_.setEnabled(MenuId::N15, true);
}

// A turn is tested against where the head and the second segment really are,
// not against the current direction, so several presses between two steps can
// never turn the snake back onto itself. A turn towards the border the head
// stands on is refused too.
void TForm1::SnakeKeyDown(int key) {
  GameState& s = State_;
  if (s.RunState != Run::Game) return;
  const snake::Cell head = snake::EntryCell(s, 1);
  const snake::Cell second = snake::EntryCell(s, 2);
  const int last = snake::Side(s) - 1;
  switch (key) {
    case vk::kLeft:
      if (second.x != head.x - 1 && head.x != 0) s.SnakeDir = Heading::Left;
      break;
    case vk::kRight:
      if (second.x != head.x + 1 && head.x != last) s.SnakeDir = Heading::Right;
      break;
    case vk::kUp:
      if (second.y != head.y - 1 && head.y != 0) s.SnakeDir = Heading::Up;
      break;
    case vk::kDown:
      if (second.y != head.y + 1 && head.y != last) s.SnakeDir = Heading::Down;
      break;
    default:
      break;
  }
}

}  // namespace vemo
