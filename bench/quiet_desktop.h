#pragma once
// A desktop for benchmarks: a clock that moves only when asked, no files, no
// windows, nothing recorded, so the timings are of the core's work alone.

#include <cstdint>
#include <string>

#include "shell/desktop.h"
#include "shell/dialog.h"

namespace vemo {

class QuietDesktop : public Desktop {
 public:
  std::int64_t nowUs() const override { return nowUs_; }
  void sleepUntilUs(std::int64_t us) override { nowUs_ = us > nowUs_ ? us : nowUs_; }
  void presentNow() override {}
  void setCaption(const std::string&) override {}
  void setCursorVisible(bool) override {}
  void playInformationSound() override {}
  int screenDepth() const override { return 24; }
  Rgb menuColour() const override { return {240, 240, 240}; }
  void messageBox(MessageKind, const std::string&) override {}
  void showModal(Dialog&) override {}
  void requestClose() override {}
  void quitNow() override {}

 private:
  std::int64_t nowUs_ = 1'000'000;
};

}  // namespace vemo
