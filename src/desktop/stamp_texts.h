#pragma once
// The surface's three texts as the desktop's Qt draws them: what the stamps
// in assets/ are made from (tools/stampgen) and checked against (the tests).

#include <string>
#include <vector>

#include "desktop/surface_text.h"
#include "render/stamp.h"
#include "render/surface_stamps.h"

namespace vemo::desktop {

struct StampText {
  StampId id;
  std::string fileName;  // in assets/
  Rect box;
  std::string utf8;
  FontSpec font;
  TextLayout layout;
};

std::vector<StampText> StampTexts();

// Draws the text with Qt on a surface of `ground` (neither black nor white).
// Needs a QGuiApplication.
Surface DrawStampText(const StampText& text, Rgb ground);
// The stamp of what Qt draws: its black pixels and, for opaque text, the white
// box. Throws std::runtime_error when Qt paints any other colour.
Stamp MakeStamp(const StampText& text);

}  // namespace vemo::desktop
