#pragma once
// A main window for snake tests, with ways to look at the field and its
// window pixels. The start-up sequence is stopped: it would read the records
// file and set the field size.

#include <vector>

#include "render/geometry.h"
#include "render/tiles.h"
#include "snake/snake_field.h"
#include "support/game_fixture.h"

namespace vemo::testing {

class SnakeTest : public GameTest {
 protected:
  SnakeTest() { timers().disable(TimerId::Gor); }

  void start(int side, const char* item = "N25") {
    state().FieldSize = side;
    form->OnMenu(item);
  }
  // Window pixels read straight from the buffer, so the surface's counters
  // see only the program's own reads.
  Rgb rawPixel(int x, int y) {
    const Surface& s = canvas();
    const std::uint8_t* p = s.bytes() + static_cast<std::size_t>(y) * s.bytesPerLine() + static_cast<std::size_t>(x) * 3;
    return {p[0], p[1], p[2]};
  }
  bool showsBackground(int x, int y) { return rawPixel(x, y) == form->Images().Image1.at(x, y); }
  // The cell's square shows the tile of its code, or the background for ' '.
  bool cellShows(snake::Cell c, char code) {
    const Point o = SnakeCellOrigin(c.x, c.y);
    for (int dy = 0; dy < kCellSize; ++dy)
      for (int dx = 0; dx < kCellSize; ++dx) {
        const Rgb want = code == ' ' ? form->Images().Image1.at(o.x + dx, o.y + dy) : TileFor(code).at(dx, dy);
        if (!(rawPixel(o.x + dx, o.y + dy) == want)) return false;
      }
    return true;
  }
  bool wholeFieldShowsItsCodes() {
    const int n = state().FieldSize;
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n; ++x)
        if (!cellShows({x, y}, state().SnakeField[x][y])) return false;
    return true;
  }
  std::vector<snake::Cell> lettersOnField() {
    std::vector<snake::Cell> out;
    const int n = state().FieldSize;
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n; ++x)
        if (IsColourLetter(state().SnakeField[x][y])) out.push_back({x, y});
    return out;
  }
  snake::Cell entry(int k) { return snake::EntryCell(state(), k); }
};

}  // namespace vemo::testing
