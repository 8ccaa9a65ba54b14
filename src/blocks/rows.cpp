// Full rows, score, speed level and the score in the caption.

#include <array>
#include <string>

#include "blocks/levels.h"
#include "render/geometry.h"
#include "render/pacer.h"
#include "shell/form1.h"

namespace vemo {

namespace {
// The level rises when the score passes a threshold.
struct Threshold {
  int score, level;
};
constexpr std::array<Threshold, 4> kThresholds{{{75, 2}, {150, 3}, {300, 4}, {600, 5}}};

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
    if (Menu_.checked("N31")) WipeRow(r);
    // Everything above moves down; row -1 is copied into row 0, not cleared.
    for (int i = r; i >= 0; --i)
      for (int c = 0; c < WellGrid::kPlayColumns; ++c) s.Well.set(c, i, s.Well.at(c, i - 1));
    RedrawWell();
  }

  // Bonus for several rows at once: 1 + ... + (n - 1), or 2 + ... + n above level 3.
  for (; FullRowCount > 1; --FullRowCount) s.Score += speedBefore > 3 ? FullRowCount : FullRowCount - 1;

  if (removed && Menu_.checked("N8")) desktop_.playInformationSound();

  for (const Threshold& t : kThresholds)
    if (Menu_.checked("N22") && s.Score > t.score && s.Speed < t.level) s.Speed = t.level;

  HighTimer();
  if (s.Speed != speedBefore) SpeederTimer();
}

// Two sweeps across the row at once, one pixel column per step: odd lines from
// the left, even lines from the right, uncovering the background.
void TForm1::WipeRow(int r) {
  const Picture& background = Pictures_.Image1;
  const int top = CellOrigin(0, r).y;
  const int left = CellOrigin(0, r).x, right = CellOrigin(WellGrid::kPlayColumns, r).x - 1;
  auto copy = [&](int x, int y) {
    if (background.contains(x, y)) Canvas_.setPixel(x, y, background.at(x, y));
  };
  Pacer pacer(desktop_, kRowWipeUs, kRowWipeSteps);
  for (int step = 0; step < kRowWipeSteps; ++step) {
    for (int k = 0; k <= 7; ++k) {
      copy(left + step, top + 2 * k - 1);
      copy(right - step, top + 2 * k);
    }
    pacer.stepDone(step);
  }
}

void TForm1::SpeederTimer() {
  const int level = State_.Speed;
  if (!ValidLevel(level)) return;
  Timers_.setInterval(TimerId::Mover, kLevelInterval[level]);
  if (level > 0) Timers_.setInterval(TimerId::SnakMov, kLevelInterval[level]);
  Canvas_.drawPicture(kFirePictureAt.x, kFirePictureAt.y, Pictures_.I[level]);
}

void TForm1::HighTimer() { desktop_.setCaption("Vemo score : " + std::to_string(State_.Score)); }

}  // namespace vemo
