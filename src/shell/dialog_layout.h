#pragma once
// Plain layout data of the dialog windows, for the desktop to build them
// from: every position and size is in pixels of the window's client area
// (x to the right, y down from its top-left corner), every font a family
// and a character height in pixels.

#include <string_view>

namespace vemo {

struct FontLayout {
  std::string_view family = "MS Sans Serif";
  int pixelHeight = 11;
  bool bold = false;
};

enum class TextAlign { Left, Right };

struct WindowLayout {
  std::string_view caption;
  int clientWidth;
  int clientHeight;
  FontLayout font;  // the window's font, used by elements without their own
  // Every dialog is centred on the screen, has a fixed border and a close
  // box and no other border icons.
};

// A text label. width and height 0: the label takes the size of its text.
// Left: the text starts at x. Right: the text ends at x + width.
// clip: the text is cut at the label's right edge instead of growing.
struct LabelLayout {
  std::string_view name;
  int x, y, width, height;
  FontLayout font;
  TextAlign align = TextAlign::Left;
  bool wordWrap = false;
  bool clip = false;
  std::string_view text = {};  // empty: the model holds the text
};

enum class BevelStyle {
  RaisedPanel,   // a panel: raised inner bevel, lowered outer bevel
  SunkenBox,     // a sunken frame
  VerticalLine,  // a sunken divider line at x, from y down `height` pixels
};

struct BevelLayout {
  std::string_view name;
  int x, y, width, height;
  BevelStyle style;
};

struct PictureLayout {
  std::string_view name;
  int x, y, width, height;  // the picture is stretched to this box
};

struct ButtonLayout {
  std::string_view name;
  int x, y, width, height;
  std::string_view text;
  bool isDefault;  // Enter presses it
};

// A one-line edit box; it takes the keyboard focus when the window opens.
struct EditLayout {
  std::string_view name;
  int x, y, width, height;
  int maxLength;  // in characters
};

// A window that asks for one line of text: a label over an edit box.
struct EditDialogLayout {
  WindowLayout window;
  LabelLayout label1;
  EditLayout edit1;
};

}  // namespace vemo
