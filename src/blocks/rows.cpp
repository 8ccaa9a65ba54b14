// Full rows, score, speed level and the score in the caption.

#include <string>

#include "blocks/levels.h"
#include "render/geometry.h"
#include "render/squares.h"
#include "shell/form1.h"
#include "shell/product.h"
#include "shell/wipe.h"

namespace vemo {

namespace {
constexpr std::int64_t kRowWipeUs = 100'000;
constexpr int kRowWipeSteps = 150;

bool RowFull(const WellGrid& well, int r) {
  for (int c = 0; c < WellGrid::kPlayColumns; ++c)
    if (well.isFree(c, r)) return false;
  return true;
}
}  // namespace

void TForm1::DestroyerTimer() {
  GameState& s = State_;
  int FullRowCount = 0;
  const int speedBefore = s.Speed;
  bool removed = false;

  for (int r = 0; r <= WellGrid::kLastPlayRow; ++r) {
    if (!RowFull(s.Well, r)) continue;
    removed = true;
    if (s.Speed >= 1 && s.Speed <= 5) s.Score += 2 * s.Speed;
    ++FullRowCount;
    for (int c = 0; c < WellGrid::kPlayColumns; ++c) s.Well.set(c, r, cell::kEmpty);
    if (AnimationOn()) WipeRow(r);
    // Everything above moves down; row -1 is copied into row 0, not cleared.
    for (int i = r; i >= 0; --i)
      for (int c = 0; c < WellGrid::kPlayColumns; ++c) s.Well.set(c, i, s.Well.at(c, i - 1));
    RedrawWell();
  }

  // Bonus for several rows at once: 1 + ... + (n - 1), or 2 + ... + n above level 3.
  for (; FullRowCount > 1; --FullRowCount) s.Score += speedBefore > 3 ? FullRowCount : FullRowCount - 1;

  if (removed && SoundOn()) desktop_.playInformationSound();

  if (SpeedIncreaseOn()) s.Speed = RaisedLevel(kBlockThresholds, s.Score, s.Speed);

  HighTimer();
  if (s.Speed != speedBefore) SpeederTimer();
}

// Uncovers the background across the row.
void TForm1::WipeRow(int r) {
  const WipeSweep sweep{.left = CellOrigin(0, r).x,
                        .right = CellOrigin(WellGrid::kPlayColumns, r).x - 1,
                        .top = CellOrigin(0, r).y,
                        .steps = kRowWipeSteps,
                        .linePairs = 8};
  InterlacedWipe(desktop_, kRowWipeUs, sweep, [this](int x, int y) { RestorePixel(Canvas_, Pictures_.Image1, x, y); });
}

void TForm1::SpeederTimer() {
  const int level = State_.Speed;
  if (!ValidLevel(level)) return;
  Timers_.setInterval(TimerId::Mover, kLevelInterval[level]);
  if (level > 0) Timers_.setInterval(TimerId::SnakMov, kLevelInterval[level]);
  Canvas_.drawPicture(kFirePictureAt.x, kFirePictureAt.y, Pictures_.I(level));
}

void TForm1::HighTimer() { desktop_.setCaption(std::string(kProductName) + " score : " + std::to_string(State_.Score)); }

}  // namespace vemo
