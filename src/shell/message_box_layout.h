#pragma once
// The geometry of a message box: an icon, the text beside it and one OK
// button under them, in pixels of the box's client area. The desktop's
// toolkit lays its boxes out by these rules (its Fusion style at 96 dpi);
// a front end that draws its own boxes lays them out from this data.
//
// The box is as wide as the text on one line needs, and at least as wide as
// the button row. A box that would be wider than the soft limit wraps its
// text at word boundaries and takes the soft limit's width, or the width of
// the longest word if that is wider, but never more than the hard limit: a
// longer word is cut at the text's right edge. Both limits come from the
// screen's width.

#include "shell/dialog_layout.h"

namespace vemo {

struct MessageBoxLayout {
  FontLayout font{"DejaVu Sans", 12, false};  // the desktop's own font for its messages
  int lineHeight = 14;  // a wrapped text's lines follow each other at this pitch
  int margin = 11;      // between the client area's edges and everything in it
  int iconSize = 32;    // the icon's square, at (margin, margin)
  int textX = 62;       // the text's left edge; its top is at `margin`
  int spacing = 6;      // under the text (or the icon's column) and over the button row
  int buttonWidth = 80;
  int buttonHeight = 24;  // the button ends `margin` from the right and the bottom
  // Soft limit: half the screen's width, at most `softLimitCap`.
  int softLimitCap = 500;
  // Hard limit: screens up to `smallScreen` wide give their whole width;
  // wider ones their width less `hardLimitInset`, at most `hardLimitCap`.
  int smallScreen = 1024;
  int hardLimitInset = 480;
  int hardLimitCap = 1000;
};

inline constexpr MessageBoxLayout kMessageBoxLayout{};

}  // namespace vemo
