#pragma once
// Text turned into two-colour pixels the way the desktop program's Qt does
// it on Linux: up to 64 pixels, FreeType's monochrome rasteriser on glyphs
// hinted for monochrome output; above, the glyphs' outlines filled as Qt fills
// an aliased path; unhinted advances and the font's kerning in fractions of a
// pixel, Qt's line metrics, its centring and its wrapping at blanks. The same
// pixels on the page as on the desktop, since the game reads the surface back.

#include <cstdint>
#include <span>
#include <string_view>

#include "render/surface.h"
#include "shell/desktop.h"

typedef struct FT_FaceRec_* FT_Face;

namespace vemo::web {

// A TrueType face read from bytes that outlive it.
class TextFace {
 public:
  explicit TextFace(std::span<const std::uint8_t> ttf);
  ~TextFace();
  TextFace(const TextFace&) = delete;
  TextFace& operator=(const TextFace&) = delete;

  FT_Face face() const { return face_; }

 private:
  FT_Face face_ = nullptr;
};

struct TextPlacement {
  int left = 0;    // the box on the surface, in pixels
  int top = 0;
  int width = 0;
  int height = 0;
  bool centred = false;  // else left-aligned
  bool wordWrap = false;  // else one line
};

// Writes `utf8` at `pixelHeight` from the top of a box of placement's size
// into `mask` (width x height bytes, row after row): 255 where there is ink,
// untouched elsewhere. Returns the part of the box the lines take, as the
// desktop reports it (the lines' width and height, cut at the box).
Rect RasterText(const TextFace& face, int pixelHeight, std::string_view utf8, const TextPlacement& placement,
                std::uint8_t* mask);

// Draws on the surface as the desktop program draws text: black ink cut at
// the box, over a white box as large as the lines when `layout.opaque`.
// Marks the changed part and returns it.
Rect PaintText(Surface& surface, Rect box, std::string_view utf8, const TextFace& face, int pixelHeight,
               TextLayout layout);

}  // namespace vemo::web
