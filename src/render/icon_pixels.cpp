#include "render/icon_pixels.h"

#include <algorithm>

namespace vemo {

std::vector<std::uint8_t> IconPixels(const Picture& picture, int size) {
  if (size <= 0) return {};
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(size) * size * 4, 0);
  const auto put = [&](int x, int y, Rgb c) {
    std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * size + x) * 4];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = 255;
  };
  const int side = std::max(picture.width, picture.height);
  if (side == 0) return rgba;
  if (size >= side) {
    const int factor = size / side;
    const int left = (size - picture.width * factor) / 2;
    const int top = (size - picture.height * factor) / 2;
    for (int y = 0; y < picture.height * factor; ++y)
      for (int x = 0; x < picture.width * factor; ++x) put(left + x, top + y, picture.at(x / factor, y / factor));
  } else {
    // Source pixel under the centre of icon pixel i: floor((i + 1/2) * side / size).
    auto source = [&](int i) { return ((2 * i + 1) * side) / (2 * size); };
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x)
        if (picture.contains(source(x), source(y))) put(x, y, picture.at(source(x), source(y)));
  }
  return rgba;
}

}  // namespace vemo
