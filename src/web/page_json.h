#pragma once
// JSON descriptions for the page: the menu bar from the menu model, each
// dialog window from its layout data and the texts its model holds now, and
// each message box.

#include <string>

#include "shell/dialog.h"
#include "shell/desktop.h"
#include "shell/menu_model.h"

namespace vemo {
class TForm1;
}

namespace vemo::web {

std::string MenuJson(const MenuModel& model);
std::string DialogJson(const TForm1& form, const Dialog& dialog);
// A message box: its kind ("information", "warning", "error"), its text and
// the layout rules the page sizes it by.
std::string MessageJson(MessageKind kind, const std::string& text);
// The page's name of a dialog kind: "about", "records", "name", "fieldSize".
const char* DialogKindName(DialogKind kind);

}  // namespace vemo::web
