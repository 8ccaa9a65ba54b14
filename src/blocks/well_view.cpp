// The main window's handlers that draw the well.

#include "render/well_drawing.h"
#include "shell/form1.h"

namespace vemo {

void TForm1::DrawCell(int c, int r) { DrawWellCell(Canvas_, Pictures_.Image1, State_.Well, c, r); }

void TForm1::RedrawWell() { DrawWell(Canvas_, Pictures_.Image1, State_.Well); }

void TForm1::RedrawPieceArea() {
  DrawPieceArea(Canvas_, Pictures_.Image1, State_.Well, State_.PieceX, State_.PieceY);
}

void TForm1::WellFrame() { DrawWellFrame(Canvas_); }

}  // namespace vemo
