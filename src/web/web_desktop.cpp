#include "web/web_desktop.h"

#include <utility>

#include "records/fresh_file.h"
#include "records/records_file.h"
#include "shell/event_entry.h"
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

std::string WebDesktop::readRecordsFile() {
  if (std::optional<std::string> kept = page::LoadRecords()) return std::move(*kept);
  return FreshRecordsFile();
}

void WebDesktop::replaceRecordsFile(std::string_view bytes) {
  if (!page::StoreRecords(bytes)) throw PlatformError::cannotCreate(kRecordsFileName);
}

}  // namespace vemo::web
