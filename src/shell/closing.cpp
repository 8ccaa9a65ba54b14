// Closing the main window: the running game pauses, the window is wiped,
// "Запись..." shows while the records file is written.

#include "render/pacer.h"
#include "shell/form1.h"

namespace vemo {

namespace {
constexpr std::int64_t kWipeUs = 1'000'000;
// Arial of 65 points at 96 dots per inch.
const FontSpec kSavingFont{"Arial", 87, false};
}  // namespace

void TForm1::WipeOut() {
  const Rgb colour = desktop_.menuColour();
  constexpr int kColumns = 641, kRows = 241;
  Pacer pacer(desktop_, kWipeUs, kColumns);
  for (int x = 0; x < kColumns; ++x) {
    for (int y = 0; y < kRows; ++y) {
      Canvas_.setPixel(x, 2 * y - 1, colour);
      Canvas_.setPixel(640 - x, 2 * y, colour);
    }
    pacer.stepDone(x);
  }
}

bool TForm1::FormCloseQuery() {
  if (State_.RunState == Run::Game) N4Click();
  if (Menu_.checked("N31")) {
    WipeOut();
  } else {
    const Rect outer = desktop_.windowFrame();
    Canvas_.rectangle(0, 0, outer.right, outer.bottom);
  }
  desktop_.drawText(Canvas_, {150, 180, Surface::kWidth, Surface::kHeight}, "Запись...", kSavingFont,
                    {.opaque = true});
  desktop_.presentNow();
  try {
    SaveData();
  } catch (const PlatformError& failure) {
    // A window that can never be closed would trap the player: the first
    // failure keeps the window open, the next one is told and then lets go.
    if (!saveFailedOnce_) {
      saveFailedOnce_ = true;
      throw;
    }
    desktop_.messageBox(MessageKind::Error, std::string(failure.what()) + ".");
  }
  return true;
}

}  // namespace vemo
