// The command that lets the player set the side of the snake field.

#include "shell/form1.h"
#include "shell/str_to_int.h"

namespace vemo {

void TForm1::N15Click() {
  // The main window is refreshed behind the dialog 25 ms after it opens.
  Timers_.enable(TimerId::Up);
  desktop_.showModal(Form4);
  // A text that is no integer (the close box on an empty or garbled box)
  // stops here with the error box; the size stays as it was.
  const int side = ToInt(Form4.Edit1);
  State_.FieldSize = side < TForm4::kSmallest || side > TForm4::kLargest ? TForm4::kDefault : side;
}

}  // namespace vemo
