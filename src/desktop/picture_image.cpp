#include "desktop/picture_image.h"

namespace vemo::desktop {

QImage ToImage(const Picture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_RGB888);
  for (int y = 0; y < picture.height; ++y) {
    uchar* line = image.scanLine(y);
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.at(x, y);
      line[3 * x] = c.r;
      line[3 * x + 1] = c.g;
      line[3 * x + 2] = c.b;
    }
  }
  return image;
}

}  // namespace vemo::desktop
