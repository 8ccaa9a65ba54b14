// The page shows what the desktop shows from one set of values (shell/look.h):
// these hold only while the desktop's toolkit and faces agree with them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QPalette>
#include <QRawFont>

#include "desktop/dialog_font.h"
#include "shell/look.h"

namespace vemo {
namespace {

TEST(Look, TheWindowColourIsTheToolkitsOwn) {
  const QColor window = QApplication::palette().color(QPalette::Window);
  EXPECT_EQ((Rgb{static_cast<std::uint8_t>(window.red()), static_cast<std::uint8_t>(window.green()),
                 static_cast<std::uint8_t>(window.blue())}),
            kWindowColour);
}

TEST(Look, TheSansLinePitchIsTheFacesOwn) {
  // Unrounded, from the face's design units, as a large size gives them.
  QFont font = desktop::DialogFont({"Arial", 1000, false});
  font.setHintingPreference(QFont::PreferNoHinting);
  const QRawFont raw = QRawFont::fromFont(font);
  ASSERT_EQ(raw.familyName(), QStringLiteral("Liberation Sans"));
  EXPECT_NEAR((raw.ascent() + raw.descent() + raw.leading()) / raw.pixelSize(), kSansLinePitch, 0.0001);
}

}  // namespace
}  // namespace vemo
