#include "desktop/dialog_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "desktop/dialog_builder.h"
#include "desktop/dialog_font.h"
#include "desktop/key_codes.h"
#include "desktop/main_window.h"
#include "desktop/screen_centre.h"
#include "shell/form1.h"

namespace vemo::desktop {

namespace {

Qt::WindowFlags FlagsFor(DialogBorder border) {
  // The close box and no other border icons.
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (border == DialogBorder::Single) flags |= Qt::WindowSystemMenuHint;
  return flags;
}

// Keys that would make the window or a button act on their own.
bool IsModelOnlyKey(const QKeyEvent& key, const QObject* receiver) {
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:   // no default button
    case Qt::Key_Escape:  // no reject()
      return true;
    case Qt::Key_Space:  // no click of a focused button
      return qobject_cast<const QAbstractButton*>(receiver) != nullptr;
    default:
      return false;
  }
}

}  // namespace

DialogWindow::DialogWindow(TForm1& form, MainWindow& main, Dialog& model, const WindowLayout& layout,
                           DialogBorder border)
    : QDialog(&main, FlagsFor(border)), form_(form), main_(main), model_(model) {
  // An empty title would get the program's name from Qt; a blank keeps the title bar empty.
  setWindowTitle(layout.caption.empty() ? QStringLiteral(" ") : FromLayoutText(layout.caption));
  if (border == DialogBorder::Single) setWindowIcon(main.windowIcon());
  setFont(DialogFont(layout.font));
  setFixedSize(layout.clientWidth, layout.clientHeight);
  setModal(true);
}

void DialogWindow::showModal() {
  CentreOnScreen(*this, main_);
  exec();
}

void DialogWindow::handle(const std::function<void()>& handler) {
  if (RunDialogHandler(form_, model_, side(), handler) && isVisible()) close();
}

DialogWindowSide DialogWindow::side() {
  DialogWindowSide side;
  if (edit_) {
    side.editText = [this] { return edit_->text().toStdString(); };
    side.setEditText = [this](const std::string& utf8) {
      const QString text = QString::fromStdString(utf8);
      if (text != edit_->text()) edit_->setText(text);
    };
  }
  side.afterHandler = [this] {
    main_.view().updateChanged();
    main_.timers().armIfChanged();
  };
  return side;
}

const QObject* DialogWindow::keyReceiver() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus && (focus == this || isAncestorOf(focus)) ? focus : this;
}

void DialogWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  // Every element's keys go to the model first.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
  model_.closeRequested = false;
  RunDialogHandler(form_, model_, side(), [this] { model_.FormShow(); });
  for (const auto& update : updates_) update();
  if (edit_) edit_->setFocus();
}

void DialogWindow::closeEvent(QCloseEvent* event) { event->setAccepted(QueryDialogClose(form_, model_, side())); }

void DialogWindow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  handle([this] { model_.FormMouseDown(); });
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  // A key press reaches the focused widget first, then its parents if it
  // declines: the model hears it once, at its first stop.
  if (event->type() != QEvent::KeyPress || watched != keyReceiver()) return QDialog::eventFilter(watched, event);
  const auto& key = static_cast<const QKeyEvent&>(*event);
  const int code = VirtualKeyFor(key);
  handle([this, code] { model_.KeyDown(code); });
  return IsModelOnlyKey(key, watched) || !isVisible();
}

}  // namespace vemo::desktop
