#pragma once
// The fonts of the dialog windows.

#include <QFont>

#include "shell/dialog_layout.h"

namespace vemo::desktop {

// The font a dialog element names, with its character height in pixels. The
// program's font names are those of the system it was designed on; each is
// mapped to an installed family that looks and measures alike.
QFont DialogFont(const FontLayout& layout);

}  // namespace vemo::desktop
