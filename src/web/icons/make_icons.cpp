// Build-time tool of the page, run by node: writes the program picture as the
// manifest's icons, OUTPUT_DIR/icon-SIZE.rgba (RGBA bytes, row by row) for
// each SIZE given; tools/web_icons.py turns them into PNG files.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "render/icon_pixels.h"
#include "render/program_picture.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR SIZE...\n", argv[0]);
    return 2;
  }
  const vemo::Picture picture = vemo::MakeProgramPicture();
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const std::vector<std::uint8_t> rgba = vemo::IconPixels(picture, size);
    std::ofstream out(std::string(argv[1]) + "/icon-" + argv[i] + ".rgba", std::ios::binary);
    out.write(reinterpret_cast<const char*>(rgba.data()), static_cast<std::streamsize>(rgba.size()));
    if (size <= 0 || !out.flush()) {
      std::fprintf(stderr, "%s: cannot write the %s-pixel icon into %s\n", argv[0], argv[i], argv[1]);
      return 1;
    }
  }
  return 0;
}
