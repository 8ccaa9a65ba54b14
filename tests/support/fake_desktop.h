#pragma once
// A desktop for tests: a virtual clock, recorded calls, and scripted modal
// windows that may let virtual time pass (so timers fire inside a modal wait).

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "render/surface.h"
#include "shell/desktop.h"
#include "shell/dialog.h"

namespace vemo::testing {

// The program works in its working directory (the records file lives there).
// A test's program gets a fresh temporary one that holds the records file a
// first run leaves behind (built-in table and options); the previous working
// directory comes back, and the temporary one is removed, at the end.
class TemporaryWorkingDirectory {
 public:
  TemporaryWorkingDirectory();
  TemporaryWorkingDirectory(const TemporaryWorkingDirectory&) = delete;
  TemporaryWorkingDirectory& operator=(const TemporaryWorkingDirectory&) = delete;
  ~TemporaryWorkingDirectory();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

class FakeDesktop : public Desktop {
 public:
  struct Message {
    MessageKind kind;
    std::string text;
  };
  // What happens while a modal window is open; the default closes it at once.
  using ModalScript = std::function<void()>;

  std::int64_t nowUs() const override { return nowUs_; }
  void sleepUntilUs(std::int64_t us) override;
  void presentNow() override {
    ++presents;
    if (onPresent) onPresent();
  }
  void setCaption(const std::string& text) override { caption = text; }
  void setCursorVisible(bool visible) override { cursorVisible = visible; }
  void playInformationSound() override { ++sounds; }
  int screenDepth() const override { return depth; }
  void messageBox(MessageKind kind, const std::string& text) override;
  void showModal(Dialog& dialog) override;
  void requestClose() override { ++closeRequests; }
  void quitNow() override { quit = true; }
  Rgb menuColour() const override { return {240, 240, 240}; }

  // Drives the timers of whatever core is attached: fires due timers while
  // advancing the virtual clock by `ms`.
  void runFor(std::int64_t ms);
  void advanceUs(std::int64_t us) { nowUs_ += us; }

  // The core's timer entry; set by the test after creating the main window.
  std::function<void()> fireTimers;
  std::function<std::int64_t()> nextDueUs;  // returns -1 when none
  std::deque<ModalScript> modalScripts;
  // A watcher that sees the window at the moment it is shown.
  std::function<void()> onPresent;
  // When set, showModal acts like the real desktop towards the dialog model:
  // FormShow before the script, FormCloseQuery after it (the model asked to
  // close, or the close box when it did not), closeRequested cleared.
  bool runDialogHandlers = false;
  TemporaryWorkingDirectory workingDirectory;

  std::string caption;
  bool cursorVisible = true;
  int sounds = 0;
  int presents = 0;
  int depth = 24;
  int closeRequests = 0;
  bool quit = false;
  std::vector<Message> messages;
  std::vector<DialogKind> dialogs;

 private:
  void runModalScript();
  std::int64_t nowUs_ = 1'000'000;
};

}  // namespace vemo::testing
