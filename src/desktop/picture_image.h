#pragma once
// The core's pictures as Qt images.

#include <QImage>

#include "render/picture.h"

namespace vemo::desktop {

// A deep copy in RGB888.
QImage ToImage(const Picture& picture);

}  // namespace vemo::desktop
