#pragma once
// The program's main window: the core's surface as its client area, the menu
// bar from the core's menu model, the timer driver, and the way every key,
// click, menu command, tick and close request enters the core.

#include <QMainWindow>

#include "desktop/menu_bar.h"
#include "desktop/surface_view.h"
#include "desktop/timer_driver.h"
#include "shell/form1.h"

namespace vemo::desktop {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(TForm1& form, QWidget* parent = nullptr);

  // Shows the window in the middle of the primary screen.
  void showCentred();

  // Before a modal window opens: shows what the core drew and makes sure the
  // timers go on ticking inside the modal loop.
  void prepareForModal();
  // Shows at once what the core drew so far, inside a long handler.
  void presentNow() { view_->repaintChanged(); }
  void setCursorVisible(bool visible);
  // Ends the program without asking the core; no closing steps run.
  void quitNow();

  SurfaceView& view() { return *view_; }
  MenuBar& menus() { return *menus_; }
  TimerDriver& timers() { return *timers_; }

 protected:
  // The core's input entries; virtual so that tests can watch the stream.
  virtual void sendKeyDown(int key);
  virtual void sendKeyUp(int key);
  virtual void sendMouseDown();
  virtual void sendLabelClick(int label);

  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // After every entry into the core: repaint what changed, re-arm the timers.
  void afterCore();
  // The keyboard left the game for something that is not one of the
  // program's own modal windows.
  void keysLost();
  // The application went inactive: the player turned to something else.
  void playerLeft(Qt::ApplicationState state);
  // Once the window manager has framed the window, puts the frame's centre
  // on the screen's centre.
  void centreFrame();

  TForm1& form_;
  SurfaceView* view_;
  MenuBar* menus_;
  TimerDriver* timers_;
  bool shown_ = false;
  bool quitting_ = false;
  bool centring_ = false;  // the frame is not known yet
};

}  // namespace vemo::desktop
