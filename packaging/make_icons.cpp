// Build-time tool: writes the program picture as the application icon,
// OUTPUT_DIR/SIZExSIZE/apps/vemo.png for each SIZE given.

#include <cstdio>
#include <cstdlib>
#include <string>

#include <QDir>

#include "packaging/icon_image.h"
#include "render/program_picture.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR SIZE...\n", argv[0]);
    return 2;
  }
  const vemo::Picture picture = vemo::MakeProgramPicture();
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    if (size <= 0 || !QDir().mkpath(dir) ||
        !vemo::packaging::IconImage(picture, size).save(dir + QStringLiteral("/vemo.png"), "PNG")) {
      std::fprintf(stderr, "%s: cannot write the %s-pixel icon into %s\n", argv[0], argv[i], argv[1]);
      return 1;
    }
  }
  return 0;
}
