// Closing the main window: the running game pauses, the window is wiped,
// "Запись..." shows while the records file is written.

#include "render/surface_stamps.h"
#include "shell/form1.h"
#include "shell/wipe.h"

namespace vemo {

// Covers the window with the menu colour.
void TForm1::WipeOut() {
  const Rgb colour = desktop_.menuColour();
  InterlacedWipe(desktop_, kScreenWipeUs, {.left = 0, .right = 640, .top = 0, .steps = 641, .linePairs = 241},
                 [&](int x, int y) { Canvas_.setPixel(x, y, colour); });
}

bool TForm1::FormCloseQuery() {
  if (State_.RunState == Run::Game) N4Click();
  if (AnimationOn()) {
    WipeOut();
  } else {
    const Rect outer = desktop_.windowFrame();
    Canvas_.rectangle(0, 0, outer.right, outer.bottom);
  }
  DrawStamp(Canvas_, SurfaceStamp(StampId::Saving));
  desktop_.presentNow();
  try {
    // Before the start-up has read the file, the table is the built-in one:
    // writing it would erase the player's records.
    if (recordsRead_) SaveData();
  } catch (const PlatformError& failure) {
    // A window that can never be closed would trap the player: the first
    // failure keeps the window open, the next one is told and then lets go.
    if (!saveFailedOnce_) {
      saveFailedOnce_ = true;
      throw;
    }
    ShowPlatformError(desktop_, failure);
  }
  return true;
}

}  // namespace vemo
