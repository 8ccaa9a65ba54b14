#pragma once
// The system's requests to close the program, beyond the close box: the
// signals SIGTERM, SIGHUP and SIGINT, and the desktop session ending. Each asks
// the main window to close, so the closing sequence runs and the records reach
// their file. Signals are turned into events through a self-pipe, so nothing
// but a write() happens inside the signal handler.

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace vemo::desktop {

class CloseRequests : public QObject {
  Q_OBJECT
 public:
  explicit CloseRequests(QWidget& window, QObject* parent = nullptr);
  ~CloseRequests() override;

 private:
  void onSignal();
  void closeWindow(const char* why);

  QWidget& window_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vemo::desktop
