// Drawing the snake game: the screen of a new game with the frame around the
// field, the whole-field redraw and the redraw after a move step. Empty cells
// are erased by restoring the background, only where their test pixel shows
// something else.

#include "render/geometry.h"
#include "render/squares.h"
#include "render/tiles.h"
#include "snake/snake_field.h"
#include "shell/form1.h"

namespace vemo {

void TForm1::SnakBegTimer() {
  Canvas_.drawPicture(0, 0, Pictures_.Image1);
  Canvas_.setPenColour(State_.FrameColour);
  Timers_.disable(TimerId::SnakBeg);
  SpeederTimer();
  SnakeFrame();
}

// Six rings of one-pixel lines around the field with the current pen: outer
// edge (45, 84), inner edge exactly around the field.
void TForm1::SnakeFrame() {
  const int e = kCellSize * snake::Side(State_);
  for (int i = 0; i <= 5; ++i) {
    Canvas_.moveTo(45 + i, 84);
    Canvas_.lineTo(45 + i, e + 90);
    Canvas_.moveTo(45, 84 + i);
    Canvas_.lineTo(e + 57, 84 + i);
    Canvas_.moveTo(45, e + 90 + i);
    Canvas_.lineTo(e + 57, e + 90 + i);
    Canvas_.moveTo(e + 51 + i, 90);
    Canvas_.lineTo(e + 51 + i, e + 90);
  }
}

void TForm1::SnakVisTimer() {
  const int n = snake::Side(State_);
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      const Point origin = SnakeCellOrigin(x, y);
      DrawSquare(Canvas_, Pictures_.Image1, origin.x, origin.y, State_.SnakeField[x][y]);
    }
  }
}

// Every segment is drawn again, because the colours slide along the body;
// then the cell the tail left is erased. (No other cell is tested: on this
// surface only tiles and restored squares are ever drawn into the field, and
// the whole-field redraws clean up anything else.)
void TForm1::DrawSnake() {
  const GameState& s = State_;
  const int n = snake::Side(s);
  for (int k = 1; k <= s.SegCount; ++k) {
    const snake::Cell c = snake::EntryCell(s, k);
    const char code = snake::FieldAt(s, c);
    if (snake::OnField(n, c) && IsColourLetter(code)) {
      const Point origin = SnakeCellOrigin(c.x, c.y);
      Canvas_.drawPicture(origin.x, origin.y, TileFor(code));
    }
  }
  const snake::Cell tail = snake::EntryCell(s, s.SegCount);
  if (snake::OnField(n, tail) && snake::FieldAt(s, tail) == snake::kEmpty) {
    const Point origin = SnakeCellOrigin(tail.x, tail.y);
    RestoreSquare(Canvas_, Pictures_.Image1, origin.x, origin.y);
  }
}

}  // namespace vemo
