#include "desktop/surface_view.h"

#include <cmath>

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "shell/form1.h"

namespace vemo::desktop {

QPoint SurfacePixelAt(QPointF position) {
  return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

void UseWholeScaleFactors() {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
}

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
  setFixedSize(surface.width(), surface.height());
  // Every pixel is ours: no background to erase first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The focus stays here, so arrow keys reach the game rather than the menu bar.
  setFocusPolicy(Qt::StrongFocus);
}

QRect SurfaceView::takeChanged() {
  const Rect r = surface_.takeChanged();
  return r.empty() ? QRect() : QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

void SurfaceView::updateChanged() {
  if (const QRect r = takeChanged(); !r.isEmpty()) update(r);
}

void SurfaceView::repaintChanged() {
  if (const QRect r = takeChanged(); !r.isEmpty()) repaint(r);
}

void SurfaceView::paintEvent(QPaintEvent* event) {
  // A view of the surface's bytes, not a copy.
  const QImage image(surface_.bytes(), surface_.width(), surface_.height(), surface_.bytesPerLine(),
                     QImage::Format_RGB888);
  QPainter painter(this);
  // Logical pixels are surface pixels; on a scaled screen the painter widens
  // each into a block of device pixels, nearest-neighbour unless smoothing
  // is asked for, which it must not be.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QRect r = event->rect();
  painter.drawImage(r, image, r);
}

void SurfaceView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  emit focusLost();
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = SurfacePixelAt(event->position());
  if (clicks_.press(at.x(), at.y(), event->button() == Qt::LeftButton)) emit mouseDown();
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = SurfacePixelAt(event->position());
  if (const int label = clicks_.release(at.x(), at.y(), event->button() == Qt::LeftButton)) emit labelClicked(label);
}

}  // namespace vemo::desktop
