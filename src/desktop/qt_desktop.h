#pragma once
// The core's desktop on Qt: clock, caption, cursor, sound, message boxes,
// modal dialogs, closing and text, all acting on the one main window.

#include <functional>
#include <string>

#include "desktop/information_sound.h"
#include "shell/desktop.h"
#include "shell/product.h"

namespace vemo::desktop {

class MainWindow;

class QtDesktop final : public Desktop {
 public:
  // Shows a core dialog modally over the main window and returns when it has closed.
  using ModalHook = std::function<void(Dialog&)>;

  QtDesktop() = default;

  // The main window is made after the core, which needs the desktop first;
  // caption and cursor set before that are applied here.
  void attach(MainWindow* window);
  // While on, messages go to stderr instead of waiting in a box for an answer.
  void setUnattended(bool on) { unattended_ = on; }
  // Until the dialog windows exist, showModal() returns at once as if the
  // dialog had been closed without a change.
  void setModalHook(ModalHook hook) { modalHook_ = std::move(hook); }

  std::int64_t nowUs() const override;
  void sleepUntilUs(std::int64_t us) override;
  void presentNow() override;

  void setCaption(const std::string& text) override;
  void setCursorVisible(bool visible) override;
  void playInformationSound() override { sound_.play(); }
  int screenDepth() const override;

  void messageBox(MessageKind kind, const std::string& text) override;
  void showModal(Dialog& dialog) override;
  void requestClose() override;
  void quitNow() override;

  Rgb menuColour() const override;

 private:
  MainWindow* window_ = nullptr;
  std::string caption_{kProductName};
  bool cursorVisible_ = true;
  bool unattended_ = false;
  InformationSound sound_;
  ModalHook modalHook_;
};

}  // namespace vemo::desktop
