#include "desktop/screen_centre.h"

#include <QScreen>
#include <QWidget>

namespace vemo::desktop {

void CentreOnScreen(QWidget& window, const QWidget& framed) {
  const QScreen* screen = framed.screen();
  if (!screen) return;
  const bool unframed = window.frameGeometry() == window.geometry();
  QSize frame = window.frameGeometry().size();
  if (unframed) frame += framed.frameGeometry().size() - framed.size();
  QRect placed(QPoint(), frame);
  placed.moveCenter(screen->availableGeometry().center());
  QPoint position = placed.topLeft();
  // A window's position is that of its frame, except for a native window
  // already made but not yet framed, whose frame counts as nothing: Qt puts
  // its client area there.
  if (unframed && window.testAttribute(Qt::WA_WState_Created))
    position += framed.geometry().topLeft() - framed.frameGeometry().topLeft();
  window.move(position);
}

}  // namespace vemo::desktop
