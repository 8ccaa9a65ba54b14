#include "records/name_dialog.h"

#include "shell/virtual_keys.h"

namespace vemo {

void TForm3::FormShow() { Edit1.clear(); }

void TForm3::Edit1KeyDown(int key) {
  if (key == vk::kEnter) Close();
}

bool TForm3::FormCloseQuery() {
  playerName_ = Edit1;
  refresh_();
  return true;
}

}  // namespace vemo
