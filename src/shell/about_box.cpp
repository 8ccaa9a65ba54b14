#include "shell/about_box.h"

#include "render/program_picture.h"
#include "shell/form1.h"

namespace vemo {

namespace {
constexpr int kSpace = 32;
}

TAboutBox::TAboutBox(TForm1& owner) : ProgramIcon(MakeProgramPicture()), owner_(owner) {}

void TAboutBox::KeyDown(int key) {
  if (key == vk::kEnter || key == kSpace) OKButtonClick();
}

bool TAboutBox::FormCloseQuery() {
  owner_.Timers().enable(TimerId::Up);
  return true;
}

void TForm1::N12Click() { desktop_.showModal(AboutBox); }

}  // namespace vemo
