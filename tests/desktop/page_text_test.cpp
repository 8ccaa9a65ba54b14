// The page's own text rasteriser against the desktop's Qt text: the same
// pixels and the same changed rectangle, for the program's texts and for
// sizes, wrapping and kerning around them.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "desktop/surface_text.h"
#include "web/text_raster.h"

namespace vemo::web {
namespace {

constexpr Rgb kRed{255, 0, 0};

// The faces the desktop draws with, as the page's build reads them.
std::vector<std::uint8_t> ReadFace(const char* style) {
  std::ifstream file(std::string("/usr/share/fonts/truetype/liberation2/LiberationSans-") + style + ".ttf",
                     std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

struct Case {
  const char* what;
  Rect box;
  const char* text;
  FontSpec font;
  TextLayout layout;
};

class PageText : public ::testing::TestWithParam<Case> {
 protected:
  static void SetUpTestSuite() {
    regularBytes_ = ReadFace("Regular");
    boldBytes_ = ReadFace("Bold");
    ASSERT_FALSE(regularBytes_.empty());
    ASSERT_FALSE(boldBytes_.empty());
  }
  static std::vector<std::uint8_t> regularBytes_;
  static std::vector<std::uint8_t> boldBytes_;
};
std::vector<std::uint8_t> PageText::regularBytes_;
std::vector<std::uint8_t> PageText::boldBytes_;

TEST_P(PageText, SamePixelsAsTheDesktop) {
  const Case& c = GetParam();
  Surface desktop(639, 476, kRed), page(639, 476, kRed);
  desktop.takeChanged();
  page.takeChanged();
  const Rect desktopUsed = desktop::DrawSurfaceText(desktop, c.box, c.text, c.font, c.layout);
  const TextFace face(c.font.bold ? boldBytes_ : regularBytes_);
  const Rect pageUsed = PaintText(page, c.box, c.text, face, c.font.pixelHeight, c.layout);

  EXPECT_EQ(pageUsed, desktopUsed);
  EXPECT_EQ(page.changed(), desktop.changed());
  int differing = 0, ink = 0;
  for (int y = 0; y < 476; ++y)
    for (int x = 0; x < 639; ++x) {
      differing += page.pixel(x, y) != desktop.pixel(x, y);
      ink += desktop.pixel(x, y) == Rgb{0, 0, 0};
    }
  EXPECT_GT(ink, 20) << "the desktop drew the text";
  EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PageText,
    ::testing::Values(
        Case{"TitleName", {12, 8, 634, 366}, "Vemo", {"Arial", 320, false}, {}},
        Case{"TitleHint", {8, 392, 633, 449}, "Нажмите на это окно", {"MS Sans Serif", 47, true}, {.centred = true, .wordWrap = true}},
        Case{"Saving", {150, 180, 639, 476}, "Запись...", {"Arial", 87, false}, {.opaque = true}},
        Case{"SmallText", {5, 5, 300, 40}, "Пауза, Рекорды: 12345", {"MS Sans Serif", 11, false}, {}},
        Case{"LargestBitmapSize", {0, 100, 639, 200}, "Ковер AVATAR", {"Arial", 64, true}, {.opaque = true}},
        Case{"SmallestOutlineSize", {0, 100, 639, 200}, "Ковер AVATAR", {"Arial", 65, true}, {.opaque = true}},
        Case{"KernedPairs", {3, 3, 639, 100}, "AVATAR Tomorrow, LYVA", {"Arial", 30, false}, {}},
        Case{"WrappedAndCentred", {20, 20, 320, 400}, "Нажмите на это окно и ещё раз", {"MS Sans Serif", 47, true}, {.centred = true, .wordWrap = true}},
        Case{"WrappedLargeOpaque", {10, 10, 400, 470}, "Запись данных", {"Arial", 87, false}, {.wordWrap = true, .opaque = true}},
        Case{"CutAtTheSurface", {500, 400, 700, 520}, "Запись...", {"Arial", 65, false}, {.opaque = true}}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.what); });

// The page reads large glyphs unhinted where Qt runs the hinter at one pixel
// per font unit: that is the same only while the hints move no point there.
TEST(PageTextFaces, HintsMoveNoPointAtOnePixelPerFontUnit) {
  for (const char* style : {"Regular", "Bold"}) {
    const std::vector<std::uint8_t> bytes = ReadFace(style);
    const TextFace face(bytes);
    FT_Face ft = face.face();
    ASSERT_EQ(FT_Set_Char_Size(ft, ft->units_per_EM * 64, ft->units_per_EM * 64, 0, 0), 0);
    auto points = [ft](FT_UInt glyph, FT_Int32 flags) {
      EXPECT_EQ(FT_Load_Glyph(ft, glyph, FT_LOAD_NO_BITMAP | flags), 0);
      const FT_Outline& o = ft->glyph->outline;
      std::vector<std::pair<FT_Pos, FT_Pos>> out;
      for (int i = 0; i < o.n_points; ++i) out.emplace_back(o.points[i].x, o.points[i].y);
      return out;
    };
    for (FT_UInt glyph = 0; glyph < static_cast<FT_UInt>(ft->num_glyphs); ++glyph)
      ASSERT_EQ(points(glyph, FT_LOAD_DEFAULT), points(glyph, FT_LOAD_NO_HINTING)) << style << " glyph " << glyph;
  }
}

}  // namespace
}  // namespace vemo::web
