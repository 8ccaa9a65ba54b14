#pragma once
// The page around the program: the calls the C++ side makes into the page's
// script (web/main.js), described in web/page_interface.h. Each is one step
// the page takes at once, except wait() and sleepUntil(), which hand control
// to the browser (an Asyncify sleep) and come back when the time has come or
// the page has queued an event.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "render/surface.h"
#include "web/page_interface.h"

namespace vemo::web::page {

struct Event {
  EventType type = EventType::None;
  int a = 0;
  int b = 0;
  std::string text;
};

// Waits until an event is queued or the clock reaches untilMs (never, when
// negative); returns the event or one of type None.
Event Wait(double untilMs);
// The next queued event, if any, without waiting.
Event Take();
// Gives the browser the chance to paint, then waits until untilMs.
void SleepUntil(double untilMs);
double NowMs();

// Shows the surface's pixels inside `r` on the canvas.
void Blit(const Surface& surface, Rect r);
void SetCaption(const std::string& text);
void SetCursorVisible(bool visible);
void Beep();
int ScreenDepth();

// The menu bar and the dialog windows, from JSON descriptions.
void SetMenu(const std::string& json);
void SetMenuItem(const std::string& name, bool checked, bool enabled);
void SetPicture(const std::string& name, const std::uint8_t* rgba, int width, int height);
void ShowDialog(const std::string& kind, const std::string& json);
void SetEditText(const std::string& text);
void HideDialog();
void ShowMessage(const std::string& json);

// The records file the page keeps for its address: its bytes, nothing on a
// first visit; throws PlatformError::cannotOpen when the browser's storage
// cannot be read or holds more than a records file can be.
std::optional<std::string> LoadRecords();
// The records file the player picked to load; throws PlatformError::cannotOpen
// when the page could not read it or it is larger than a records file can be.
std::string OfferedRecords();
// Keeps the bytes as the records file; false when the browser refused them.
bool StoreRecords(std::string_view bytes);
// Waits until this page may run the program: one game runs per browser
// profile and address, and another tab may have it.
void WaitForTurn();
// A fresh start of the program: what the page queued for the one before, and
// that one's menu bar, are gone.
void StartAfresh();
// The program ended without a close (the display check failed).
void Ended();

}  // namespace vemo::web::page
