#pragma once
// The program's picture shown in the about box.

#include "render/picture.h"

namespace vemo {

inline constexpr int kProgramPictureSize = 60;

// A 60 x 60 picture of sixteen cell tiles in a 4 x 4 arrangement.
Picture MakeProgramPicture();

}  // namespace vemo
