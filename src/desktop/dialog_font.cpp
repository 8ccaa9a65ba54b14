#include "desktop/dialog_font.h"

#include <QFontDatabase>

#include "shell/look.h"

namespace vemo::desktop {

namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The product name's light, flowing script: URW's chancery face
// (fonts-urw-base35) where installed, under its older name too, else a serif italic.
void UseScriptFace(QFont& font) {
  for (const QString& family : {FromView(kScriptFace), QStringLiteral("URW Chancery L")}) {
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
  const std::string_view face = FaceFor(layout.family);
  if (face == kScriptFace) {
    UseScriptFace(font);
  } else {
    font.setFamily(FromView(face));
  }
  font.setPixelSize(layout.pixelHeight > 0 ? layout.pixelHeight : 1);
  font.setBold(layout.bold);
  return font;
}

}  // namespace vemo::desktop
