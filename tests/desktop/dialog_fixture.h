#pragma once
// The main window with its dialog windows, and a way to act inside a modal
// dialog from a test: the command that opens it runs as usual, and the test's
// steps run in the dialog's own event loop once it is up.

#include <functional>

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include "desktop/dialog_host.h"
#include "desktop/window_fixture.h"

namespace vemo::desktop::testing {

class DialogTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    host.serve(desktop);
  }

  DialogWindow& windowOf(const Dialog& dialog) { return *host.windowOf(dialog); }

  // Runs `open` (which shows `dialog` and returns when it has closed); once
  // the dialog is the active modal window, runs `inside` in its loop. A
  // dialog still open two seconds after `inside` is hidden and the test fails.
  void withDialog(const Dialog& dialog, const std::function<void()>& open,
                  const std::function<void(DialogWindow&)>& inside) {
    DialogWindow& shown = windowOf(dialog);
    bool ran = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&shown] {
      if (!shown.isVisible()) return;
      ADD_FAILURE() << "the dialog did not close";
      shown.hide();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (QApplication::activeModalWidget() != &shown || QApplication::activeWindow() != &shown) return;
      poll.stop();
      ran = true;
      inside(shown);
      watchdog.start(2000);
    });
    poll.start(5);
    open();
    EXPECT_TRUE(ran) << "the dialog did not show";
    EXPECT_FALSE(shown.isVisible());
  }

  // The widget that key presses go to first.
  static QWidget* keyTarget(DialogWindow& dialog) {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : &dialog;
  }
  // Types `text` key by key; a letter's key is its capital, as the keyboard gives it.
  static void type(DialogWindow& dialog, const QString& text) {
    for (const QChar c : text)
      QTest::sendKeyEvent(QTest::Click, keyTarget(dialog), static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                          Qt::NoModifier);
  }
  static void press(DialogWindow& dialog, Qt::Key key) { QTest::keyClick(keyTarget(dialog), key); }
  static QLineEdit& editOf(DialogWindow& dialog) { return *dialog.findChild<QLineEdit*>(QStringLiteral("Edit1")); }

  DialogHost host{form, window};
};

}  // namespace vemo::desktop::testing
