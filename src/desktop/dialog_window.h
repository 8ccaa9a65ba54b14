#pragma once
// One dialog window of the core on the desktop: a fixed-size modal QDialog
// whose events all go to the dialog's model through the main window's event
// entry. Keys go to KeyDown, mouse presses to FormMouseDown, and the window
// closes only when the model's FormCloseQuery allows it, whether the model
// asked to close or the close box was used.

#include <functional>
#include <vector>

#include <QDialog>

#include "shell/dialog.h"
#include "shell/dialog_steps.h"
#include "shell/dialog_layout.h"

class QLineEdit;

namespace vemo {
class TForm1;
}

namespace vemo::desktop {

class MainWindow;

// A dialog border (the about box) or a single fixed border with the program's
// icon; both have the close box only.
enum class DialogBorder { Dialog, Single };

class DialogWindow : public QDialog {
  Q_OBJECT

 public:
  DialogWindow(TForm1& form, MainWindow& main, Dialog& model, const WindowLayout& layout, DialogBorder border);

  // Shows the window in the middle of the screen and returns when it has closed.
  void showModal();

  // Runs one handler of the model with the edit box's text in step, then
  // closes the window if the handler asked for that.
  void handle(const std::function<void()>& handler);

  // The edit box whose text is the model's Edit1.
  void setEditBox(QLineEdit* edit) { edit_ = edit; }
  // Escape and the like do nothing of their own: the model decides.
  void reject() override {}

  // Something shown from the model, brought up to date each time the window shows.
  void showFromModel(std::function<void()> update) { updates_.push_back(std::move(update)); }

  Dialog& model() { return model_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The edit box and the main window's repaint and timers, for the steps
  // every desktop takes with a dialog's events.
  DialogWindowSide side();
  // The widget a key press goes to first: the focused one, else the window.
  const QObject* keyReceiver() const;

  TForm1& form_;
  MainWindow& main_;
  Dialog& model_;
  QLineEdit* edit_ = nullptr;
  std::vector<std::function<void()>> updates_;
};

}  // namespace vemo::desktop
