#pragma once
// Where the program's windows go: every one is centred on its screen, its
// frame and title bar included.

class QWidget;

namespace vemo::desktop {

// Moves the top-level `window`, of the size it has now, to the middle of the
// available area of `framed`'s screen. Until the window manager has framed
// `window`, its frame is taken to be like `framed`'s.
void CentreOnScreen(QWidget& window, const QWidget& framed);

}  // namespace vemo::desktop
