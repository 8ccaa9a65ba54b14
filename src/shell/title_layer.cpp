// The title layer: the window's own colour with the product name and the hint
// to click. It is painted once, when the window first shows, and the game
// picture is drawn over it from then on.

#include "shell/form1.h"

namespace vemo {

namespace {
const FontSpec kTitleFont{"Arial", 320, false};
const FontSpec kHintFont{"MS Sans Serif", 47, true};
}  // namespace

void TForm1::PaintTitleLayer() {
  Canvas_.fill(desktop_.menuColour());
  desktop_.drawText(Canvas_, kLabel1Rect, "Vemo", kTitleFont, {});
  desktop_.drawText(Canvas_, kLabel2Rect, "Нажмите на это окно", kHintFont, {.centred = true, .wordWrap = true});
}

}  // namespace vemo
