// Mouse buttons on the client area: the two title labels take left clicks,
// everywhere else any button is a mouse-down for the core.

#include "desktop/window_fixture.h"

namespace vemo::desktop::testing {
namespace {

using Entries = std::vector<std::string>;
using Mouse = WindowTest;

TEST_F(Mouse, ClicksOnTheLabels) {
  QTest::mouseClick(&window.view(), Qt::LeftButton, {}, QPoint(300, 100));
  QTest::mouseClick(&window.view(), Qt::LeftButton, {}, QPoint(12, 8));    // label 1's first pixel
  QTest::mouseClick(&window.view(), Qt::LeftButton, {}, QPoint(632, 448));  // label 2's last pixel
  EXPECT_EQ(window.entries, (Entries{"label 1", "label 1", "label 2"}));
}

TEST_F(Mouse, OutsideTheLabelsAnyButtonIsAMouseDown) {
  QTest::mouseClick(&window.view(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(&window.view(), Qt::RightButton, {}, QPoint(320, 380));  // between the labels
  QTest::mouseClick(&window.view(), Qt::MiddleButton, {}, QPoint(634, 100));  // right of label 1
  QTest::mouseClick(&window.view(), Qt::LeftButton, {}, QPoint(633, 448));   // right of label 2
  EXPECT_EQ(window.entries, (Entries{"mouse", "mouse", "mouse", "mouse"}));
}

TEST_F(Mouse, PressOnALabelIsNeverAMouseDown) {
  QTest::mouseClick(&window.view(), Qt::RightButton, {}, QPoint(300, 100));
  // Pressed on one label, released elsewhere: no click.
  QTest::mousePress(&window.view(), Qt::LeftButton, {}, QPoint(300, 100));
  QTest::mouseRelease(&window.view(), Qt::LeftButton, {}, QPoint(300, 420));
  QTest::mousePress(&window.view(), Qt::LeftButton, {}, QPoint(300, 420));
  QTest::mouseRelease(&window.view(), Qt::LeftButton, {}, QPoint(300, 470));
  EXPECT_EQ(window.entries, Entries{});
}

}  // namespace
}  // namespace vemo::desktop::testing
