#pragma once
// The fire pictures I0..I5: a bowl whose fire shows the speed level, from no
// fire (0) to a large fire (5). They ship inside the program as JPEG data.

#include <array>

#include "render/picture.h"

namespace vemo {

inline constexpr int kFirePictureWidth = 150;
inline constexpr int kFirePictureHeight = 100;

// Decodes the six built-in fire pictures, index = speed level.
// Throws PictureError if one of them is damaged.
std::array<Picture, 6> LoadFirePictures();

}  // namespace vemo
