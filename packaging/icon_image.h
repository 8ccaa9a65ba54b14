#pragma once
// The program picture as an application icon of any square size (the
// scaling rule: render/icon_pixels.h).

#include <QImage>

#include "render/picture.h"

namespace vemo::packaging {

QImage IconImage(const Picture& picture, int size);

}  // namespace vemo::packaging
