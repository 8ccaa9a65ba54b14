#include "desktop/surface_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace vemo::desktop {

namespace {

// The program names the fonts of the system it was designed on; Liberation
// Sans has the same metrics as Arial and stands in for the old UI font too.
QString FamilyFor(const std::string& family) {
  if (family == "Arial" || family == "MS Sans Serif") return QStringLiteral("Liberation Sans");
  return QString::fromStdString(family);
}

QFont FontFor(const FontSpec& wanted) {
  QFont font(FamilyFor(wanted.family));
  font.setPixelSize(wanted.pixelHeight > 0 ? wanted.pixelHeight : 1);
  font.setBold(wanted.bold);
  // Two colours only: the game reads surface pixels back, and grey edges
  // would be neither text nor background.
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

}  // namespace

Rect DrawSurfaceText(Surface& surface, int x, int y, const std::string& utf8, const FontSpec& wanted) {
  // Paint in place: the image shares the surface's bytes.
  QImage image(surface.bytes(), surface.width(), surface.height(), surface.bytesPerLine(), QImage::Format_RGB888);
  const QString text = QString::fromStdString(utf8);
  const QFont font = FontFor(wanted);
  const QFontMetrics metrics(font);
  const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());

  QPainter painter(&image);
  painter.fillRect(box, Qt::white);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  painter.end();

  const Rect changed{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
  surface.markChanged(changed);
  return changed;
}

}  // namespace vemo::desktop
