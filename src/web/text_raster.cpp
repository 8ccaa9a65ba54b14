#include "web/text_raster.h"

#include "records/cp1251.h"
#include "web/outline_fill.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace vemo::web {

namespace {

// Lengths in 26.6 fixed point, FreeType's unit and Qt's.
using Fixed = long;
constexpr Fixed kOne = 64;
Fixed Floor(Fixed v) { return v & -kOne; }
Fixed Round(Fixed v) { return Floor(v + kOne / 2); }
Fixed Ceil(Fixed v) { return Floor(v + kOne - 1); }

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library made = nullptr;
    if (FT_Init_FreeType(&made) != 0) throw std::runtime_error("FreeType did not start");
    return made;
  }();
  return library;
}

struct LineMetrics {
  Fixed ascent = 0;
  Fixed descent = 0;
  Fixed leading = 0;
};

Fixed Scale(long units, int pixelHeight, int unitsPerEm) {
  // Qt's fixed-point division rounds to the nearest 64th.
  const long long a = static_cast<long long>(units) * pixelHeight * kOne;
  const long long b = static_cast<long long>(unitsPerEm) * kOne;
  const long long magnitude = ((std::llabs(a) << 6) + (b >> 1)) / b;
  return static_cast<Fixed>(a < 0 ? -magnitude : magnitude);
}

// The face's line metrics as Qt reads them: hhea's ascent, descent and line
// gap, the ascent and descent overridden by the OS/2 table's Windows ones
// (all three by its typographic ones when the font asks for them), scaled
// to the pixel size with Qt's fixed-point rounding.
LineMetrics MetricsOf(FT_Face face, int pixelHeight) {
  LineMetrics m;
  const int upem = face->units_per_EM;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  if (hhea && (hhea->Ascender || hhea->Descender)) {
    m = {Scale(hhea->Ascender, pixelHeight, upem), Scale(-hhea->Descender, pixelHeight, upem),
         Scale(hhea->Line_Gap, pixelHeight, upem)};
  }
  constexpr unsigned kUseTypoMetrics = 0x80;
  if (os2 && (os2->fsSelection & kUseTypoMetrics)) {
    if (os2->sTypoAscender || os2->sTypoDescender)
      m = {Scale(os2->sTypoAscender, pixelHeight, upem), Scale(-os2->sTypoDescender, pixelHeight, upem),
           Scale(os2->sTypoLineGap, pixelHeight, upem)};
  } else if (os2 && (os2->usWinAscent || os2->usWinDescent)) {
    m.ascent = Scale(os2->usWinAscent, pixelHeight, upem);
    m.descent = Scale(os2->usWinDescent, pixelHeight, upem);
  }
  return m;
}

struct Glyph {
  FT_UInt index = 0;
  char32_t code = 0;
  Fixed advance = 0;  // with the kerning towards the next glyph
};

// Glyphs hinted for monochrome output, as Qt loads them for text without
// antialiasing.
constexpr FT_Int32 kHintedLoad = FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO;

// Qt keeps glyphs as bitmaps up to this pixel size and fills their outlines
// as paths above it.
constexpr int kLargestCachedGlyph = 64;

enum class Script { Common, Latin, Cyrillic, Other };

// The writing system of a character, for the runs Qt shapes one by one;
// blanks, digits and punctuation belong to the run they are in.
Script ScriptOf(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7))
    return Script::Latin;
  if (c >= 0x400 && c <= 0x52F) return Script::Cyrillic;
  if (c < 0x80 || (c >= 0x2000 && c <= 0x206F) || (c >= 0xA0 && c <= 0xBF)) return Script::Common;
  return Script::Other;
}

// With the slight hinting fontconfig asks for, Qt advances by the unhinted
// widths and kerns by the font's pairs, both in fractions of a pixel, within
// each run of one writing system (never across a change from one to another).
std::vector<Glyph> Shape(FT_Face face, const std::u32string& text) {
  std::vector<Glyph> glyphs;
  Script run = Script::Common;
  for (const char32_t c : text) {
    Glyph g{FT_Get_Char_Index(face, c), c, 0};
    // The unhinted advance, so the hinter need not run for it.
    if (FT_Load_Glyph(face, g.index, FT_LOAD_NO_HINTING) == 0) g.advance = face->glyph->linearHoriAdvance >> 10;
    const Script script = ScriptOf(c);
    const bool newRun = script != Script::Common && run != Script::Common && script != run;
    if (script != Script::Common) run = script;
    if (!glyphs.empty() && !newRun && FT_HAS_KERNING(face)) {
      FT_Vector kerning{};
      FT_Get_Kerning(face, glyphs.back().index, g.index, FT_KERNING_UNFITTED, &kerning);
      glyphs.back().advance += kerning.x;
    }
    glyphs.push_back(g);
  }
  return glyphs;
}

struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;  // past the last glyph drawn
  Fixed width = 0;      // without trailing blanks
};

Fixed WidthOf(const std::vector<Glyph>& glyphs, std::size_t begin, std::size_t end) {
  Fixed w = 0;
  for (std::size_t i = begin; i < end; ++i) w += glyphs[i].advance;
  return w;
}

// One line, or lines broken after blanks so that each fits the width when it
// can; a word wider than the line keeps its own line. (Qt would also break
// after a hyphen or a dash; no text of the program has one.)
std::vector<Line> BreakLines(const std::vector<Glyph>& glyphs, bool wrap, Fixed width) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < glyphs.size() || lines.empty()) {
    std::size_t end = glyphs.size();
    if (wrap) {
      std::size_t fits = 0;  // end of the last word that fits
      for (std::size_t i = begin; i < glyphs.size(); ++i) {
        const bool wordEnds = glyphs[i].code != U' ' && (i + 1 == glyphs.size() || glyphs[i + 1].code == U' ');
        if (!wordEnds) continue;
        if (fits && WidthOf(glyphs, begin, i + 1) > width) break;
        fits = i + 1;
      }
      end = fits ? fits : glyphs.size();
    }
    std::size_t next = end;
    while (next < glyphs.size() && glyphs[next].code == U' ') ++next;
    std::size_t last = end;
    while (last > begin && glyphs[last - 1].code == U' ') --last;
    lines.push_back({begin, next, WidthOf(glyphs, begin, last)});
    begin = next;
    if (begin >= glyphs.size()) break;
  }
  return lines;
}

void Blit(const FT_Bitmap& bitmap, int left, int top, const TextPlacement& box, std::uint8_t* mask) {
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const int y = top + static_cast<int>(row);
    if (y < 0 || y >= box.height) continue;
    const unsigned char* bits = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
    for (unsigned col = 0; col < bitmap.width; ++col) {
      const int x = left + static_cast<int>(col);
      if (x < 0 || x >= box.width) continue;
      if (bits[col >> 3] & (0x80 >> (col & 7))) mask[static_cast<std::size_t>(y) * box.width + x] = 255;
    }
  }
}

// A glyph from the bitmap cache: hinted, rendered at the whole pixel left of
// the pen, on the baseline rounded to a whole pixel.
void DrawBitmap(FT_Face face, FT_UInt index, Fixed pen, Fixed baseline, const TextPlacement& box,
                std::uint8_t* mask) {
  if (FT_Load_Glyph(face, index, kHintedLoad) != 0 || FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0) return;
  Blit(face->glyph->bitmap, static_cast<int>(Floor(pen) / kOne) + face->glyph->bitmap_left - box.left,
       static_cast<int>(Round(baseline) / kOne) - face->glyph->bitmap_top - box.top, box, mask);
}

// Adds a glyph's outline with its origin at `at` (surface pixels, y down) as
// Qt builds the path of large text: the outline loaded at one pixel per font
// unit, scaled to the size in 64ths of a pixel, each quadratic arc turned
// into the cubic that traces it. Qt loads it hinted, but at that size the
// faces' hints move no point of any glyph (checked glyph by glyph), so the
// hinter is spared here: it is the slowest part of a cold start.
void AddOutline(FT_Face face, FT_UInt index, int pixelHeight, OutlineFill::Point at, OutlineFill& path) {
  if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0 ||
      face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
    return;
  const FT_Outline& outline = face->glyph->outline;
  const FT_Fixed scale = FT_MulDiv(static_cast<FT_Long>(pixelHeight) * kOne, 1 << 10, face->units_per_EM);
  using P = OutlineFill::Point;
  auto local = [&](int i) {
    // 64ths of a pixel, far inside a double's exact range.
    const auto x = static_cast<double>(FT_MulFix(outline.points[i].x, scale));
    const auto y = static_cast<double>(FT_MulFix(outline.points[i].y, scale));
    return P{x / 64., -y / 64.};
  };
  auto shifted = [&](P p) { return P{p.x + at.x, p.y + at.y}; };
  auto thirds = [](P a, P b) { return P{(2 * a.x + b.x) / 3, (2 * a.y + b.y) / 3}; };
  auto half = [](P a, P b) { return P{(a.x + b.x) / 2, (a.y + b.y) / 2}; };
  auto onCurve = [&](int i) { return (outline.tags[i] & 1) != 0; };

  int i = 0;
  for (int contour = 0; contour < outline.n_contours; ++contour) {
    const int last = outline.contours[contour];
    P start = local(i);
    if (!onCurve(i)) {
      // An arc's control point starts the contour: it starts on the last
      // point, or halfway to it.
      start = onCurve(last) ? local(last) : half(local(last), start);
      --i;
    }
    start = shifted(start);
    path.moveTo(start);
    std::array<P, 4> c{start};
    int n = 1;
    while (i < last) {
      ++i;
      c[static_cast<std::size_t>(n++)] = shifted(local(i));
      switch (outline.tags[i] & 3) {
        case FT_CURVE_TAG_CUBIC:
          if (n < 4) continue;
          c[3] = half(c[3], c[2]);
          --i;
          break;
        case FT_CURVE_TAG_CONIC:
          if (n < 3) continue;
          c[3] = half(c[1], c[2]);
          c[2] = thirds(c[1], c[3]);
          c[1] = thirds(c[1], c[0]);
          --i;
          break;
        default:
          if (n == 2) {
            path.lineTo(c[1]);
            c[0] = c[1];
            n = 1;
            continue;
          }
          if (n == 3) {
            c[3] = c[2];
            c[2] = thirds(c[1], c[3]);
            c[1] = thirds(c[1], c[0]);
          }
          break;
      }
      path.cubicTo(c[1], c[2], c[3]);
      c[0] = c[3];
      n = 1;
    }
    if (n > 1) {
      c[3] = start;
      if (n == 2) {
        c[2] = thirds(c[1], c[3]);
        c[1] = thirds(c[1], c[0]);
      }
      path.cubicTo(c[1], c[2], c[3]);
    }
    ++i;
  }
}

}  // namespace

TextFace::TextFace(std::span<const std::uint8_t> ttf) {
  if (FT_New_Memory_Face(Library(), ttf.data(), static_cast<FT_Long>(ttf.size()), 0, &face_) != 0)
    throw std::runtime_error("a font could not be read");
}

TextFace::~TextFace() { FT_Done_Face(face_); }

Rect RasterText(const TextFace& text_face, int pixelHeight, std::string_view utf8, const TextPlacement& box,
                std::uint8_t* mask) {
  FT_Face face = text_face.face();
  FT_Set_Char_Size(face, static_cast<FT_F26Dot6>(pixelHeight) * kOne, static_cast<FT_F26Dot6>(pixelHeight) * kOne,
                   0, 0);
  const LineMetrics metrics = MetricsOf(face, pixelHeight);
  const std::vector<Glyph> glyphs = Shape(face, DecodeUtf8(utf8));
  const std::vector<Line> lines = BreakLines(glyphs, box.wordWrap, static_cast<Fixed>(box.width) * kOne);

  Fixed widest = 0;
  for (const Line& line : lines) widest = std::max(widest, line.width);
  // Lines start on whole pixels, one line height after another.
  Fixed height = -metrics.leading;
  std::vector<Fixed> tops;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    height = Ceil(height + metrics.leading);
    tops.push_back(height);
    height += metrics.ascent + metrics.descent;
    if (height >= static_cast<Fixed>(box.height) * kOne) break;
  }

  const bool outlines = pixelHeight > kLargestCachedGlyph;
  // Outlines are read at one pixel per font unit.
  if (outlines) FT_Set_Char_Size(face, face->units_per_EM * kOne, face->units_per_EM * kOne, 0, 0);
  for (std::size_t i = 0; i < tops.size(); ++i) {
    const Line& line = lines[i];
    Fixed pen = static_cast<Fixed>(box.left) * kOne +
                (box.centred ? (static_cast<Fixed>(box.width) * kOne - line.width) / 2 : 0);
    const Fixed baseline = static_cast<Fixed>(box.top) * kOne + tops[i] + metrics.ascent;
    OutlineFill path;
    for (std::size_t g = line.begin; g < line.end; ++g) {
      if (outlines) {
        AddOutline(face, glyphs[g].index, pixelHeight,
                   {static_cast<double>(pen) / kOne, static_cast<double>(baseline) / kOne}, path);
      } else {
        DrawBitmap(face, glyphs[g].index, pen, baseline, box, mask);
      }
      pen += glyphs[g].advance;
    }
    path.fill(box.left, box.top, box.left + box.width, box.top + box.height, [&](int x, int end, int y) {
      std::fill_n(mask + static_cast<std::size_t>(y - box.top) * box.width + (x - box.left), end - x,
                  std::uint8_t{255});
    });
  }

  // The lines' bounds, widened to whole pixels and cut at the box.
  const Fixed left = box.centred ? (static_cast<Fixed>(box.width) * kOne - widest) / 2 : 0;
  Rect used{static_cast<int>(Floor(left) / kOne), 0, static_cast<int>(Ceil(left + widest) / kOne),
            static_cast<int>(Ceil(height) / kOne)};
  used.left = std::max(used.left, 0);
  used.right = std::min(used.right, box.width);
  used.bottom = std::min(used.bottom, box.height);
  return used;
}

Rect PaintText(Surface& surface, Rect box, std::string_view utf8, const TextFace& face, int pixelHeight,
               TextLayout layout) {
  if (box.empty()) return {};
  // Laid out in the whole box, painted where the box meets the surface.
  const TextPlacement placement{.left = box.left,
                                .top = box.top,
                                .width = box.right - box.left,
                                .height = box.bottom - box.top,
                                .centred = layout.centred,
                                .wordWrap = layout.wordWrap};
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(placement.width) * placement.height);
  Rect used = RasterText(face, pixelHeight, utf8, placement, mask.data());
  used = {used.left + box.left, used.top + box.top, used.right + box.left, used.bottom + box.top};
  const int right = std::min(box.right, surface.width());
  const int bottom = std::min(box.bottom, surface.height());
  // Two colours only: the game reads surface pixels back. Written straight
  // into the bytes, as a painter would.
  auto paint = [&surface](int x, int y, std::uint8_t level) {
    std::uint8_t* p = surface.bytes() + static_cast<std::size_t>(y) * surface.bytesPerLine() + x * 3;
    p[0] = p[1] = p[2] = level;
  };
  if (layout.opaque) {
    for (int y = std::max(used.top, 0); y < std::min(used.bottom, bottom); ++y)
      for (int x = std::max(used.left, 0); x < std::min(used.right, right); ++x) paint(x, y, 255);
  }
  for (int y = std::max(box.top, 0); y < bottom; ++y)
    for (int x = std::max(box.left, 0); x < right; ++x)
      if (mask[static_cast<std::size_t>(y - box.top) * placement.width + (x - box.left)]) paint(x, y, 0);
  surface.markChanged(used);
  return used;
}

}  // namespace vemo::web
