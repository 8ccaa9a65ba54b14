#pragma once
// The core's desktop in the browser: clock, caption, cursor and sound
// through the page; message boxes, modal dialogs and closing through the main window's event
// loop.

#include "shell/desktop.h"
#include "shell/look.h"

namespace vemo::web {

class PageWindow;

class WebDesktop final : public Desktop {
 public:
  // The window is made after the core, which needs the desktop first.
  void attach(PageWindow* window) { window_ = window; }

  std::int64_t nowUs() const override;
  void sleepUntilUs(std::int64_t us) override;
  void presentNow() override;

  void setCaption(const std::string& text) override;
  void setCursorVisible(bool visible) override;
  void playInformationSound() override;
  int screenDepth() const override;
  Rgb menuColour() const override { return kWindowColour; }

  void messageBox(MessageKind kind, const std::string& text) override;
  void showModal(Dialog& dialog) override;
  void requestClose() override;
  void quitNow() override;

  // The records file the page keeps; a first visit starts with a fresh one,
  // which is kept once the program writes it.
  std::string readRecordsFile() override;
  void replaceRecordsFile(std::string_view bytes) override;

 private:
  PageWindow* window_ = nullptr;
};

}  // namespace vemo::web
