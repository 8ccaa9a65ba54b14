#pragma once
// An RGB colour and a picture made of such pixels: the currency of all drawing.

#include <cstdint>
#include <vector>

namespace vemo {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// A rectangular picture, row-major, top-left origin.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Picture() = default;
  Picture(int w, int h, Rgb fill = {}) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace vemo
