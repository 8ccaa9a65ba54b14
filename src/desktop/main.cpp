// Vemo: starts the application, the game core and its main window.

#include <QApplication>

#include "desktop/close_requests.h"
#include "desktop/dialog_host.h"
#include "desktop/main_window.h"
#include "desktop/qt_desktop.h"
#include "desktop/surface_view.h"
#include "shell/form1.h"

int main(int argc, char** argv) {
  // Whole scale factors, rounded down, keep the game's pixels square and
  // crisp and the window on the screen.
  vemo::desktop::UseWholeScaleFactors();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vemo"));
  QApplication::setStyle(QStringLiteral("Fusion"));

  vemo::desktop::QtDesktop desktop;
  vemo::TForm1 form(desktop);
  vemo::desktop::MainWindow window(form);
  desktop.attach(&window);
  vemo::desktop::DialogHost dialogs(form, window);
  dialogs.serve(desktop);
  vemo::desktop::CloseRequests closeRequests(window, [&desktop](bool on) { desktop.setUnattended(on); });
  window.showCentred();
  return QApplication::exec();
}
