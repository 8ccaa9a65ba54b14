#include "desktop/dialog_host.h"

#include "desktop/dialog_forms.h"
#include "desktop/qt_desktop.h"

namespace vemo::desktop {

DialogHost::DialogHost(TForm1& form, MainWindow& main) {
  for (DialogWindow* window : {MakeAboutBox(form, main), MakeRecordsView(form, main), MakeNameDialog(form, main),
                               MakeFieldSizeDialog(form, main)})
    windows_.insert(&window->model(), window);
}

DialogHost::~DialogHost() {
  if (served_) served_->setModalHook({});
}

void DialogHost::showModal(Dialog& dialog) {
  if (DialogWindow* window = windowOf(dialog)) window->showModal();
}

void DialogHost::serve(QtDesktop& desktop) {
  served_ = &desktop;
  desktop.setModalHook([this](Dialog& dialog) { showModal(dialog); });
}

}  // namespace vemo::desktop
