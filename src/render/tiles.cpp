#include "render/tiles.h"

#include <array>
#include <cassert>
#include <string_view>

namespace vemo {

namespace {

// A bevelled square: D dark rim, F face, L light rim; row 0 is the top row.
constexpr std::array<std::string_view, kTileSize> kPattern{
    "DFDFDFDFDFDFDFL",
    "FLLLLLLLLLLLLLF",
    "DLFFFFFFFFFFFDL",
    "FLFFFFFFFFFFFDF",
    "DLFFFFFFFFFFFDL",
    "FLFFFFFFFFFFFDF",
    "DLFFFFFFFFFFFDL",
    "FLFFFFFFFFFFFDF",
    "DLFFFFFFFFFFFDL",
    "FLFFFFFFFFFFFDF",
    "DLFFFFFFFFFFFDL",
    "FLFFFFFFFFFFFDF",
    "DLFFFFFFFFFFFDL",
    "FDDDDDDDDDDDDDF",
    "DFLFLFLFLFLFLFL",
};

struct TileColours {
  char letter;
  Rgb dark, face, light;
};

constexpr std::array<TileColours, 6> kColours{{
    {'r', {128, 0, 0}, {191, 0, 0}, {255, 0, 0}},
    {'y', {128, 128, 0}, {196, 196, 0}, {255, 255, 0}},
    {'g', {0, 128, 0}, {0, 183, 0}, {0, 255, 0}},
    {'b', {53, 53, 255}, {91, 91, 255}, {128, 128, 255}},
    {'v', {128, 0, 128}, {185, 0, 185}, {255, 0, 255}},
    {'c', {128, 128, 128}, {149, 149, 149}, {192, 192, 192}},
}};

constexpr int IndexOf(char letter) {
  for (std::size_t i = 0; i < kColours.size(); ++i) {
    if (kColours[i].letter == letter) return static_cast<int>(i);
  }
  return -1;
}

static_assert(kPattern[5][5] == 'F', "the test pixel must be a face pixel");

Picture MakeTile(const TileColours& colours) {
  Picture tile(kTileSize, kTileSize);
  for (int y = 0; y < kTileSize; ++y) {
    for (int x = 0; x < kTileSize; ++x) {
      switch (kPattern[y][x]) {
        case 'D': tile.at(x, y) = colours.dark; break;
        case 'L': tile.at(x, y) = colours.light; break;
        default: tile.at(x, y) = colours.face; break;
      }
    }
  }
  // The red tile alone has its top-right and bottom-left corners swapped.
  if (colours.letter == 'r') {
    tile.at(kTileSize - 1, 0) = colours.dark;
    tile.at(0, kTileSize - 1) = colours.light;
  }
  return tile;
}

const std::array<Picture, 6>& Tiles() {
  static const std::array<Picture, 6> tiles = [] {
    std::array<Picture, 6> made;
    for (std::size_t i = 0; i < kColours.size(); ++i) made[i] = MakeTile(kColours[i]);
    return made;
  }();
  return tiles;
}

}  // namespace

bool IsColourLetter(char letter) { return IndexOf(letter) >= 0; }

const Picture& TileFor(char letter) {
  assert(IsColourLetter(letter));
  return Tiles()[static_cast<std::size_t>(IndexOf(letter))];
}

}  // namespace vemo
