#include "web/web_desktop.h"

#include <algorithm>
#include <vector>

#include "web/page.h"
#include "web/page_window.h"

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

void WebDesktop::drawText(Surface& surface, Rect box, const std::string& utf8, const FontSpec& font,
                          TextLayout layout) {
  box.right = std::min(box.right, surface.width());
  box.bottom = std::min(box.bottom, surface.height());
  if (box.empty()) return;
  const int width = box.right - box.left;
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(width) * (box.bottom - box.top));
  const Rect used =
      page::TextMask(box, utf8, font.family, font.pixelHeight, font.bold, layout.centred, layout.wordWrap, mask.data());
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
      if (mask[static_cast<std::size_t>(y - box.top) * width + (x - box.left)]) paint(x, y, 0);
  surface.markChanged(used);
}

}  // namespace vemo::web
