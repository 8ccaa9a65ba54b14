#pragma once
// A plain player for the snake game, so that long random runs still grow the
// snake: the arrow key of a direction whose next cell is on the field and free
// of segments, one that brings the head nearer the apple when there is such.

#include <array>
#include <cstdlib>
#include <optional>
#include <vector>

#include "render/tiles.h"
#include "shell/form1.h"
#include "snake/snake_field.h"

namespace vemo::testing {

inline std::optional<int> SnakeKeyTowardsApple(const GameState& s) {
  if (s.Mode != GameMode::Snake) return std::nullopt;
  const int n = snake::Side(s);
  std::vector<bool> body(static_cast<std::size_t>(n * n));
  for (int k = 1; k < s.SegCount; ++k) {
    const snake::Cell c = snake::EntryCell(s, k);
    if (snake::OnField(n, c)) body[static_cast<std::size_t>(c.y * n + c.x)] = true;
  }
  std::optional<snake::Cell> apple;
  for (int x = 0; x < n; ++x)
    for (int y = 0; y < n; ++y)
      if (IsColourLetter(s.SnakeField[x][y]) && !body[static_cast<std::size_t>(y * n + x)]) apple = snake::Cell{x, y};
  const snake::Cell head = snake::EntryCell(s, 1);
  // In the order of the key codes 37..40.
  constexpr std::array<Heading, 4> kByKey{Heading::Left, Heading::Up, Heading::Right, Heading::Down};
  std::optional<int> free;
  for (int i = 0; i < 4; ++i) {
    const snake::Cell c = snake::Ahead(head, kByKey[static_cast<std::size_t>(i)]);
    if (!snake::OnField(n, c) || body[static_cast<std::size_t>(c.y * n + c.x)]) continue;
    free = vk::kLeft + i;
    if (apple && std::abs(c.x - apple->x) + std::abs(c.y - apple->y) <
                     std::abs(head.x - apple->x) + std::abs(head.y - apple->y))
      return free;
  }
  return free;
}

}  // namespace vemo::testing
