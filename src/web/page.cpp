#include "web/page.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <vector>

#include "records/data_file.h"
#include "records/records_file.h"
#include "shell/event_entry.h"

// The page's script puts its interface at Module.vemoPage before the program
// starts; each import below is one call into it.

EM_ASYNC_JS(void, vemo_wait, (double untilMs), { await Module.vemoPage.wait(untilMs); });
EM_ASYNC_JS(void, vemo_sleep_until, (double untilMs), { await Module.vemoPage.sleepUntil(untilMs); });
EM_JS(int, vemo_take, (int* ints, char* text, int capacity), {
  const event = Module.vemoPage.take();
  if (!event) return 0;
  HEAP32[ints >> 2] = event.a || 0;
  HEAP32[(ints >> 2) + 1] = event.b || 0;
  stringToUTF8(event.text || "", text, capacity);
  return event.type;
});
EM_JS(void, vemo_blit, (const std::uint8_t* rgba, int x, int y, int w, int h), {
  Module.vemoPage.blit(HEAPU8.subarray(rgba, rgba + w * h * 4), x, y, w, h);
});
EM_JS(void, vemo_set_caption, (const char* text), { Module.vemoPage.setCaption(UTF8ToString(text)); });
EM_JS(void, vemo_set_cursor, (int visible), { Module.vemoPage.setCursorVisible(!!visible); });
EM_JS(void, vemo_beep, (), { Module.vemoPage.beep(); });
EM_JS(int, vemo_screen_depth, (), { return Module.vemoPage.screenDepth(); });
EM_JS(void, vemo_set_menu, (const char* json), { Module.vemoPage.setMenu(JSON.parse(UTF8ToString(json))); });
EM_JS(void, vemo_set_menu_item, (const char* name, int checked, int enabled), {
  Module.vemoPage.setMenuItem(UTF8ToString(name), !!checked, !!enabled);
});
EM_JS(void, vemo_set_picture, (const char* name, const std::uint8_t* rgba, int w, int h), {
  Module.vemoPage.setPicture(UTF8ToString(name), HEAPU8.slice(rgba, rgba + w * h * 4), w, h);
});
EM_JS(void, vemo_show_dialog, (const char* kind, const char* json), {
  Module.vemoPage.showDialog(UTF8ToString(kind), JSON.parse(UTF8ToString(json)));
});
EM_JS(void, vemo_set_edit_text, (const char* text), { Module.vemoPage.setEditText(UTF8ToString(text)); });
EM_JS(void, vemo_hide_dialog, (), { Module.vemoPage.hideDialog(); });
EM_JS(void, vemo_show_message, (const char* json), {
  Module.vemoPage.showMessage(JSON.parse(UTF8ToString(json)));
});
// The kept records' length in bytes, -1 with none kept, -2 when the storage
// cannot be read; the bytes themselves follow through vemo_copy_records.
EM_JS(double, vemo_load_records, (), { return Module.vemoPage.loadRecords(); });
EM_JS(void, vemo_copy_records, (std::uint8_t* bytes), { Module.vemoPage.copyRecords(HEAPU8, bytes); });
EM_JS(double, vemo_offered_records, (), { return Module.vemoPage.offeredRecords(); });
EM_JS(void, vemo_copy_offered_records, (std::uint8_t* bytes), { Module.vemoPage.copyOfferedRecords(HEAPU8, bytes); });
EM_JS(int, vemo_store_records, (const std::uint8_t* bytes, int size), {
  return Module.vemoPage.storeRecords(HEAPU8.subarray(bytes, bytes + size)) ? 1 : 0;
});
EM_ASYNC_JS(void, vemo_wait_for_turn, (), { await Module.vemoPage.turn(); });
EM_JS(void, vemo_start_afresh, (), { Module.vemoPage.startAfresh(); });
EM_JS(void, vemo_ended, (), { Module.vemoPage.ended(); });

namespace vemo::web::page {

Event Take() {
  std::array<int, 2> ints{};
  std::array<char, 1024> text{};
  Event event;
  event.type = static_cast<EventType>(vemo_take(ints.data(), text.data(), static_cast<int>(text.size())));
  event.a = ints[0];
  event.b = ints[1];
  event.text = text.data();
  return event;
}

Event Wait(double untilMs) {
  vemo_wait(untilMs);
  return Take();
}

void SleepUntil(double untilMs) { vemo_sleep_until(untilMs); }
double NowMs() { return emscripten_get_now(); }

void Blit(const Surface& surface, Rect r) {
  r.left = std::max(r.left, 0);
  r.top = std::max(r.top, 0);
  r.right = std::min(r.right, surface.width());
  r.bottom = std::min(r.bottom, surface.height());
  if (r.empty()) return;
  const int w = r.right - r.left, h = r.bottom - r.top;
  // Kept between calls: most blits are small, and a frame of a wipe is the whole surface.
  static std::vector<std::uint8_t> rgba;
  rgba.resize(static_cast<std::size_t>(w) * h * 4);
  std::uint8_t* out = rgba.data();
  for (int y = r.top; y < r.bottom; ++y) {
    const std::uint8_t* in = surface.bytes() + static_cast<std::size_t>(y) * surface.bytesPerLine() + r.left * 3;
    for (int x = 0; x < w; ++x, in += 3, out += 4) {
      out[0] = in[0];
      out[1] = in[1];
      out[2] = in[2];
      out[3] = 255;
    }
  }
  vemo_blit(rgba.data(), r.left, r.top, w, h);
}

void SetCaption(const std::string& text) { vemo_set_caption(text.c_str()); }
void SetCursorVisible(bool visible) { vemo_set_cursor(visible); }
void Beep() { vemo_beep(); }
int ScreenDepth() { return vemo_screen_depth(); }
void SetMenu(const std::string& json) { vemo_set_menu(json.c_str()); }
void SetMenuItem(const std::string& name, bool checked, bool enabled) {
  vemo_set_menu_item(name.c_str(), checked, enabled);
}
void SetPicture(const std::string& name, const std::uint8_t* rgba, int width, int height) {
  vemo_set_picture(name.c_str(), rgba, width, height);
}
void ShowDialog(const std::string& kind, const std::string& json) { vemo_show_dialog(kind.c_str(), json.c_str()); }
void SetEditText(const std::string& text) { vemo_set_edit_text(text.c_str()); }
void HideDialog() { vemo_hide_dialog(); }
void ShowMessage(const std::string& json) { vemo_show_message(json.c_str()); }

namespace {
// A file the page holds, `length` bytes long (negative: it could not be
// read), copied in by `copy`. Past the records file's limit it cannot be
// opened, as on the desktop.
template <typename Copy>
std::string CopyIn(double length, Copy copy) {
  if (length < 0 || length > static_cast<double>(kMaxRecordsFileSize)) throw PlatformError::cannotOpen(kRecordsFileName);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  copy(reinterpret_cast<std::uint8_t*>(bytes.data()));
  return bytes;
}
}  // namespace

std::optional<std::string> LoadRecords() {
  const double length = vemo_load_records();
  if (length == -1) return std::nullopt;
  return CopyIn(length, vemo_copy_records);
}

std::string OfferedRecords() { return CopyIn(vemo_offered_records(), vemo_copy_offered_records); }

bool StoreRecords(std::string_view bytes) {
  return vemo_store_records(reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<int>(bytes.size())) != 0;
}

void WaitForTurn() { vemo_wait_for_turn(); }
void StartAfresh() { vemo_start_afresh(); }
void Ended() { vemo_ended(); }

}  // namespace vemo::web::page
