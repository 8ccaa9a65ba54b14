#include "render/repaint.h"

#include "render/geometry.h"

namespace vemo {

void DrawBareScreen(Surface& canvas, const Pictures& pictures) {
  canvas.drawPicture(0, 0, pictures.Image1);
  // Always the empty bowl: the level's fire comes back only with the speed routine.
  canvas.drawPicture(kFirePictureAt.x, kFirePictureAt.y, pictures.I(0));
}

}  // namespace vemo
