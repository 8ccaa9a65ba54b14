#include "packaging/icon_image.h"

#include "render/icon_pixels.h"

namespace vemo::packaging {

QImage IconImage(const Picture& picture, int size) {
  if (size <= 0) return {};
  const std::vector<std::uint8_t> rgba = IconPixels(picture, size);
  // A copy: the image must not point into the vector once it is gone.
  return QImage(rgba.data(), size, size, size * 4, QImage::Format_RGBA8888).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace vemo::packaging
