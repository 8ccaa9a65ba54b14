#pragma once
// The program's four dialog windows, each made from its layout data and
// wired to its model.

#include "desktop/dialog_window.h"
#include "shell/form1.h"

namespace vemo::desktop {

// Each window is a child of the main window, hidden until shown.
DialogWindow* MakeAboutBox(TForm1& form, MainWindow& main);
DialogWindow* MakeRecordsView(TForm1& form, MainWindow& main);
DialogWindow* MakeNameDialog(TForm1& form, MainWindow& main);
DialogWindow* MakeFieldSizeDialog(TForm1& form, MainWindow& main);

}  // namespace vemo::desktop
