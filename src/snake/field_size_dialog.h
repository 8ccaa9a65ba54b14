#pragma once
// TForm4: the small modal dialog in which the player sets the side of the
// snake field. The desktop builds the window from kFieldSizeDialogLayout and
// brings its events in through the main window's event entry.

#include "shell/dialog_layout.h"
#include "shell/dialog.h"
#include "shell/timer_table.h"
#include "snake/field_side.h"

namespace vemo {

inline constexpr EditDialogLayout kFieldSizeDialogLayout{
    {"", 105, 91, {}},
    // Eleven spaces before the hint: the label's width wraps it onto a line of its own.
    {"Label1", 8, 8, 105, 41, {}, TextAlign::Left, true, false,
     "Укажите размер игрового поля           10 - min, 20 - max"},
    // No limit of its own: the edit box's usual maximum.
    {"Edit1", 8, 64, 89, 21, 32767},
};

class TForm4 : public Dialog {
 public:
  // The sides the dialog yields, and what an empty or out-of-range answer becomes.
  static constexpr int kSmallest = 10;
  static constexpr int kLargest = 20;
  static constexpr int kDefault = kDefaultFieldSide;

  // The dialog asks the main window for a refresh through its timer Up.
  explicit TForm4(TimerTable& mainTimers) : mainTimers_(mainTimers) {}

  DialogKind kind() const override { return DialogKind::FieldSize; }
  // Every opening starts with an empty box.
  void FormShow() override;
  void KeyDown(int key) override { Edit1KeyDown(key); }
  // Enter: an empty or out-of-range answer becomes "15", then the dialog
  // closes. A text that is no integer fails the conversion; the dialog stays.
  void Edit1KeyDown(int key);
  // Any way of closing: the main window is refreshed 25 ms after.
  bool FormCloseQuery() override;

 private:
  TimerTable& mainTimers_;
};

}  // namespace vemo
