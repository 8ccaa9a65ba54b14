#include "support/fake_desktop.h"

#include <algorithm>

namespace vemo::testing {

void FakeDesktop::sleepUntilUs(std::int64_t us) { nowUs_ = std::max(nowUs_, us); }

void FakeDesktop::runModalScript() {
  if (modalScripts.empty()) return;
  ModalScript script = std::move(modalScripts.front());
  modalScripts.pop_front();
  if (script) script();
}

void FakeDesktop::messageBox(MessageKind kind, const std::string& text) {
  messages.push_back({kind, text});
  runModalScript();
}

void FakeDesktop::showModal(Dialog& dialog) {
  dialogs.push_back(dialog.kind());
  runModalScript();
}

void FakeDesktop::drawText(Surface& surface, int x, int y, const std::string& utf8, const FontSpec&) {
  texts.push_back(utf8);
  // A mark where the text would go, so drawing can be seen in the pixels.
  surface.setPixel(x, y, {0, 0, 0});
}

void FakeDesktop::runFor(std::int64_t ms) {
  const std::int64_t end = nowUs_ + ms * 1000;
  for (;;) {
    const std::int64_t due = nextDueUs ? nextDueUs() : -1;
    if (due < 0 || due > end) break;
    nowUs_ = std::max(nowUs_, due);
    if (fireTimers) fireTimers();
  }
  nowUs_ = std::max(nowUs_, end);
}

}  // namespace vemo::testing
