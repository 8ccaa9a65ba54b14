#include "shell/about_box.h"

#include "render/program_picture.h"
#include "shell/virtual_keys.h"

namespace vemo {

TAboutBox::TAboutBox(TimerTable& mainTimers) : ProgramIcon(MakeProgramPicture()), mainTimers_(mainTimers) {}

void TAboutBox::KeyDown(int key) {
  if (key == vk::kEnter || key == vk::kSpace) OKButtonClick();
}

bool TAboutBox::FormCloseQuery() {
  mainTimers_.enable(TimerId::Up);
  return true;
}

}  // namespace vemo
