#pragma once
// Mouse buttons on the window's surface, as the title layer's labels take
// them: a press outside the labels is the window's own press; a left press
// and its release on the same label is a click of that label, which the
// labels take instead of the window's press.

#include <utility>

#include "render/surface.h"

namespace vemo {

// The two labels of the title layer, in client-area pixels.
inline constexpr Rect kLabel1Rect{12, 8, 12 + 622, 8 + 358};
inline constexpr Rect kLabel2Rect{8, 392, 8 + 625, 392 + 57};

// The title label (1 or 2) under a client-area pixel, or 0.
constexpr int TitleLabelAt(int x, int y) {
  auto inside = [x, y](const Rect& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; };
  return inside(kLabel1Rect) ? 1 : inside(kLabel2Rect) ? 2 : 0;
}

class TitleClicks {
 public:
  // True when the press is the window's own.
  bool press(int x, int y, bool leftButton) {
    const int label = TitleLabelAt(x, y);
    if (label != 0 && leftButton) pressedLabel_ = label;
    return label == 0;
  }
  // The label clicked by this release, or 0.
  int release(int x, int y, bool leftButton) {
    if (!leftButton) return 0;
    const int pressed = std::exchange(pressedLabel_, 0);
    return pressed != 0 && TitleLabelAt(x, y) == pressed ? pressed : 0;
  }

 private:
  int pressedLabel_ = 0;  // the label under a left press still held
};

}  // namespace vemo
