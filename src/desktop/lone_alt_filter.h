#pragma once
// Keeps a tap of Alt alone from putting the menu bar into keyboard mode.
//
// QMenuBar arms its Alt navigation when it sees the ShortcutOverride of a
// lone Alt press, and toggles keyboard mode at the release; in keyboard mode
// the next arrow key is taken by the menu bar and Down opens a menu, which
// would steal keys from the game. This filter hides that one ShortcutOverride
// from every widget, so the bar never arms. The Alt press and release still
// reach the window as ordinary key events, and Alt+letter mnemonics, which
// are shortcuts of their own, still open the menus.

#include <QObject>

namespace vemo::desktop {

class LoneAltFilter : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vemo::desktop
