#pragma once
// The main window's hidden pictures: the background and the six fire pictures.
// (The cell tiles are in tiles.h.)

#include <array>

#include "render/picture.h"

namespace vemo {

struct Pictures {
  Picture Image1;              // the background, 640 x 480
  std::array<Picture, 6> I;    // I0..I5, the fire pictures by speed level

  // Builds the background and decodes the fire pictures; throws PictureError
  // when a built-in picture is damaged.
  static Pictures Load();
};

}  // namespace vemo
