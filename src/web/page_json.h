#pragma once
// JSON descriptions for the page: the menu bar from the menu model, and each
// dialog window from its layout data and the texts its model holds now.

#include <string>

#include "shell/dialog.h"
#include "shell/menu_model.h"

namespace vemo {
class TForm1;
}

namespace vemo::web {

std::string MenuJson(const MenuModel& model);
std::string DialogJson(const TForm1& form, const Dialog& dialog);
// The page's name of a dialog kind: "about", "records", "name", "fieldSize".
const char* DialogKindName(DialogKind kind);

}  // namespace vemo::web
