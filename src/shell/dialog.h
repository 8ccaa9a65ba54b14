#pragma once
// A dialog window of the program, shown modally by the desktop. Each dialog is
// a model in the core; the desktop draws it from the model's description and
// brings its events back into the core's handlers.

namespace vemo {

enum class DialogKind { About, Records, NameEntry, FieldSize };

class Dialog {
 public:
  virtual ~Dialog() = default;
  virtual DialogKind kind() const = 0;
};

}  // namespace vemo
