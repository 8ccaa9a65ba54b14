#pragma once
// Text drawn straight into the core's drawing surface by Qt: what the
// surface's stamps are made from and checked against (desktop/stamp_texts.h).

#include <string>

#include "render/surface.h"

namespace vemo::desktop {

// A font as the program names it: a family name, a character height in pixels.
struct FontSpec {
  std::string family = "MS Sans Serif";
  int pixelHeight = 11;
  bool bold = false;
};

// How text sits in its box: labels are left-aligned or centred, may wrap at
// word boundaries, and are cut at the box's edges.
struct TextLayout {
  bool centred = false;
  bool wordWrap = false;
  bool opaque = false;  // paint white behind the text's own line, else leave the box as it is
};

// Writes `utf8` in black from the top of `box`, left-aligned or centred,
// wrapped at word boundaries if asked, and cut at the box's edges. Opaque text
// sits on a white box as wide as the text and as high as the font's line
// (cut at `box` too). Marks the painted area as changed and returns it.
Rect DrawSurfaceText(Surface& surface, Rect box, const std::string& utf8, const FontSpec& font, TextLayout layout);

}  // namespace vemo::desktop
