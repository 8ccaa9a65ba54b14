#pragma once
// What both front ends show alike and neither may choose on its own: the
// desktop reads it here, the page from the module the web build generates
// from it.

#include <string_view>

#include "render/picture.h"

namespace vemo {

// Qt's Fusion window colour, the desktop's window and menu bar: the title
// layer and the closing picture are drawn on it.
inline constexpr Rgb kWindowColour{239, 239, 239};

// The program names the fonts of the system it was designed on; these faces
// stand in for them. Liberation Sans has Arial's metrics and stands in for
// the old UI font too; URW's chancery face is the product name's script.
inline constexpr std::string_view kSansFace = "Liberation Sans";
inline constexpr std::string_view kScriptFace = "Z003";

struct StandIn {
  std::string_view named;  // as the layouts name it
  std::string_view face;
};
inline constexpr StandIn kStandIns[] = {
    {"Arial", kSansFace}, {"MS Sans Serif", kSansFace}, {"Tempus Sans ITC", kScriptFace}};

// The face that draws a family the program names; other names are faces already.
constexpr std::string_view FaceFor(std::string_view family) {
  for (const StandIn& standIn : kStandIns)
    if (standIn.named == family) return standIn.face;
  return family;
}

// The pitch of Liberation Sans's lines in a wrapped label, per pixel of the
// font's size: its ascent, descent and line gap unrounded, as Qt sets them.
inline constexpr double kSansLinePitch = 1.1499;

}  // namespace vemo
