#include "desktop/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace vemo::desktop {

namespace {
const QByteArray kRequest = QByteArrayLiteral("front\n");
const QByteArray kAnswer = QByteArrayLiteral("shown\n");
// Between attempts to reach a game that holds the lock but does not listen yet.
constexpr int kRetryMs = 50;

int Remaining(const QDeadlineTimer& deadline) { return static_cast<int>(deadline.remainingTime()); }
}  // namespace

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent), folder_(QDir::current().canonicalPath()), name_(ServerNameFor(folder_)) {}

SingleInstance::~SingleInstance() {
  // The server closes first: closing removes its socket's file, which after
  // the lock is released may already be the next game's.
  delete server_;
  if (lockFd_ >= 0) ::close(lockFd_);
}

QString SingleInstance::ServerNameFor(const QString& canonicalFolder) {
  // A hash keeps the name short enough for a socket path, whatever the folder.
  const QByteArray hash = QCryptographicHash::hash(canonicalFolder.toUtf8(), QCryptographicHash::Sha256);
  return QStringLiteral("vemo-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash.toHex().left(32)));
}

bool SingleInstance::claim() {
  if (lockFd_ >= 0) return true;
  // The lock sits on the folder itself, so no file of ours appears beside
  // "data"; it belongs to the open descriptor, and the kernel drops it when
  // the process ends, however it ends.
  const int fd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return true;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    lockFd_ = fd;
    return true;
  }
  const int error = errno;
  ::close(fd);
  return error != EWOULDBLOCK;
}

bool SingleInstance::askRunningGame(int timeoutMs) const {
  const QDeadlineTimer deadline(timeoutMs);
  QLocalSocket socket;
  do {
    socket.connectToServer(name_);
    if (socket.waitForConnected(Remaining(deadline))) {
      socket.write(kRequest);
      while (socket.waitForReadyRead(Remaining(deadline))) {
        if (socket.canReadLine()) return socket.readLine() == kAnswer;
      }
      return false;
    }
    // Nobody listens yet, or only a killed game's socket is left.
    socket.abort();
    QThread::msleep(static_cast<unsigned long>(std::min(kRetryMs, Remaining(deadline))));
  } while (!deadline.hasExpired());
  return false;
}

void SingleInstance::serve(QWidget& window) {
  // Without the lock (a file system that has none) another game may own the
  // name: leave it to that one.
  if (lockFd_ < 0 || server_) return;
  window_ = &window;
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // A killed game leaves its socket behind; the lock says nobody listens on it.
  QLocalServer::removeServer(name_);
  if (!server_->listen(name_)) {
    std::fprintf(stderr, "vemo: a second start in this folder cannot reach the game: %s\n",
                 qPrintable(server_->errorString()));
    return;
  }
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* caller = server_->nextPendingConnection()) {
      connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
      connect(caller, &QLocalSocket::readyRead, this, [this, caller] { answer(*caller); });
    }
  });
}

void SingleInstance::answer(QLocalSocket& caller) {
  if (!caller.canReadLine()) return;
  // A hidden window is a game on its way out: no answer then, so the second
  // start does not end believing it was shown a game.
  if (caller.readLine() == kRequest && window_->isVisible()) {
    bringWindowToFront();
    caller.write(kAnswer);
  }
  caller.disconnectFromServer();
}

void SingleInstance::bringWindowToFront() {
  window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
  window_->show();
  window_->raise();
  window_->activateWindow();
  // A dialog of the game stays on top of its window.
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window_) {
    modal->raise();
    modal->activateWindow();
  }
}

}  // namespace vemo::desktop
