#pragma once
// The fire pictures I0..I5: a bowl whose fire shows the speed level, from no
// fire (0) to a large fire (5). They ship inside the program as JPEG data.

#include "render/picture.h"

namespace vemo {

inline constexpr int kFirePictureWidth = 150;
inline constexpr int kFirePictureHeight = 100;

// Decodes the built-in fire picture of one speed level (0..5).
// Throws PictureError if it is damaged.
Picture DecodeFirePicture(int level);

}  // namespace vemo
