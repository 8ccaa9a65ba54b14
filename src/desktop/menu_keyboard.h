#pragma once
// The menu bar from the keyboard, with any layout: F10 opens the first menu,
// the arrows and Enter work in the menus and along the bar, and Escape closes
// a menu for good, handing the keyboard back to the game.
//
// Qt leaves the bar in keyboard mode after Escape out of a menu, with the
// arrows its own (the next Down would open a menu again); a second Escape,
// sent once the first is done with, ends that mode.

#include <QObject>

class QMenuBar;
class QWidget;

namespace vemo::desktop {

class MenuKeyboard : public QObject {
  Q_OBJECT

 public:
  // `home` gets the keyboard back when the menus let it go.
  MenuKeyboard(QMenuBar& bar, QWidget& home);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void openFirstMenu();
  // After a menu closed or the bar let the keyboard go.
  void settle();

  QMenuBar& bar_;
  QWidget& home_;
};

}  // namespace vemo::desktop
