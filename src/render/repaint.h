#pragma once
// What every repaint of the main window starts from.

#include "render/pictures.h"
#include "render/surface.h"

namespace vemo {

// The background with the empty fire bowl.
void DrawBareScreen(Surface& canvas, const Pictures& pictures);

}  // namespace vemo
