#pragma once
// The steps every desktop takes for an event of an open dialog window, so the
// front ends differ only in how they show it: while a handler runs, the
// model's Edit1 holds the text of the window's edit box; the handler runs
// through the main window's event entry; afterwards the box shows the
// model's text if the handler changed it, and the desktop closes the window if the model asked to.

#include <functional>
#include <string>

#include "shell/dialog.h"

namespace vemo {

class TForm1;

// What the desktop's window of a dialog does for these steps.
struct DialogWindowSide {
  std::function<std::string()> editText;                  // null: no edit box
  std::function<void(const std::string&)> setEditText;    // null: no edit box
  std::function<void()> afterHandler;                     // shows what the handler changed
};

// Runs one handler of the dialog; true when the model asked to close the window.
bool RunDialogHandler(TForm1& form, Dialog& dialog, const DialogWindowSide& window,
                      const std::function<void()>& handler);
// The close query, whatever closes the window; true lets it close.
bool QueryDialogClose(TForm1& form, Dialog& dialog, const DialogWindowSide& window);

}  // namespace vemo
