#pragma once
// What the game core asks of the desktop it runs on: the only things that a
// plain C++ core cannot do itself. The Qt front end implements it for play;
// tests implement it with a fake that records calls and runs a virtual clock.

#include <cstdint>
#include <string>

namespace vemo {

class Surface;
class Dialog;

// A font as the program names it: a family name, a character height in pixels.
struct FontSpec {
  std::string family = "MS Sans Serif";
  int pixelHeight = 11;
  bool bold = false;
};

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
  // Bits per pixel of the screen; 0 when it cannot be told.
  virtual int screenDepth() const = 0;

  // Modal message box with one "OK" button and the program's title as caption.
  virtual void messageBox(MessageKind kind, const std::string& text) = 0;
  // Shows a modal dialog window and returns when it has closed.
  virtual void showModal(Dialog& dialog) = 0;
  // Asks the main window to close; the close query decides.
  virtual void requestClose() = 0;
  // Ends the program at once, without the closing steps.
  virtual void quitNow() = 0;

  // Draws text with its top-left corner at (x, y), black on white.
  virtual void drawText(Surface& surface, int x, int y, const std::string& utf8, const FontSpec& font) = 0;
};

}  // namespace vemo
