#pragma once
// Translation of Qt keys into the virtual-key codes the game core speaks.

#include <QKeyEvent>

namespace vemo::desktop {

// Code for keys that have no virtual-key code of their own.
inline constexpr int kUnknownKey = 0xFF;

// The virtual-key code of a key as the core knows it: letters and digits by
// the physical key (a Cyrillic letter counts as the Latin one on the same key),
// so the code does not depend on the keyboard layout or on Shift.
int VirtualKeyFor(int qtKey, Qt::KeyboardModifiers modifiers);
inline int VirtualKeyFor(const QKeyEvent& event) { return VirtualKeyFor(event.key(), event.modifiers()); }

// The Cyrillic capital that the Russian layout puts on the key of a Latin
// letter (Qt::Key_U gives Г), or 0 when that key carries no such letter.
int CyrillicOnKey(int latinQtKey);

}  // namespace vemo::desktop
