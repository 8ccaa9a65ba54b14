// From the first showing of the window to the playing screen: the display
// check, the records file, the wipe that uncovers the background, and the
// clicks that hurry it on.

#include "blocks/levels.h"
#include "render/geometry.h"
#include "render/pacer.h"
#include "shell/form1.h"

namespace vemo {

namespace {
constexpr char kDepthWarning[] =
    "Внимание!!! Для корректной работы игры нужно установить цветовую палитру на 24 или 32 бита "
    "(см. Пуск->Справка->Указатель, слово \"палитра\")";
constexpr std::int64_t kWipeUs = 1'000'000;
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
  State_.FieldSize = 15;
  LoadData();
  if (Menu_.checked("N31"))
    WipeIn();
  else
    Refresh();
  Timers_.enable(TimerId::Beg);
}

// Odd rows are uncovered from the left, even rows from the right, one column
// of both at a time.
void TForm1::WipeIn() {
  const Picture& background = Pictures_.Image1;
  auto copy = [&](int x, int y) {
    if (background.contains(x, y)) Canvas_.setPixel(x, y, background.at(x, y));
  };
  constexpr int kColumns = 643, kRows = 243;
  Pacer pacer(desktop_, kWipeUs, kColumns);
  for (int x = 0; x < kColumns; ++x) {
    for (int y = 0; y < kRows; ++y) {
      copy(x, 2 * y - 1);
      copy(640 - x, 2 * y);
    }
    pacer.stepDone(x);
  }
}

void TForm1::BegTimer() {
  Timers_.disable(TimerId::Beg);
  Timers_.setInterval(TimerId::Phaser, kRotationInterval);
  Canvas_.drawPicture(0, 0, Pictures_.Image1);
  const int level = State_.Speed;
  if (ValidLevel(level)) {
    Timers_.setInterval(TimerId::Mover, kLevelInterval[level]);
    Canvas_.drawPicture(kFirePictureAt.x, kFirePictureAt.y, Pictures_.I[level]);
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
