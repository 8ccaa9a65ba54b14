#include "desktop/surface_text.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include "shell/look.h"

namespace vemo::desktop {

namespace {

QFont FontFor(const FontSpec& wanted) {
  const std::string_view face = FaceFor(wanted.family);
  QFont font(QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size())));
  font.setPixelSize(wanted.pixelHeight > 0 ? wanted.pixelHeight : 1);
  font.setBold(wanted.bold);
  // Two colours only: the game reads surface pixels back, and grey edges
  // would be neither text nor background.
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

}  // namespace

Rect DrawSurfaceText(Surface& surface, Rect box, const std::string& utf8, const FontSpec& wanted,
                     TextLayout layout) {
  // Paint in place: the image shares the surface's bytes.
  QImage image(surface.bytes(), surface.width(), surface.height(), surface.bytesPerLine(), QImage::Format_RGB888);
  const QString text = QString::fromStdString(utf8);
  const QFont font = FontFor(wanted);
  const QRect area(box.left, box.top, box.right - box.left, box.bottom - box.top);
  const int flags = (layout.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop |
                    (layout.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);

  QPainter painter(&image);
  painter.setClipRect(area);
  painter.setFont(font);
  const QRect used = painter.boundingRect(area, flags, text) & area;
  if (layout.opaque) painter.fillRect(used, Qt::white);
  painter.setPen(Qt::black);
  painter.drawText(area, flags, text);
  painter.end();

  const Rect changed{used.left(), used.top(), used.left() + used.width(), used.top() + used.height()};
  surface.markChanged(changed);
  return changed;
}

}  // namespace vemo::desktop
