#include "desktop/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

#include "desktop/key_codes.h"
#include "desktop/lone_alt_filter.h"
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
  setWindowTitle(QStringLiteral("Vemo"));
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
  connect(view_, &SurfaceView::mouseDown, this, [this] { sendMouseDown(); });
  connect(view_, &SurfaceView::labelClicked, this, [this](int label) { sendLabelClick(label); });
  connect(timers_, &TimerDriver::due, this, [this] {
    form_.OnTimers();
    view_->updateChanged();
  });
}

void MainWindow::showCentred() {
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    // The frame is not known before the window manager has it; centre the
    // window itself, which is off by half a title bar at most.
    QRect placed(QPoint(), size());
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
  }
  show();
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
