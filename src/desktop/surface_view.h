#pragma once
// The main window's client area: shows the core's drawing surface pixel for
// pixel and turns mouse buttons into the core's mouse events.

#include <QWidget>

#include "render/surface.h"

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

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QRect takeChanged();

  Surface& surface_;
  int pressedLabel_ = 0;  // the label under a left press still held
};

// The title label (1 or 2) under a client-area point, or 0.
int LabelAt(QPoint point);

}  // namespace vemo::desktop
