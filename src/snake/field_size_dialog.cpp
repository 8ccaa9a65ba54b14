#include "snake/field_size_dialog.h"

#include <string>

#include "shell/str_to_int.h"
#include "shell/virtual_keys.h"

namespace vemo {

void TForm4::FormShow() { Edit1.clear(); }

void TForm4::Edit1KeyDown(int key) {
  if (key != vk::kEnter) return;
  // The conversion throws for a text that is no integer, before Close().
  if (Edit1.empty() || ToInt(Edit1) > kLargest || ToInt(Edit1) < kSmallest)
    Edit1 = std::to_string(kDefault);
  Close();
}

bool TForm4::FormCloseQuery() {
  mainTimers_.enable(TimerId::Up);
  return true;
}

}  // namespace vemo
