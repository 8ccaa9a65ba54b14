#pragma once
// The core's desktop in the browser: clock, caption, cursor and sound
// through the page; text rasterised here as the desktop rasterises it;
// message boxes, modal dialogs and closing through the main window's event
// loop.

#include <memory>

#include "shell/desktop.h"
#include "web/text_raster.h"

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
  // Qt's Fusion window colour, which the desktop program shows.
  Rgb menuColour() const override { return {239, 239, 239}; }

  void messageBox(MessageKind kind, const std::string& text) override;
  void showModal(Dialog& dialog) override;
  void requestClose() override;
  void quitNow() override;

  // The records file the page keeps; a first visit starts with a fresh one,
  // which is kept once the program writes it.
  std::string readRecordsFile() override;
  void replaceRecordsFile(std::string_view bytes) override;

  void drawText(Surface& surface, Rect box, const std::string& utf8, const FontSpec& font,
                TextLayout layout) override;

 private:
  const TextFace& faceFor(const FontSpec& font);

  PageWindow* window_ = nullptr;
  // Read when first drawn with.
  std::unique_ptr<TextFace> regular_;
  std::unique_ptr<TextFace> bold_;
};

}  // namespace vemo::web
