#pragma once
// The main window's hidden pictures: the background and the six fire pictures.
// (The cell tiles are in tiles.h.)

#include <array>
#include <optional>

#include "render/picture.h"

namespace vemo {

class Pictures {
 public:
  Picture Image1;  // the background, 640 x 480

  // I0..I5, the fire pictures by speed level. Each is decoded when first
  // asked for: the start shows only I0, and most games never reach I5.
  // Throws PictureError when a built-in picture is damaged.
  const Picture& I(int level) const;

  // Builds the background.
  static Pictures Load();

 private:
  mutable std::array<std::optional<Picture>, 6> fire_;
};

}  // namespace vemo
