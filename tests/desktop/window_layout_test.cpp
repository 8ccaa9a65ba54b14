// The main window's frame: client area, fixed size, title, icon, place.

#include <QMenuBar>
#include <QScreen>

#include "desktop/window_fixture.h"

namespace vemo::desktop::testing {
namespace {

using WindowLayout = WindowTest;

TEST_F(WindowLayout, ClientAreaIsTheSurfaceBelowTheMenuBar) {
  EXPECT_EQ(window.centralWidget(), &window.view());
  EXPECT_EQ(window.view().size(), QSize(639, 476));
  EXPECT_EQ(window.view().geometry().top(), window.menuBar()->geometry().bottom() + 1);
  EXPECT_GT(window.menuBar()->height(), 0);
  EXPECT_EQ(window.size(), QSize(639, 476 + window.menuBar()->height()));
}

TEST_F(WindowLayout, CannotBeResizedOrMaximised) {
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_EQ(window.minimumSize(), window.size());
  const QSize before = window.size();
  window.resize(1000, 800);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.size(), before);
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(WindowLayout, TitleIconAndPlace) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Vemo"));
  EXPECT_FALSE(window.windowIcon().isNull());
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QPoint offset = window.frameGeometry().center() - screen.center();
  EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
}

TEST_F(WindowLayout, SurfaceHasTheFocusForArrowKeys) {
  EXPECT_EQ(window.view().focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(QApplication::focusWidget(), &window.view());
}

TEST_F(WindowLayout, ShowsTheSurfacePixels) {
  form.Canvas().fill({10, 20, 30});
  form.Canvas().setPixel(100, 200, {250, 0, 0});
  window.presentNow();
  EXPECT_TRUE(form.Canvas().changed().empty());
  const QImage shot = window.view().grab().toImage();
  ASSERT_EQ(shot.size(), QSize(639, 476));
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(10, 20, 30));
  EXPECT_EQ(shot.pixelColor(638, 475), QColor(10, 20, 30));
  EXPECT_EQ(shot.pixelColor(100, 200), QColor(250, 0, 0));
}

}  // namespace
}  // namespace vemo::desktop::testing
