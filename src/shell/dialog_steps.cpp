#include "shell/dialog_steps.h"

#include "shell/form1.h"

namespace vemo {

bool RunDialogHandler(TForm1& form, Dialog& dialog, const DialogWindowSide& window,
                      const std::function<void()>& handler) {
  if (window.editText) dialog.Edit1 = window.editText();
  const std::string given = dialog.Edit1;
  form.OnDialogEvent(handler);
  // Only what the handler changed goes back: a page hands a key over with the
  // text of before the key, and by the time the program has run the handler
  // the browser may have typed or pasted it in.
  if (window.setEditText && dialog.Edit1 != given) window.setEditText(dialog.Edit1);
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
