#include "web/web_desktop.h"

#include <algorithm>
#include <vector>

#include "web/page.h"
#include "web/page_window.h"
#include "web/text_faces.h"

namespace vemo::web {

std::int64_t WebDesktop::nowUs() const { return static_cast<std::int64_t>(page::NowMs() * 1000.0); }

void WebDesktop::sleepUntilUs(std::int64_t us) {
  if (window_) window_->present();
  page::SleepUntil(static_cast<double>(us) / 1000.0);
}

void WebDesktop::presentNow() {
  if (!window_) return;
  window_->present();
  // The browser paints only when the program lets go for a moment.
  page::SleepUntil(page::NowMs());
}

void WebDesktop::setCaption(const std::string& text) { page::SetCaption(text); }
void WebDesktop::setCursorVisible(bool visible) { page::SetCursorVisible(visible); }
void WebDesktop::playInformationSound() { page::Beep(); }
int WebDesktop::screenDepth() const { return page::ScreenDepth(); }

void WebDesktop::messageBox(MessageKind kind, const std::string& text) {
  if (window_) window_->messageBox(kind, text);
}

void WebDesktop::showModal(Dialog& dialog) {
  if (window_) window_->runModal(dialog);
}

void WebDesktop::requestClose() {
  if (window_) window_->requestClose();
}

void WebDesktop::quitNow() {
  if (window_) window_->quit();
}

// The program's fonts are the faces the desktop program draws them with;
// Liberation Sans has Arial's metrics and stands in for the old UI font too.
const TextFace& WebDesktop::faceFor(const FontSpec& font) {
  if (font.bold) {
    if (!bold_) bold_ = std::make_unique<TextFace>(SansBoldTtf());
    return *bold_;
  }
  if (!regular_) regular_ = std::make_unique<TextFace>(SansRegularTtf());
  return *regular_;
}

void WebDesktop::drawText(Surface& surface, Rect box, const std::string& utf8, const FontSpec& font,
                          TextLayout layout) {
  box.right = std::min(box.right, surface.width());
  box.bottom = std::min(box.bottom, surface.height());
  if (box.empty()) return;
  const TextPlacement placement{.left = box.left,
                                .top = box.top,
                                .width = box.right - box.left,
                                .height = box.bottom - box.top,
                                .centred = layout.centred,
                                .wordWrap = layout.wordWrap};
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(placement.width) * placement.height);
  Rect used = RasterText(faceFor(font), font.pixelHeight, utf8, placement, mask.data());
  used = {used.left + box.left, used.top + box.top, used.right + box.left, used.bottom + box.top};
  // Two colours only, as on the desktop: the game reads surface pixels back.
  // Written straight into the bytes, as a painter would.
  auto paint = [&surface](int x, int y, std::uint8_t level) {
    std::uint8_t* p = surface.bytes() + static_cast<std::size_t>(y) * surface.bytesPerLine() + x * 3;
    p[0] = p[1] = p[2] = level;
  };
  if (layout.opaque) {
    for (int y = used.top; y < used.bottom; ++y)
      for (int x = used.left; x < used.right; ++x) paint(x, y, 255);
  }
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x)
      if (mask[static_cast<std::size_t>(y - box.top) * placement.width + (x - box.left)]) paint(x, y, 0);
  surface.markChanged(used);
}

}  // namespace vemo::web
