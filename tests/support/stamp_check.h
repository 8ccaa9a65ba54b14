#pragma once
// Whether a stamp shows on a surface: every black pixel of its mask black,
// the rest of its white box white.

#include "render/stamp.h"
#include "render/surface.h"

namespace vemo::testing {

inline bool ShowsStamp(const Surface& surface, const Stamp& stamp) {
  constexpr Rgb kBlack{0, 0, 0};
  for (int y = 0; y < stamp.height; ++y)
    for (int x = 0; x < stamp.width; ++x)
      if (stamp.black(x, y) && surface.pixel(stamp.x + x, stamp.y + y) != kBlack) return false;
  const Rect& box = stamp.whiteBox;
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x) {
      const bool ink = stamp.maskBox().left <= x && x < stamp.maskBox().right && stamp.maskBox().top <= y &&
                       y < stamp.maskBox().bottom && stamp.black(x - stamp.x, y - stamp.y);
      if (!ink && surface.pixel(x, y) != Surface::kWhite) return false;
    }
  return true;
}

}  // namespace vemo::testing
