// Timings of the snake game's per-tick work on the largest field: the
// whole-field redraw (every 10 ms after a resumed pause) and one move step
// with its redraw. The main window runs on a desktop of its own here: a still
// clock, no files, no windows.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "quiet_desktop.h"
#include "shell/desktop.h"
#include "shell/dialog.h"
#include "shell/form1.h"
#include "snake/snake_field.h"

namespace vemo {
namespace {

constexpr int kSide = 20;

// The next cell clockwise on the border of the field.
snake::Cell NextOnBorder(snake::Cell c) {
  if (c.y == 0 && c.x < kSide - 1) return {c.x + 1, 0};
  if (c.x == kSide - 1 && c.y < kSide - 1) return {c.x, c.y + 1};
  if (c.y == kSide - 1 && c.x > 0) return {c.x - 1, c.y};
  return {0, c.y - 1};
}

Heading Towards(snake::Cell from, snake::Cell to) {
  if (to.x != from.x) return to.x < from.x ? Heading::Left : Heading::Right;
  return to.y < from.y ? Heading::Up : Heading::Down;
}

// A level-5 game on a 20 x 20 field with a snake of `length` segments going
// round the border of the field and one apple in the middle, drawn on the
// window. The timers never fire: each benchmark calls the handlers itself.
struct SnakeGame {
  QuietDesktop desktop;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>(desktop);
  GameState& s = form->State();

  explicit SnakeGame(int length) {
    form->Timers().disable(TimerId::Gor);
    s.FieldSize = kSide;
    form->OnMenu("N29");
    for (int x = 0; x < kSide; ++x)
      for (int y = 0; y < kSide; ++y) s.SnakeField[x][y] = ' ';
    // The body trails the head back along the border: lay it out tail first.
    snake::Cell c{0, 0};
    for (int k = length; k >= 1; --k) {
      snake::SetEntryCell(s, k, c);
      s.SegColour[k] = snake::kColours[static_cast<std::size_t>(k % 6)];
      s.SnakeField[c.x][c.y] = s.SegColour[k];
      c = NextOnBorder(c);
    }
    s.SegCount = length + 1;
    s.SnakeField[10][10] = 'g';
    form->OnMenu("N14");
  }
  void steer() {
    const snake::Cell head = snake::EntryCell(s, 1);
    s.SnakeDir = Towards(head, NextOnBorder(head));
  }
};

void BM_SnakVisTimer20(benchmark::State& st) {
  SnakeGame game(30);
  for (auto _ : st) game.form->SnakVisTimer();
}
BENCHMARK(BM_SnakVisTimer20);

// A plain step: the list moves on, the field is written again from the list,
// every segment tile is drawn and the cell the tail left is restored.
void BM_SnakMovStep20(benchmark::State& st) {
  SnakeGame game(static_cast<int>(st.range(0)));
  for (auto _ : st) {
    game.steer();
    game.form->SnakMovTimer();
  }
}
BENCHMARK(BM_SnakMovStep20)->Arg(2)->Arg(30)->Arg(70);

}  // namespace
}  // namespace vemo
