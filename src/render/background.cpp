#include "render/background.h"

#include <array>

namespace vemo {

namespace {

constexpr int kShades = 26;
constexpr int kPlainRows = 80;
constexpr Rgb kTop{0, 94, 181};
constexpr Rgb kBottom{0, 27, 53};

constexpr std::uint8_t Mix(std::uint8_t from, std::uint8_t to, int step) {
  // Rounded linear interpolation over the shade steps.
  const int value = from * 2 * (kShades - 1) + (to - from) * 2 * step + (kShades - 1);
  return static_cast<std::uint8_t>(value / (2 * (kShades - 1)));
}

constexpr std::array<Rgb, kShades> MakeShades() {
  std::array<Rgb, kShades> shades{};
  for (int k = 0; k < kShades; ++k) {
    shades[static_cast<std::size_t>(k)] = {0, Mix(kTop.g, kBottom.g, k), Mix(kTop.b, kBottom.b, k)};
  }
  return shades;
}

constexpr std::array<Rgb, kShades> kShadeTable = MakeShades();
static_assert(kShadeTable.front() == kTop && kShadeTable.back() == kBottom);

// 4 x 4 Bayer matrix: the order in which the pixels of a 4 x 4 cell switch
// to the next shade.
constexpr std::array<std::array<int, 4>, 4> kBayer{{
    {0, 8, 2, 10},
    {12, 4, 14, 6},
    {3, 11, 1, 9},
    {15, 7, 13, 5},
}};

// Shade levels are kept in 1/64ths of a shade step. The dither offsets spread
// over two steps, so the four offsets used in any one row (a Bayer row spans
// 10/16 of the matrix) cover more than one step and less than two: every
// dithered row mixes two or three neighbouring shades.
constexpr int kUnit = 64;
constexpr int kSpread = 2 * kUnit;
// The level runs from 0 in the first dithered row to a value that leaves the
// bottom row three quarters darkest shade and one quarter the one above it.
constexpr int kLastLevel = (kShades - 1) * kUnit - 50;

}  // namespace

Picture MakeBackground() {
  Picture picture(kBackgroundWidth, kBackgroundHeight, kTop);
  const int ditheredRows = kBackgroundHeight - kPlainRows;
  for (int y = kPlainRows; y < kBackgroundHeight; ++y) {
    const int level = kLastLevel * (y - kPlainRows) / (ditheredRows - 1);
    // One row repeats every four pixels: work out those four, then copy.
    std::array<Rgb, 4> period{};
    for (int i = 0; i < 4; ++i) {
      const int offset = kBayer[static_cast<std::size_t>(y % 4)][static_cast<std::size_t>(i)] * kSpread / 16;
      int shade = (level + offset) / kUnit;
      if (shade > kShades - 1) shade = kShades - 1;
      period[static_cast<std::size_t>(i)] = kShadeTable[static_cast<std::size_t>(shade)];
    }
    Rgb* row = &picture.at(0, y);
    for (int x = 0; x < kBackgroundWidth; ++x) row[x] = period[static_cast<std::size_t>(x % 4)];
  }
  return picture;
}

}  // namespace vemo
