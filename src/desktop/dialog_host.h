#pragma once
// The dialog windows of the program, made once at start and shown modally
// whenever the core asks for one of its dialogs.

#include <QHash>

#include "desktop/dialog_window.h"

namespace vemo {
class TForm1;
}

namespace vemo::desktop {

class MainWindow;
class QtDesktop;

class DialogHost {
 public:
  DialogHost(TForm1& form, MainWindow& main);
  ~DialogHost();
  DialogHost(const DialogHost&) = delete;
  DialogHost& operator=(const DialogHost&) = delete;

  // Shows the window of one of the main window's dialogs and returns when it
  // has closed; any other dialog has no window and returns at once.
  void showModal(Dialog& dialog);
  DialogWindow* windowOf(const Dialog& dialog) const { return windows_.value(&dialog); }

  // Lets `desktop` show the dialogs through this host, for the host's lifetime.
  void serve(QtDesktop& desktop);

 private:
  QtDesktop* served_ = nullptr;
  QHash<const Dialog*, DialogWindow*> windows_;  // owned by the main window
};

}  // namespace vemo::desktop
