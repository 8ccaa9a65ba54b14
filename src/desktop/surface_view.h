#pragma once
// The main window's client area: shows the core's drawing surface pixel for
// pixel (on a scaled screen as blocks of whole device pixels, never smoothed)
// and turns mouse buttons into the core's mouse events.

#include <QWidget>

#include "render/surface.h"
#include "shell/title_clicks.h"

namespace vemo::desktop {

class SurfaceView : public QWidget {
  Q_OBJECT

 public:
  explicit SurfaceView(Surface& surface, QWidget* parent = nullptr);

  // Hands what the core drew since the last call to the window system:
  // later with the next paint, or at once (for frames inside a long handler
  // and before modal windows, which would otherwise cover a stale picture).
  void updateChanged();
  void repaintChanged();

 signals:
  // A button pressed outside both title labels.
  void mouseDown();
  // A left press and release both on title label 1 or 2.
  void labelClicked(int label);
  // The keyboard went elsewhere (another window, an opened menu).
  void focusLost();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QRect takeChanged();

  Surface& surface_;
  TitleClicks clicks_;
};

// The surface pixel under a position in the view's logical coordinates. On a
// scaled screen a device pixel sits at a fraction (11.5 is the right half of
// pixel 11 at a factor of 2), so this rounds down, never to the nearest.
QPoint SurfacePixelAt(QPointF position);

// Makes a screen of fractional scale (1.5, 2.5) use the whole factor below it,
// so that each surface pixel is a square of whole device pixels and the
// window fits where it would at the plain scale. Call before the application
// object exists.
void UseWholeScaleFactors();

}  // namespace vemo::desktop
