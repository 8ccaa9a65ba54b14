#include "desktop/menu_keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace vemo::desktop {

MenuKeyboard::MenuKeyboard(QMenuBar& bar, QWidget& home) : QObject(&bar), bar_(bar), home_(home) {
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &bar);
  f10->setContext(Qt::WindowShortcut);
  connect(f10, &QShortcut::activated, this, &MenuKeyboard::openFirstMenu);
  bar.installEventFilter(this);
  qApp->installEventFilter(this);
}

void MenuKeyboard::openFirstMenu() {
  if (bar_.actions().isEmpty()) return;
  // With the keyboard, the bar also takes the arrows that leave the menus
  // for the items without one («Рекорды», «О программе») and Enter on them.
  bar_.setFocus(Qt::MenuBarFocusReason);
  bar_.setActiveAction(bar_.actions().first());
}

bool MenuKeyboard::eventFilter(QObject* watched, QEvent* event) {
  const bool escapeInMenu = event->type() == QEvent::KeyPress && qobject_cast<QMenu*>(watched) &&
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
  const bool barLetGo = watched == &bar_ && event->type() == QEvent::FocusOut;
  if (escapeInMenu || barLetGo) QMetaObject::invokeMethod(this, &MenuKeyboard::settle, Qt::QueuedConnection);
  return QObject::eventFilter(watched, event);
}

void MenuKeyboard::settle() {
  if (QApplication::activePopupWidget()) return;  // only a submenu closed
  if (bar_.hasFocus()) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&bar_, &escape);
  }
  if (!QApplication::focusWidget() && home_.isActiveWindow()) home_.setFocus();
}

}  // namespace vemo::desktop
