#include "desktop/stamp_texts.h"

#include <algorithm>
#include <stdexcept>

#include "shell/form1.h"

namespace vemo::desktop {

std::vector<StampText> StampTexts() {
  return {
      {StampId::Title, "title.pbm", kLabel1Rect, "Vemo", {"Arial", 320, false}, {}},
      {StampId::Hint, "hint.pbm", kLabel2Rect, "Нажмите на это окно", {"MS Sans Serif", 47, true},
       {.centred = true, .wordWrap = true}},
      // Arial of 65 points at 96 dots per inch.
      {StampId::Saving, "saving.pbm", {150, 180, Surface::kWidth, Surface::kHeight}, "Запись...",
       {"Arial", 87, false}, {.opaque = true}},
  };
}

Surface DrawStampText(const StampText& text, Rgb ground) {
  Surface surface(Surface::kWidth, Surface::kHeight, ground);
  DrawSurfaceText(surface, text.box, text.utf8, text.font, text.layout);
  return surface;
}

Stamp MakeStamp(const StampText& text) {
  constexpr Rgb kGround{120, 130, 140};
  constexpr Rgb kBlack{0, 0, 0};
  Surface surface(Surface::kWidth, Surface::kHeight, kGround);
  const Rect used = DrawSurfaceText(surface, text.box, text.utf8, text.font, text.layout);
  Stamp stamp;
  // Qt's white box, as the painter's own layout measured it.
  if (text.layout.opaque) stamp.whiteBox = used;
  Rect ink{Surface::kWidth, Surface::kHeight, 0, 0};
  for (int y = 0; y < surface.height(); ++y)
    for (int x = 0; x < surface.width(); ++x) {
      const Rgb p = surface.pixel(x, y);
      const bool inWhiteBox = x >= stamp.whiteBox.left && x < stamp.whiteBox.right && y >= stamp.whiteBox.top &&
                              y < stamp.whiteBox.bottom;
      if (p == kBlack) {
        ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1), std::max(ink.bottom, y + 1)};
      } else if (!(p == (inWhiteBox ? Surface::kWhite : kGround))) {
        throw std::runtime_error("Qt drew a colour other than black and white");
      }
    }
  if (ink.empty()) throw std::runtime_error("Qt drew no text");
  stamp.x = ink.left;
  stamp.y = ink.top;
  stamp.width = ink.right - ink.left;
  stamp.height = ink.bottom - ink.top;
  stamp.bits.assign(static_cast<std::size_t>(stamp.bytesPerRow() * stamp.height), 0);
  for (int y = 0; y < stamp.height; ++y)
    for (int x = 0; x < stamp.width; ++x)
      if (surface.pixel(stamp.x + x, stamp.y + y) == kBlack) stamp.setBlack(x, y);
  return stamp;
}

}  // namespace vemo::desktop
