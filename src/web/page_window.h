#pragma once
// The program's main window on the page, and its event loop. The loop runs
// inside the WebAssembly module: it waits (handing control to the browser)
// until the next timer is due or the page has queued an event, then runs the
// core's handler for it. A modal window or message box runs the same wait
// deeper in the stack, so the core's handlers block in them as they do on the
// desktop, while the other timers keep firing.

#include <string>

#include "shell/dialog_steps.h"
#include "shell/form1.h"
#include "shell/title_clicks.h"
#include "web/page.h"

namespace vemo::web {

class PageWindow {
 public:
  explicit PageWindow(TForm1& form);
  PageWindow(const PageWindow&) = delete;
  PageWindow& operator=(const PageWindow&) = delete;

  enum class End {
    Closed,      // the window closed: the program starts afresh
    HandedOver,  // another tab took the game
    Replaced,    // the player loaded another records file: the program starts afresh with it
    Quit,        // the program ended without closing (the display check)
  };
  // Shows the window and runs it until it ends.
  End run();

  // Shows on the canvas what the core drew since the last call.
  void present();
  void messageBox(MessageKind kind, const std::string& text);
  void runModal(Dialog& dialog);
  // The close runs once the handler that asked for it has returned.
  void requestClose() { closeRequested_ = true; }
  void quit() { quit_ = true; }

 private:
  // Waits for the next event or due timer and runs what is due. The page's
  // own events are handled whatever window is open; any other is handed to
  // `handle`.
  template <typename Handle>
  void step(Handle&& handle);
  void handleMainEvent(const page::Event& event);
  // An event of an open dialog; true when the dialog has closed.
  bool handleDialogEvent(Dialog& dialog, const page::Event& event);
  // The page's dialog window, whose edit box held `editText` when the event came.
  DialogWindowSide dialogSide(const Dialog& dialog, const std::string& editText);
  void close();
  // The page's own events, which every loop handles; false for any other.
  bool handlePageEvent(const page::Event& event);
  void loadOfferedRecords();

  TForm1& form_;
  TitleClicks clicks_;
  bool closeRequested_ = false;
  bool closed_ = false;
  bool quit_ = false;
  bool handedOver_ = false;
  bool replaced_ = false;
};

}  // namespace vemo::web
