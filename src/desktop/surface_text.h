#pragma once
// Text drawn straight into the core's drawing surface.

#include <string>

#include "render/surface.h"
#include "shell/desktop.h"

namespace vemo::desktop {

// Writes `utf8` with its top-left corner at (x, y): black letters in an opaque
// white box as wide as the text and as high as the font's line. Marks the box
// as changed on the surface and returns it.
Rect DrawSurfaceText(Surface& surface, int x, int y, const std::string& utf8, const FontSpec& font);

}  // namespace vemo::desktop
