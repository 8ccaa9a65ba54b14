// The menu commands that open the records view and the about box.

#include "shell/form1.h"

namespace vemo {

void TForm1::N32Click() { desktop_.showModal(Form2); }

void TForm1::N12Click() { desktop_.showModal(AboutBox); }

}  // namespace vemo
