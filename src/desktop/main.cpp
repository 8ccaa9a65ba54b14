// Vemo: starts the application, the game core and its main window.

#include <QApplication>

#include "desktop/close_requests.h"
#include "desktop/main_window.h"
#include "desktop/qt_desktop.h"
#include "shell/form1.h"

int main(int argc, char** argv) {
  // Whole scale factors keep the game's pixels square and crisp.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vemo"));
  QApplication::setStyle(QStringLiteral("Fusion"));

  vemo::desktop::QtDesktop desktop;
  vemo::TForm1 form(desktop);
  vemo::desktop::MainWindow window(form);
  desktop.attach(&window);
  vemo::desktop::CloseRequests closeRequests(window);
  window.showCentred();
  return QApplication::exec();
}
