#include "shell/dialog_steps.h"

#include "shell/form1.h"

namespace vemo {

bool RunDialogHandler(TForm1& form, Dialog& dialog, const DialogWindowSide& window,
                      const std::function<void()>& handler) {
  if (window.editText) dialog.Edit1 = window.editText();
  form.OnDialogEvent(handler);
  if (window.setEditText) window.setEditText(dialog.Edit1);
  if (window.afterHandler) window.afterHandler();
  return dialog.closeRequested;
}

bool QueryDialogClose(TForm1& form, Dialog& dialog, const DialogWindowSide& window) {
  dialog.closeRequested = false;
  bool allowed = false;
  RunDialogHandler(form, dialog, window, [&] { allowed = dialog.FormCloseQuery(); });
  return allowed;
}

}  // namespace vemo
