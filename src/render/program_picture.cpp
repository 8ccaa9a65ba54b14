#include "render/program_picture.h"

#include <array>
#include <string_view>

#include "render/tiles.h"

namespace vemo {

namespace {

// Colour letters of the 4 x 4 tiles, top row first: a rainbow running along
// the diagonals, between grey corners at the top left and bottom right.
constexpr std::array<std::string_view, 4> kLayout{
    "cryg",
    "rygb",
    "ygbv",
    "gbvc",
};

}  // namespace

Picture MakeProgramPicture() {
  Picture picture(kProgramPictureSize, kProgramPictureSize);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      const Picture& tile = TileFor(kLayout[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
      for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
          picture.at(column * kTileSize + x, row * kTileSize + y) = tile.at(x, y);
        }
      }
    }
  }
  return picture;
}

}  // namespace vemo
