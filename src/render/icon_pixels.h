#pragma once
// A picture as an application icon of any square size: the desktop's icon
// files and the page's manifest icons are both made from it.

#include <cstdint>
#include <vector>

#include "render/picture.h"

namespace vemo {

// RGBA bytes, row by row, of a size x size icon. Nearest-neighbour scaling,
// never smoothed: a size of at least the picture's takes the largest whole
// factor that fits, centred on a transparent square (60 x 60 gives 256 x 256
// as 4 x 4 blocks inside an 8-pixel border); a smaller size samples the
// picture at the centres of its pixels.
std::vector<std::uint8_t> IconPixels(const Picture& picture, int size);

}  // namespace vemo
