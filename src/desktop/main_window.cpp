#include "desktop/main_window.h"
#include "shell/product.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

#include "desktop/key_codes.h"
#include "desktop/lone_alt_filter.h"
#include "desktop/menu_keyboard.h"
#include "desktop/picture_image.h"
#include "render/program_picture.h"

namespace vemo::desktop {

MainWindow::MainWindow(TForm1& form, QWidget* parent)
    : QMainWindow(parent),
      form_(form),
      view_(new SurfaceView(form.Canvas(), this)),
      menus_(new MenuBar(*menuBar(), form.Menu(), [this](const std::string& item) {
        form_.OnMenu(item);
        afterCore();
      })),
      timers_(new TimerDriver(form.Timers(), [&form] { return form.Host().nowUs(); }, this)) {
  setWindowTitle(QString::fromUtf8(kProductName.data(), static_cast<qsizetype>(kProductName.size())));
  setWindowIcon(QIcon(QPixmap::fromImage(ToImage(MakeProgramPicture()))));
  // System menu, minimise and close; no maximise.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setCentralWidget(view_);
  // Minimum = maximum size in the size hints: window managers then refuse
  // to resize or maximise (a fixed central widget alone does not do that).
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  view_->setFocus();

  qApp->installEventFilter(new LoneAltFilter(this));
  new MenuKeyboard(*menuBar(), *view_);
  connect(view_, &SurfaceView::mouseDown, this, [this] { sendMouseDown(); });
  connect(view_, &SurfaceView::labelClicked, this, [this](int label) { sendLabelClick(label); });
  connect(view_, &SurfaceView::focusLost, this, &MainWindow::keysLost);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, &MainWindow::playerLeft);
  connect(timers_, &TimerDriver::due, this, [this] {
    form_.OnTimers();
    view_->updateChanged();
  });
}

void MainWindow::showCentred() {
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    // The frame is not known before the window manager has it: centre the
    // window itself for now, and the frame once it is there.
    QRect placed(QPoint(), size());
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
    centring_ = true;
  }
  show();
}

void MainWindow::centreFrame() {
  const QScreen* screen = this->screen();
  QRect frame = frameGeometry();
  if (!screen || frame.size() == size()) return;
  centring_ = false;
  frame.moveCenter(screen->availableGeometry().center());
  // A window's position is that of its frame.
  move(frame.topLeft());
}

void MainWindow::prepareForModal() {
  view_->repaintChanged();
  timers_->arm();
}

void MainWindow::setCursorVisible(bool visible) { view_->setCursor(visible ? Qt::ArrowCursor : Qt::BlankCursor); }

void MainWindow::quitNow() {
  quitting_ = true;
  timers_->stop();
  hide();
  // Queued: an exit() with no loop running is lost, and this may come before
  // the main loop has started. Not quit(): that would ask the windows to close.
  QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void MainWindow::afterCore() {
  view_->updateChanged();
  timers_->armIfChanged();
}

void MainWindow::sendKeyDown(int key) {
  form_.OnKeyDown(key);
  afterCore();
}

void MainWindow::sendKeyUp(int key) {
  form_.OnKeyUp(key);
  afterCore();
}

void MainWindow::keysLost() {
  // A modal window of the program takes the keyboard for a while; the keys
  // held meanwhile keep their releases for when it is back.
  if (quitting_ || QApplication::activeModalWidget()) return;
  form_.OnKeysLost();
  afterCore();
}

void MainWindow::playerLeft(Qt::ApplicationState state) {
  if (quitting_ || state == Qt::ApplicationActive) return;
  form_.OnPlayerLeft();
  afterCore();
}

void MainWindow::sendMouseDown() {
  form_.OnMouseDown();
  afterCore();
}

void MainWindow::sendLabelClick(int label) {
  form_.OnLabelClick(label);
  afterCore();
}

// Keys arrive here from the focused surface view, or directly when nothing
// has the focus. A held key repeats its press; its auto-repeat releases are
// dropped, so the core sees press, press..., release.
void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (quitting_) return;
  sendKeyDown(VirtualKeyFor(*event));
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
  if (quitting_ || event->isAutoRepeat()) return;
  sendKeyUp(VirtualKeyFor(*event));
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_ || event->spontaneous()) return;
  shown_ = true;
  form_.OnShow();
  afterCore();
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  // The window manager moves the window into its frame when it frames it.
  if (centring_) centreFrame();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (quitting_) {
    event->accept();
    return;
  }
  view_->repaintChanged();
  const bool canClose = form_.OnCloseQuery();
  afterCore();
  if (!canClose) {
    event->ignore();
    return;
  }
  timers_->stop();
  event->accept();
}

}  // namespace vemo::desktop
