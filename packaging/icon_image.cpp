#include "packaging/icon_image.h"

#include <algorithm>

namespace vemo::packaging {

namespace {
QRgb Opaque(Rgb c) { return qRgb(c.r, c.g, c.b); }
}  // namespace

QImage IconImage(const Picture& picture, int size) {
  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  const int side = std::max(picture.width, picture.height);
  if (side == 0 || size <= 0) return icon;
  if (size >= side) {
    const int factor = size / side;
    const int left = (size - picture.width * factor) / 2;
    const int top = (size - picture.height * factor) / 2;
    for (int y = 0; y < picture.height * factor; ++y)
      for (int x = 0; x < picture.width * factor; ++x)
        icon.setPixel(left + x, top + y, Opaque(picture.at(x / factor, y / factor)));
  } else {
    // Source pixel under the centre of icon pixel i: floor((i + 1/2) * side / size).
    auto source = [&](int i) { return ((2 * i + 1) * side) / (2 * size); };
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x)
        if (picture.contains(source(x), source(y))) icon.setPixel(x, y, Opaque(picture.at(source(x), source(y))));
  }
  return icon;
}

}  // namespace vemo::packaging
