#include "desktop/dialog_font.h"

#include <QFontDatabase>

namespace vemo::desktop {

namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The product name's light, flowing script: URW's chancery face
// (fonts-urw-base35) where installed, else a serif italic.
void UseScriptFace(QFont& font) {
  for (const QString& family : {QStringLiteral("Z003"), QStringLiteral("URW Chancery L")}) {
    if (QFontDatabase::hasFamily(family)) {
      font.setFamily(family);
      return;
    }
  }
  font.setFamily(QStringLiteral("DejaVu Serif"));
  font.setItalic(true);
}

}  // namespace

QFont DialogFont(const FontLayout& layout) {
  QFont font;
  if (layout.family == "Arial" || layout.family == "MS Sans Serif") {
    // Arial's metrics; it stands in for the old UI font too, as on the main window's surface.
    font.setFamily(QStringLiteral("Liberation Sans"));
  } else if (layout.family == "Tempus Sans ITC") {
    UseScriptFace(font);
  } else {
    font.setFamily(FromView(layout.family));
  }
  font.setPixelSize(layout.pixelHeight > 0 ? layout.pixelHeight : 1);
  font.setBold(layout.bold);
  return font;
}

}  // namespace vemo::desktop
