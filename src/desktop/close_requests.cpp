#include "desktop/close_requests.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <cstdio>

namespace vemo::desktop {

namespace {
int pipeFds[2] = {-1, -1};

extern "C" void OnSignal(int number) {
  const unsigned char byte = static_cast<unsigned char>(number);
  // Nothing else is safe in here; a full pipe only drops a repeated request.
  [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &byte, 1);
}
}  // namespace

CloseRequests::CloseRequests(QWidget& window, std::function<void(bool)> unattended, QObject* parent)
    : QObject(parent), window_(window), unattended_(std::move(unattended)) {
  if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) == 0) {
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CloseRequests::onSignal);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGTERM, SIGHUP, SIGINT}) sigaction(number, &action, nullptr);
  }
  // The session is ending: close as the player would, so the records are written.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { closeWindow(nullptr); });
}

CloseRequests::~CloseRequests() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  for (int number : {SIGTERM, SIGHUP, SIGINT}) sigaction(number, &action, nullptr);
  ::close(pipeFds[0]);
  ::close(pipeFds[1]);
  pipeFds[0] = pipeFds[1] = -1;
}

void CloseRequests::onSignal() {
  unsigned char byte = 0;
  while (::read(pipeFds[0], &byte, 1) == 1) {
  }
  if (unattended_) unattended_(true);
  closeWindow(strsignal(byte));
}

void CloseRequests::closeWindow(const char* why) {
  if (!window_.isVisible()) return;
  const bool closed = window_.close();
  if (why == nullptr) return;
  // A signal ends the program even when the records could not be written;
  // the player has been shown why, and stderr says it too.
  if (!closed) std::fprintf(stderr, "vemo: %s: the records file could not be written; ending anyway\n", why);
  QCoreApplication::exit(closed ? 0 : 1);
}

}  // namespace vemo::desktop
