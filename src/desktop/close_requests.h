#pragma once
// The system's requests to close the program, beyond the close box: the
// signals SIGTERM, SIGHUP and SIGINT, and the desktop session ending. Each asks
// the main window to close, so the closing sequence runs and the records reach
// their file. Signals are turned into events through a self-pipe, so nothing
// but a write() happens inside the signal handler.

#include <QObject>
#include <functional>

class QSocketNotifier;
class QWidget;

namespace vemo::desktop {

class CloseRequests : public QObject {
  Q_OBJECT
 public:
  // `unattended` is told when a signal's close begins: nobody may be there to
  // answer a message box then.
  CloseRequests(QWidget& window, std::function<void(bool)> unattended, QObject* parent = nullptr);
  ~CloseRequests() override;

 private:
  void onSignal();
  void closeWindow(const char* why);

  QWidget& window_;
  std::function<void(bool)> unattended_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vemo::desktop
