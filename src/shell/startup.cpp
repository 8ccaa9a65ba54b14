// From the first showing of the window to the playing screen: the display
// check, the records file, the wipe that uncovers the background, and the
// clicks that hurry it on.

#include "blocks/levels.h"
#include "render/geometry.h"
#include "render/squares.h"
#include "shell/form1.h"
#include "shell/wipe.h"
#include "snake/field_side.h"

namespace vemo {

namespace {
constexpr char kDepthWarning[] =
    "Внимание!!! Для корректной работы игры нужно установить цветовую палитру на 24 или 32 бита "
    "(см. Пуск->Справка->Указатель, слово \"палитра\")";
constexpr int kRotationInterval = 100;
}  // namespace

// The restore rule compares exact 24-bit colours, which a screen of 16 bits or
// less cannot keep.
bool TForm1::CheckColourDepth() {
  const int depth = desktop_.screenDepth();
  if (depth < 0) return false;
  return !(depth >= 1 && depth <= 16);
}

void TForm1::GorTimer() {
  Timers_.disable(TimerId::Gor);
  if (!CheckColourDepth()) {
    desktop_.messageBox(MessageKind::Warning, kDepthWarning);
    desktop_.quitNow();
    return;
  }
  State_.FieldSize = kDefaultFieldSide;
  LoadData();
  if (AnimationOn())
    WipeIn();
  else
    Refresh();
  Timers_.enable(TimerId::Beg);
}

// Uncovers the background.
void TForm1::WipeIn() {
  InterlacedWipe(desktop_, kScreenWipeUs, {.left = 0, .right = 640, .top = 0, .steps = 643, .linePairs = 243},
                 [this](int x, int y) { RestorePixel(Canvas_, Pictures_.Image1, x, y); });
}

void TForm1::BegTimer() {
  Timers_.disable(TimerId::Beg);
  Timers_.setInterval(TimerId::Phaser, kRotationInterval);
  Canvas_.drawPicture(0, 0, Pictures_.Image1);
  const int level = State_.Speed;
  if (ValidLevel(level)) {
    Timers_.setInterval(TimerId::Mover, kLevelInterval[level]);
    Canvas_.drawPicture(kFirePictureAt.x, kFirePictureAt.y, Pictures_.I(level));
  }
  // The one pen of the window from now on: every later frame uses it.
  Canvas_.setPen(State_.FrameColour, PenStyle::DashDotDot);
  WellFrame();
}

void TForm1::Label1Click() {
  if (Timers_.enabled(TimerId::Gor)) {
    Timers_.disable(TimerId::Gor);
    GorTimer();
  } else {
    Refresh();
  }
}

void TForm1::Label2Click() { Label1Click(); }

void TForm1::FormMouseDown() {
  Timers_.setInterval(TimerId::Gor, 1);
  Refresh();
}

}  // namespace vemo
