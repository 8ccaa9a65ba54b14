#include "web/page_window.h"

#include <utility>

#include "records/records_check.h"
#include "records/records_file.h"
#include "shell/event_entry.h"
#include "web/page_json.h"

namespace vemo::web {

namespace {

bool IsDialogEvent(page::EventType type) {
  return type == page::EventType::DialogKey || type == page::EventType::DialogMouse ||
         type == page::EventType::DialogButton || type == page::EventType::DialogClose;
}

}  // namespace

PageWindow::PageWindow(TForm1& form) : form_(form) {
  page::SetMenu(MenuJson(form_.Menu()));
  form_.Menu().setChangeListener(
      [](const MenuItem& item) { page::SetMenuItem(item.name, item.checked, item.enabled); });
  const Picture& icon = form_.AboutBox.ProgramIcon;
  std::vector<std::uint8_t> rgba;
  for (int y = 0; y < icon.height; ++y) {
    for (int x = 0; x < icon.width; ++x) {
      const Rgb c = icon.at(x, y);
      rgba.insert(rgba.end(), {c.r, c.g, c.b, 255});
    }
  }
  page::SetPicture("ProgramIcon", rgba.data(), icon.width, icon.height);
}

PageWindow::End PageWindow::run() {
  form_.OnShow();
  present();
  while (!closed_ && !quit_) {
    step([this](const page::Event& event) { handleMainEvent(event); });
    if (closeRequested_) close();
  }
  form_.Menu().setChangeListener({});
  if (closed_) return End::Closed;
  if (replaced_) return End::Replaced;
  return handedOver_ ? End::HandedOver : End::Quit;
}

template <typename Handle>
void PageWindow::step(Handle&& handle) {
  const std::optional<std::int64_t> due = form_.Timers().nextDueUs();
  const page::Event event = page::Wait(due ? static_cast<double>(*due) / 1000.0 : -1.0);
  if (event.type != page::EventType::None && !handlePageEvent(event)) handle(event);
  present();
  if (const auto next = form_.Timers().nextDueUs(); next && *next <= form_.Host().nowUs()) {
    form_.OnTimers();
    present();
  }
}

bool PageWindow::handlePageEvent(const page::Event& event) {
  switch (event.type) {
    // Leaving pauses a running game under any of the program's windows, as on the desktop.
    case page::EventType::PlayerLeft: form_.OnPlayerLeft(); return true;
    // A failed write of the records file, told as the program tells one.
    case page::EventType::KeepFailed:
      present();
      ShowPlatformError(form_.Host(), PlatformError::cannotCreate(kRecordsFileName));
      return true;
    // The page has kept the records: every loop ends, no closing step runs.
    case page::EventType::HandOver:
      handedOver_ = true;
      quit_ = true;
      return true;
    case page::EventType::RecordsOffered: loadOfferedRecords(); return true;
    default: return false;
  }
}

// A records file the player picked, read as the start-up reads one, with a
// running game paused first. One that loads becomes the kept file, and every
// loop ends without a closing step (which would write the old table over it):
// the program starts afresh with it. One that does not is told as the program
// tells it, and the kept file stays as it was.
void PageWindow::loadOfferedRecords() {
  form_.OnPlayerLeft();
  present();
  std::string bytes;
  if (!EnterHandler(form_.Host(), [&bytes] { bytes = page::OfferedRecords(); })) return;
  if (!RecordsFileLoads(form_.Host(), bytes)) return;
  if (!page::StoreRecords(bytes)) {
    ShowPlatformError(form_.Host(), PlatformError::cannotCreate(kRecordsFileName));
    return;
  }
  replaced_ = true;
  quit_ = true;
}

void PageWindow::handleMainEvent(const page::Event& event) {
  switch (event.type) {
    case page::EventType::KeyDown: form_.OnKeyDown(event.a); break;
    case page::EventType::KeyUp: form_.OnKeyUp(event.a); break;
    case page::EventType::MouseDown:
      if (clicks_.press(event.a, event.b, event.text == "0")) form_.OnMouseDown();
      break;
    case page::EventType::MouseUp:
      if (const int label = clicks_.release(event.a, event.b, true)) form_.OnLabelClick(label);
      break;
    case page::EventType::Menu: form_.OnMenu(event.text); break;
    case page::EventType::KeysLost: form_.OnKeysLost(); break;
    default: break;
  }
}

void PageWindow::close() {
  closeRequested_ = false;
  present();
  if (form_.OnCloseQuery()) closed_ = true;
  present();
}

void PageWindow::present() {
  const Rect changed = form_.Canvas().takeChanged();
  if (!changed.empty()) page::Blit(form_.Canvas(), changed);
}

void PageWindow::messageBox(MessageKind kind, const std::string& text) {
  present();
  page::ShowMessage(MessageJson(kind, text));
  bool open = true;
  while (open && !quit_) {
    step([&open](const page::Event& event) {
      if (event.type == page::EventType::MessageClosed) open = false;
    });
  }
}

DialogWindowSide PageWindow::dialogSide(const Dialog& dialog, const std::string& editText) {
  DialogWindowSide side;
  if (dialog.kind() == DialogKind::NameEntry || dialog.kind() == DialogKind::FieldSize) {
    side.editText = [editText] { return editText; };
    side.setEditText = [](const std::string& text) { page::SetEditText(text); };
  }
  side.afterHandler = [this] { present(); };
  return side;
}

void PageWindow::runModal(Dialog& dialog) {
  present();
  page::ShowDialog(DialogKindName(dialog.kind()), DialogJson(form_, dialog));
  dialog.closeRequested = false;
  RunDialogHandler(form_, dialog, dialogSide(dialog, {}), [&dialog] { dialog.FormShow(); });
  bool open = true;
  while (open && !quit_) {
    step([&](const page::Event& event) {
      if (IsDialogEvent(event.type)) open = !handleDialogEvent(dialog, event);
    });
  }
  page::HideDialog();
}

bool PageWindow::handleDialogEvent(Dialog& dialog, const page::Event& event) {
  const DialogWindowSide side = dialogSide(dialog, event.text);
  bool closeAsked = false;
  switch (event.type) {
    case page::EventType::DialogKey:
      closeAsked = RunDialogHandler(form_, dialog, side, [&dialog, key = event.a] { dialog.KeyDown(key); });
      break;
    case page::EventType::DialogMouse:
      closeAsked = RunDialogHandler(form_, dialog, side, [&dialog] { dialog.FormMouseDown(); });
      break;
    case page::EventType::DialogButton:
      // The about box's OK button is the one button of the dialogs.
      if (dialog.kind() == DialogKind::About)
        closeAsked = RunDialogHandler(form_, dialog, side, [this] { form_.AboutBox.OKButtonClick(); });
      break;
    case page::EventType::DialogClose: return QueryDialogClose(form_, dialog, side);
    default: break;
  }
  // The edit box shows the model's text by now.
  return closeAsked && QueryDialogClose(form_, dialog, dialogSide(dialog, dialog.Edit1));
}

}  // namespace vemo::web
