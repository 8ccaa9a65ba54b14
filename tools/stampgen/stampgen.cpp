// Draws the surface's three texts (the title layer's product name and hint,
// «Запись...» on its white box) with the desktop's Qt text code and the
// desktop's faces, and writes them as stamps (see src/render/stamp.h) into a
// directory:
//
//   vemo_stampgen OUTPUT_DIR
//
// The stamps ship in assets/ and are embedded by the build; run this only to
// remake them, after a change of the texts, their fonts, Qt or the faces (the
// desktop tests compare the committed stamps with Qt's drawing and say so).
// No display is needed: it paints on Qt's offscreen platform.

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include <QGuiApplication>

#include "desktop/stamp_texts.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    for (const vemo::desktop::StampText& text : vemo::desktop::StampTexts()) {
      const std::string path = dir + "/" + text.fileName;
      std::ofstream out(path, std::ios::binary);
      out << vemo::WriteStamp(vemo::desktop::MakeStamp(text));
      if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
      }
    }
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "%s\n", failure.what());
    return 1;
  }
  return 0;
}
