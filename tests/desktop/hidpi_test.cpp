// The window on a scaled screen: each surface pixel is a square block of
// whole device pixels in its exact colour, and clicks land on the surface
// pixel under them. CTest runs these tests on scaled offscreen screens too,
// telling each run the whole factor its screen must give in
// VEMO_EXPECTED_RATIO (1 when unset).

#include <cstdlib>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QWindow>

#include "desktop/window_fixture.h"

namespace vemo::desktop::testing {
namespace {

// The program's rounding of screen scale factors, in place before the test
// main makes the application object, as main() puts it there.
[[maybe_unused]] const bool kWholeScaleFactors = [] {
  UseWholeScaleFactors();
  return true;
}();

int ExpectedRatio() {
  const char* text = std::getenv("VEMO_EXPECTED_RATIO");
  return text ? std::atoi(text) : 1;
}

// A colour for each surface pixel that differs from all its neighbours', so
// that any smoothing or shift shows.
Rgb PatternAt(int x, int y) {
  return {static_cast<std::uint8_t>(x * 37 + y * 11), static_cast<std::uint8_t>(x * 5 + y * 53),
          static_cast<std::uint8_t>((x ^ y) * 3 + 128)};
}

class HiDpi : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // A test that pressed without releasing leaves QTest counting the button
    // as held, and a click with a button held is no fresh click: let go of it
    // (over the menu bar, away from the view).
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
      if (QTestPrivate::qtestMouseButtons.testFlag(button)) QTest::mouseRelease(window.windowHandle(), button, {}, {});
    window.entries.clear();
  }

  // A press and release at a position of the view given in logical
  // coordinates, fractions included, as Qt delivers a device pixel.
  void clickAt(QPointF position) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
      QMouseEvent event(type, position, window.view().mapToGlobal(position), Qt::LeftButton, held, Qt::NoModifier);
      QCoreApplication::sendEvent(&window.view(), &event);
    }
  }
  // A click through the window system at a point of the view in logical
  // coordinates: Qt turns it into device pixels and back.
  void clickThroughWindow(QPoint point) {
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, window.view().mapTo(&window, point));
  }
};

TEST_F(HiDpi, TheScreenGivesAWholeFactor) {
  EXPECT_EQ(window.view().devicePixelRatioF(), ExpectedRatio());
  EXPECT_EQ(window.view().size(), QSize(Surface::kWidth, Surface::kHeight));
}

TEST_F(HiDpi, EachSurfacePixelIsABlockOfItsExactColour) {
  Surface& surface = form.Canvas();
  for (int y = 0; y < surface.height(); ++y)
    for (int x = 0; x < surface.width(); ++x) surface.setPixel(x, y, PatternAt(x, y));
  window.view().updateChanged();

  const int f = ExpectedRatio();
  const QImage shot = window.view().grab().toImage().convertToFormat(QImage::Format_RGB888);
  ASSERT_EQ(shot.size(), QSize(Surface::kWidth * f, Surface::kHeight * f));
  int wrong = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      const Rgb want = PatternAt(x / f, y / f);
      const QRgb got = shot.pixel(x, y);
      if (qRed(got) == want.r && qGreen(got) == want.g && qBlue(got) == want.b) continue;
      if (wrong++ == 0) ADD_FAILURE() << "first wrong device pixel at " << x << ", " << y;
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(HiDpi, ClicksThroughTheWindowSystemHitTheLabels) {
  clickThroughWindow(QPoint(12, 8));    // label 1's first pixel
  clickThroughWindow(QPoint(11, 8));    // left of it
  clickThroughWindow(QPoint(632, 448));  // label 2's last pixel
  clickThroughWindow(QPoint(632, 449));  // below it
  EXPECT_EQ(window.entries, (std::vector<std::string>{"label 1", "mouse", "label 2", "mouse"}));
}

TEST_F(HiDpi, APositionInsideAPixelCountsAsThatPixel) {
  // The right and lower halves of the pixels just outside label 1's corner,
  // and the far corner of label 2's last pixel.
  clickAt(QPointF(11.5, 8.0));
  clickAt(QPointF(12.0, 7.5));
  clickAt(QPointF(632.5, 448.5));
  // Just past label 2's right edge.
  clickAt(QPointF(633.0, 448.5));
  EXPECT_EQ(window.entries, (std::vector<std::string>{"mouse", "mouse", "label 2", "mouse"}));
}

TEST(SurfacePixel, RoundsDown) {
  EXPECT_EQ(SurfacePixelAt(QPointF(11.5, 7.5)), QPoint(11, 7));
  EXPECT_EQ(SurfacePixelAt(QPointF(11.99, 0.0)), QPoint(11, 0));
  EXPECT_EQ(SurfacePixelAt(QPointF(-0.5, 3.0)), QPoint(-1, 3));
}

}  // namespace
}  // namespace vemo::desktop::testing
