#pragma once
// A dialog window of the program, shown modally by the desktop. Each dialog is
// a model in the core whose methods are its handlers; the desktop draws it
// from the model, brings its events in through the main window's event entry,
// and closes it when the model asks.

#include <string>

namespace vemo {

enum class DialogKind { About, Records, NameEntry, FieldSize };

class Dialog {
 public:
  virtual ~Dialog() = default;
  virtual DialogKind kind() const = 0;

  // The window is about to show.
  virtual void FormShow() {}
  // A key went down in the window (its edit box, when it has one).
  virtual void KeyDown(int /*key*/) {}
  // A mouse button went down on the window.
  virtual void FormMouseDown() {}
  // The window is about to close, whatever closes it; false keeps it open.
  virtual bool FormCloseQuery() { return true; }

  // The text of the window's one-line edit box, for dialogs that have one.
  std::string Edit1;

  // Set by a handler that closes the window (Enter, a key, a click); the
  // desktop then runs FormCloseQuery and hides the window.
  bool closeRequested = false;
  void Close() { closeRequested = true; }
};

}  // namespace vemo
