#pragma once
// The program picture as an application icon of any square size.

#include <QImage>

#include "render/picture.h"

namespace vemo::packaging {

// Nearest-neighbour scaling, never smoothed: a size of at least the picture's
// takes the largest whole factor that fits, centred on a transparent square
// (60 x 60 gives 256 x 256 as 4 x 4 blocks inside an 8-pixel border); a
// smaller size samples the picture at the centres of its pixels.
QImage IconImage(const Picture& picture, int size);

}  // namespace vemo::packaging
