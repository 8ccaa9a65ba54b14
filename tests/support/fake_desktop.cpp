#include "support/fake_desktop.h"

#include <unistd.h>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "records/data_file.h"
#include "records/records_file.h"
#include "shell/menu_model.h"

namespace vemo::testing {

TemporaryWorkingDirectory::TemporaryWorkingDirectory() : previous_(std::filesystem::current_path()) {
  std::string name = (std::filesystem::temp_directory_path() / "vemo-test-XXXXXX").string();
  if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("cannot make a temporary directory");
  path_ = name;
  std::filesystem::current_path(path_);
  LineImage image = LineImage::Fresh();
  std::mt19937 generator(1);
  const MenuModel newMenu;
  OptionFlags builtInOptions{};
  for (std::size_t i = 0; i < builtInOptions.size(); ++i) builtInOptions[i] = newMenu.checked(kOptionItems[i]);
  BuildImage(image, BuiltInRows(), builtInOptions, kDefaultFieldSize,
             [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(generator); });
  ReplaceFile(kRecordsFileName, JoinLines(image));
}

TemporaryWorkingDirectory::~TemporaryWorkingDirectory() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  std::filesystem::remove_all(path_, ignored);
}

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
  if (runDialogHandlers) {
    dialog.closeRequested = false;
    dialog.FormShow();
  }
  runModalScript();
  if (runDialogHandlers) {
    dialog.FormCloseQuery();
    dialog.closeRequested = false;
  }
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
