#pragma once
// Text drawn straight into the core's drawing surface.

#include <string>

#include "render/surface.h"
#include "shell/desktop.h"

namespace vemo::desktop {

// Writes `utf8` in black from the top of `box`, left-aligned or centred,
// wrapped at word boundaries if asked, and cut at the box's edges. Opaque text
// sits on a white box as wide as the text and as high as the font's line
// (cut at `box` too). Marks the painted area as changed and returns it.
Rect DrawSurfaceText(Surface& surface, Rect box, const std::string& utf8, const FontSpec& font, TextLayout layout);

}  // namespace vemo::desktop
