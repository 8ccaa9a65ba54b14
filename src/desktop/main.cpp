// Vemo: starts the application, the game core and its main window.

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "desktop/close_requests.h"
#include "desktop/dialog_host.h"
#include "desktop/main_window.h"
#include "desktop/qt_desktop.h"
#include "desktop/single_instance.h"
#include "desktop/surface_view.h"
#include "shell/form1.h"
#include "shell/product.h"

int main(int argc, char** argv) {
  // Whole scale factors, rounded down, keep the game's pixels square and
  // crisp and the window on the screen.
  vemo::desktop::UseWholeScaleFactors();
  QApplication app(argc, argv);
  const QString productName =
      QString::fromUtf8(vemo::kProductName.data(), static_cast<qsizetype>(vemo::kProductName.size()));
  QApplication::setApplicationName(productName);
  QApplication::setStyle(QStringLiteral("Fusion"));

  // One game per records folder. A second start shows the running game and
  // ends before the core exists, so it never reads or writes the records file.
  vemo::desktop::SingleInstance instance;
  if (!instance.claim()) {
    if (instance.askRunningGame()) return 0;
    // No answer: either the running game has just ended, and this start may
    // play, or it is stuck, and the player has to hear why nothing opens.
    if (!instance.claim()) {
      QMessageBox::warning(nullptr, productName,
                           QStringLiteral("%1 уже запущена с рекордами из папки %2, но не отвечает.\n"
                                          "Вторая игра не открыта, чтобы не затереть рекорды первой.")
                               .arg(productName, QDir::toNativeSeparators(instance.folder())));
      return 0;
    }
  }

  vemo::desktop::QtDesktop desktop;
  vemo::TForm1 form(desktop);
  vemo::desktop::MainWindow window(form);
  desktop.attach(&window);
  vemo::desktop::DialogHost dialogs(form, window);
  dialogs.serve(desktop);
  vemo::desktop::CloseRequests closeRequests(window, [&desktop](bool on) { desktop.setUnattended(on); });
  instance.serve(window);
  window.showCentred();
  return QApplication::exec();
}
