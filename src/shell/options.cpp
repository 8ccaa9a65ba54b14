// The option check marks of the menu, and the exit command. Options have no
// variables of their own: the code reads the check mark where it matters.

#include "shell/form1.h"

namespace vemo {

namespace {
void Toggle(MenuModel& menu, MenuId item) { menu.setChecked(item, !menu.checked(item)); }
}  // namespace

void TForm1::N8Click() { Toggle(Menu_, MenuId::N8); }
void TForm1::N22Click() { Toggle(Menu_, MenuId::N22); }
void TForm1::N31Click() { Toggle(Menu_, MenuId::N31); }

void TForm1::N9Click() {
  Toggle(Menu_, MenuId::N9);
  desktop_.setCursorVisible(CursorOn());
}

void TForm1::N11Click() {
  Toggle(Menu_, MenuId::N11);
  NFigurTimer();
}

void TForm1::N6Click() {
  Refresh();
  desktop_.requestClose();
}

}  // namespace vemo
