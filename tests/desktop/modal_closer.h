#pragma once
// Closes the next modal window from inside its own event loop, after letting
// it stand open for a while, and lets the test look at it first.

#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace vemo::desktop::testing {

// Waits for a modal QMessageBox, calls `opened` once it is up and `closing`
// `openMs` later, just before pressing its first button.
inline void CloseNextMessageBox(int openMs, std::function<void(QMessageBox&)> opened,
                                std::function<void(QMessageBox&)> closing = {}) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll->stop();
    poll->deleteLater();
    if (opened) opened(*box);
    QTimer::singleShot(openMs, box, [box, closing] {
      if (closing) closing(*box);
      box->buttons().front()->click();
    });
  });
  poll->start(5);
}

}  // namespace vemo::desktop::testing
