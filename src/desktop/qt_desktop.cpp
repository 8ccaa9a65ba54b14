#include "desktop/qt_desktop.h"
#include "shell/product.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>

#include "desktop/main_window.h"
#include "desktop/screen_centre.h"

namespace vemo::desktop {

namespace {

using Clock = std::chrono::steady_clock;

QMessageBox::Icon IconFor(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// A message box centred on the screen like every other window of the
// program, rather than over its owner where Qt would put it.
class CentredMessageBox : public QMessageBox {
 public:
  CentredMessageBox(MessageKind kind, const std::string& text, QWidget* owner)
      : QMessageBox(IconFor(kind), QString::fromUtf8(kProductName.data(), static_cast<qsizetype>(kProductName.size())), QString::fromStdString(text), QMessageBox::NoButton, owner) {}

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);  // sizes the box to its text
    if (!event->spontaneous() && parentWidget()) CentreOnScreen(*this, *parentWidget()->window());
  }
};

}  // namespace

void QtDesktop::attach(MainWindow* window) {
  window_ = window;
  if (!window_) return;
  window_->setWindowTitle(QString::fromStdString(caption_));
  window_->setCursorVisible(cursorVisible_);
}

std::int64_t QtDesktop::nowUs() const {
  return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch()).count();
}

void QtDesktop::sleepUntilUs(std::int64_t us) {
  std::this_thread::sleep_until(Clock::time_point(std::chrono::microseconds(us)));
}

void QtDesktop::presentNow() {
  if (window_) window_->presentNow();
}

void QtDesktop::setCaption(const std::string& text) {
  caption_ = text;
  if (window_) window_->setWindowTitle(QString::fromStdString(text));
}

void QtDesktop::setCursorVisible(bool visible) {
  cursorVisible_ = visible;
  if (window_) window_->setCursorVisible(visible);
}

int QtDesktop::screenDepth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->depth() : -1;
}

void QtDesktop::messageBox(MessageKind kind, const std::string& text) {
  if (unattended_) {
    // Nobody may be there to answer a box (a signal asked the program to end).
    std::fprintf(stderr, "vemo: %s\n", text.c_str());
    return;
  }
  if (window_) window_->prepareForModal();
  // The program's name, not the current caption, titles its messages. A
  // message from inside a dialog belongs to that dialog, which gets the
  // keyboard back when the message closes.
  QWidget* owner = QApplication::activeModalWidget();
  CentredMessageBox box(kind, text, owner ? owner : window_);
  box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
  box.exec();
}

void QtDesktop::showModal(Dialog& dialog) {
  if (window_) window_->prepareForModal();
  if (modalHook_) modalHook_(dialog);
}

void QtDesktop::requestClose() {
  if (window_) window_->close();
}

void QtDesktop::quitNow() {
  if (window_) {
    window_->quitNow();
  } else {
    QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
  }
}

Rgb QtDesktop::menuColour() const {
  const QColor c = QApplication::palette().color(QPalette::Window);
  return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()), static_cast<std::uint8_t>(c.blue())};
}

}  // namespace vemo::desktop
