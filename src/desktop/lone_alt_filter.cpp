#include "desktop/lone_alt_filter.h"

#include <QKeyEvent>

namespace vemo::desktop {

bool LoneAltFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // Left unaccepted, the event still lets shortcut matching go on, and
    // no shortcut is a lone Alt.
    if (key->key() == Qt::Key_Alt) return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vemo::desktop
