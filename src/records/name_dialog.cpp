#include "records/name_dialog.h"

#include "shell/form1.h"

namespace vemo {

void TForm3::FormShow() { Edit1.clear(); }

void TForm3::Edit1KeyDown(int key) {
  if (key == vk::kEnter) Close();
}

bool TForm3::FormCloseQuery() {
  owner_.PlayerName = Edit1;
  owner_.Refresh();
  return true;
}

}  // namespace vemo
