#pragma once
// One game per records folder. Each game writes its own table to "data" when
// it closes, so two games in one folder would end with the records of the one
// closed last. The running game holds a lock on its working directory, which
// the kernel drops with the process (a killed game never blocks the next
// start), and listens on a local socket named after the folder; a second
// start in that folder asks it to come to the front and ends, before anything
// has read the records file.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace vemo::desktop {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // The answer a second start waits for, at most.
  static constexpr int kAnswerTimeoutMs = 2000;

  // For the current working directory.
  explicit SingleInstance(QObject* parent = nullptr);
  ~SingleInstance() override;

  // Locks the folder for this game. False when another game holds it; a
  // folder whose file system has no locks counts as free, as before.
  bool claim();

  // Asks the game running in this folder to bring its window to the front.
  // False when it did not answer within `timeoutMs`; until then a game that
  // does not listen yet is asked again.
  bool askRunningGame(int timeoutMs = kAnswerTimeoutMs) const;

  // Once the folder is claimed: later starts in it bring `window` to the front.
  void serve(QWidget& window);

  // The folder's canonical path, as the player would name it.
  const QString& folder() const { return folder_; }
  // The local socket's name for a folder: the user's, the same for every
  // spelling of the folder's path.
  static QString ServerNameFor(const QString& canonicalFolder);

 private:
  void answer(QLocalSocket& caller);
  void bringWindowToFront();

  QString folder_;
  QString name_;
  int lockFd_ = -1;
  QLocalServer* server_ = nullptr;
  QWidget* window_ = nullptr;
};

}  // namespace vemo::desktop
