#pragma once
// What the game core asks of the desktop it runs on: the only things that a
// plain C++ core cannot do itself. The Qt front end implements it for play;
// tests implement it with a fake that records calls and runs a virtual clock.

#include <cstdint>
#include <string>
#include <string_view>

#include "render/picture.h"
#include "render/surface.h"

namespace vemo {

class Dialog;

enum class MessageKind { Information, Warning, Error };

class Desktop {
 public:
  virtual ~Desktop() = default;

  // Monotonic time in microseconds; the timer table and the animations run on it.
  virtual std::int64_t nowUs() const = 0;
  // Waits, doing nothing else, until nowUs() reaches `us` (animation pacing).
  virtual void sleepUntilUs(std::int64_t us) = 0;
  // Shows the pixels drawn so far at once, inside a long handler.
  virtual void presentNow() = 0;

  virtual void setCaption(const std::string& text) = 0;
  virtual void setCursorVisible(bool visible) = 0;
  virtual void playInformationSound() = 0;
  // Bits per pixel of the screen; negative when the screen cannot be asked.
  virtual int screenDepth() const = 0;
  // The main window's outer size measured from the client area's origin: at
  // least one pixel past the client area on the right and at the bottom.
  virtual Rect windowFrame() const { return {0, 0, Surface::kWidth + 1, Surface::kHeight + 1}; }
  // The desktop's colour of menus, the main window's own colour.
  virtual Rgb menuColour() const = 0;

  // Modal message box with one "OK" button and the program's title as caption.
  virtual void messageBox(MessageKind kind, const std::string& text) = 0;
  // Shows a modal dialog window and returns when it has closed.
  virtual void showModal(Dialog& dialog) = 0;
  // Asks the main window to close; the close query decides.
  virtual void requestClose() = 0;
  // Ends the program at once, without the closing steps.
  virtual void quitNow() = 0;

  // The records file, read whole and replaced whole, failing as a file does
  // (PlatformError: cannot open, cannot create). On the desktop it is the
  // file "data" in the working directory; a page keeps it in the browser.
  virtual std::string readRecordsFile();
  virtual void replaceRecordsFile(std::string_view bytes);
};

}  // namespace vemo
