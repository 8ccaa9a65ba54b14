// One game per records folder: the folder's lock, and a second start asking
// the running game to come to the front. Each test works in the scratch
// folder that main() makes current. The end-to-end tests cover other
// folders and killed games.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "desktop/single_instance.h"

namespace vemo::desktop::testing {
namespace {

// Works in another folder for as long as it lives.
class InFolder {
 public:
  explicit InFolder(const QString& path) : previous_(QDir::currentPath()) { EXPECT_TRUE(QDir::setCurrent(path)); }
  ~InFolder() { QDir::setCurrent(previous_); }

 private:
  QString previous_;
};

// What a second start sees, asked from a thread of its own so that the
// running game, on this thread, can answer meanwhile.
class SecondStart {
 public:
  explicit SecondStart(const SingleInstance& asker) : thread_([this, &asker] {
    answered_ = asker.askRunningGame();
    done_ = true;
  }) {}
  ~SecondStart() { thread_.join(); }

  // Runs the event loop until the second start has its answer.
  bool answered() {
    EXPECT_TRUE(QTest::qWaitFor([this] { return done_.load(); }, 10000));
    return answered_;
  }

 private:
  std::atomic<bool> answered_{false};
  std::atomic<bool> done_{false};
  std::thread thread_;
};

TEST(SingleInstance, ASecondGameInTheFolderFindsItTaken) {
  {
    SingleInstance first;
    ASSERT_TRUE(first.claim());
    SingleInstance second;
    EXPECT_FALSE(second.claim());
    EXPECT_FALSE(second.claim());
  }
  // The first game is gone: its lock went with it.
  SingleInstance next;
  EXPECT_TRUE(next.claim());
}

TEST(SingleInstance, AFolderReachedThroughALinkIsTheSameFolder) {
  SingleInstance first;
  ASSERT_TRUE(first.claim());
  QTemporaryDir links;
  const QString link = links.filePath(QStringLiteral("records"));
  ASSERT_TRUE(QFile::link(first.folder(), link));
  InFolder there(link);
  SingleInstance second;
  EXPECT_FALSE(second.claim());
  // Or it would knock at another socket than the one the first game listens on.
  EXPECT_EQ(second.folder(), first.folder());
}

TEST(SingleInstance, TheRunningGameComesToTheFront) {
  SingleInstance first;
  ASSERT_TRUE(first.claim());
  QWidget window;
  window.showMinimized();
  SingleInstance asker;
  SecondStart second(asker);
  // The running game starts to listen a while after it took the lock.
  QTest::qWait(300);
  first.serve(window);
  EXPECT_TRUE(second.answered());
  EXPECT_FALSE(window.isMinimized());
  EXPECT_TRUE(window.isVisible());
}

TEST(SingleInstance, AGameOnItsWayOutDoesNotAnswer) {
  SingleInstance first;
  ASSERT_TRUE(first.claim());
  QWidget window;  // never shown, or hidden on closing
  first.serve(window);
  SingleInstance asker;
  SecondStart second(asker);
  EXPECT_FALSE(second.answered());
}

TEST(SingleInstance, AGameThatNeverAnswersIsGivenUpAfterTwoSeconds) {
  SingleInstance first;
  ASSERT_TRUE(first.claim());
  // Takes the connection (the kernel does, with no event loop running) and
  // never answers, like a game that hangs.
  QLocalServer hung;
  QLocalServer::removeServer(SingleInstance::ServerNameFor(first.folder()));
  ASSERT_TRUE(hung.listen(SingleInstance::ServerNameFor(first.folder())));
  SingleInstance second;
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(second.askRunningGame());
  EXPECT_GE(clock.elapsed(), 1500);
  EXPECT_LT(clock.elapsed(), 6000);
}

}  // namespace
}  // namespace vemo::desktop::testing
