// The stamps built into the program against the desktop's Qt text drawn from
// the installed faces now: a change of Qt or of the faces shows here (remake
// the stamps with tools/stampgen).

#include <gtest/gtest.h>

#include <string>

#include <embedded/vemo_assets.h>

#include "desktop/stamp_texts.h"

namespace vemo::desktop::testing {
namespace {

// Describes the first pixel where two surfaces differ, and how many do.
std::string Difference(const Surface& qt, const Surface& stamped) {
  int count = 0;
  std::string first;
  for (int y = 0; y < qt.height(); ++y)
    for (int x = 0; x < qt.width(); ++x)
      if (!(qt.pixel(x, y) == stamped.pixel(x, y))) {
        if (count++ == 0) first = "first at " + std::to_string(x) + "," + std::to_string(y);
      }
  return count == 0 ? "" : std::to_string(count) + " pixels differ, " + first;
}

class StampsTest : public ::testing::TestWithParam<Rgb> {};

TEST_P(StampsTest, EachStampDrawsWhatQtDraws) {
  const Rgb ground = GetParam();
  const auto texts = StampTexts();
  ASSERT_EQ(texts.size(), 3u);
  for (const StampText& text : texts) {
    SCOPED_TRACE(text.fileName);
    const Surface qt = DrawStampText(text, ground);
    Surface stamped(Surface::kWidth, Surface::kHeight, ground);
    stamped.takeChanged();
    DrawStamp(stamped, SurfaceStamp(text.id));
    EXPECT_EQ(Difference(qt, stamped), "");
    // Every pixel the stamp changed lies in the area it marks as changed.
    const Rect changed = stamped.changed();
    for (int y = 0; y < stamped.height(); ++y) {
      for (int x = 0; x < stamped.width(); ++x) {
        if (stamped.pixel(x, y) == ground) continue;
        ASSERT_TRUE(x >= changed.left && x < changed.right && y >= changed.top && y < changed.bottom) << x << "," << y;
      }
    }
  }
}

// The window's colour here, a colour of no text, and one near black.
INSTANTIATE_TEST_SUITE_P(Grounds, StampsTest,
                         ::testing::Values(Rgb{239, 239, 239}, Rgb{255, 0, 0}, Rgb{1, 1, 1}));

TEST(Stamps, TheCommittedFilesAreWhatTheGeneratorWritesNow) {
  for (const StampText& text : StampTexts()) {
    SCOPED_TRACE(text.fileName);
    const std::span<const unsigned char> committed = text.id == StampId::Title  ? assets::title_pbm
                                                     : text.id == StampId::Hint ? assets::hint_pbm
                                                                                : assets::saving_pbm;
    EXPECT_EQ(std::string(committed.begin(), committed.end()), WriteStamp(MakeStamp(text)));
  }
}

TEST(Stamps, TheSavingTextsWhiteBoxStartsAtItsPlace) {
  // Left-aligned opaque text: Qt's box begins where the text's box does.
  for (const StampText& text : StampTexts())
    if (text.id == StampId::Saving) {
      const Stamp stamp = SurfaceStamp(text.id);
      EXPECT_EQ(stamp.whiteBox.left, text.box.left);
      EXPECT_EQ(stamp.whiteBox.top, text.box.top);
      EXPECT_GT(stamp.whiteBox.bottom - stamp.whiteBox.top, text.font.pixelHeight);
    }
}

}  // namespace
}  // namespace vemo::desktop::testing
