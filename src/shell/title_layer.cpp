// The title layer: the window's own colour with the product name and the hint
// to click. It is painted once, when the window first shows, and the game
// picture is drawn over it from then on.

#include "render/surface_stamps.h"
#include "shell/form1.h"

namespace vemo {

void TForm1::PaintTitleLayer() {
  Canvas_.fill(desktop_.menuColour());
  DrawStamp(Canvas_, SurfaceStamp(StampId::Title));
  DrawStamp(Canvas_, SurfaceStamp(StampId::Hint));
}

}  // namespace vemo
