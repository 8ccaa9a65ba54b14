#pragma once
// A records file judged before it is used: a page offers the player's own
// file to replace the one it keeps.

#include <string_view>

#include "shell/desktop.h"

namespace vemo {

// Whether `bytes` would load as the records file, read as TForm1::LoadData
// reads it at the start-up. When they would not, the player is told why
// through `desktop`, as LoadData tells it: the error box of a line that is no
// number, or the cheat warning of scores that do not match. Nothing is kept
// or changed.
bool RecordsFileLoads(Desktop& desktop, std::string_view bytes);

}  // namespace vemo
