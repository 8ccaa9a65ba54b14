#pragma once
// The interface between the program and its page, described once. The web
// build turns these tables into modules the page's scripts import
// (src/web/boundary/boundary_gen.cpp): a script that names an event, a field
// or a value the tables lack does not bundle, and the page's tests check that
// the calls below are the page's methods and the program's imports.

#include <string_view>

#include "shell/look.h"
#include "shell/message_box_layout.h"

namespace vemo::web::page {

// What the page queues for the program, one at a time: a type and the
// fields a, b (numbers) and text.
enum class EventType {
  None = 0,
  KeyDown, KeyUp, MouseDown, MouseUp, Menu, DialogKey, DialogMouse, DialogButton, DialogClose,
  MessageClosed, PlayerLeft, KeysLost, KeepFailed, HandOver, RecordsOffered,
};

// Each type, in order, as the scripts make it: the maker's name and what the
// fields hold (empty: unused), which name the maker's parameters.
struct EventDescription {
  EventType type;
  std::string_view maker, a = {}, b = {}, text = {};
};
inline constexpr EventDescription kEvents[] = {
    {EventType::KeyDown, "keyDown", "key"},  // a virtual-key code
    {EventType::KeyUp, "keyUp", "key"},
    {EventType::MouseDown, "mouseDown", "x", "y", "button"},  // a surface pixel; "0" is the left button
    {EventType::MouseUp, "mouseUp", "x", "y"},                // of the left button
    {EventType::Menu, "menu", "", "", "item"},                // the item's name
    {EventType::DialogKey, "dialogKey", "key", "", "edit"},   // edit: the edit box's text
    {EventType::DialogMouse, "dialogMouse", "", "", "edit"},  // a press in the window
    {EventType::DialogButton, "dialogButton", "", "", "edit"},
    {EventType::DialogClose, "dialogClose", "", "", "edit"},  // the close box
    {EventType::MessageClosed, "messageClosed"},
    {EventType::PlayerLeft, "playerLeft"},  // the page was hidden or lost the focus
    {EventType::KeysLost, "keysLost"},      // the menu bar took the keyboard
    {EventType::KeepFailed, "keepFailed"},  // the records could not be kept while the page was hidden
    {EventType::HandOver, "handOver"},      // another tab takes the game: stop at once, the records are kept
    {EventType::RecordsOffered, "recordsOffered"},  // the player picked a records file to load (offeredRecords)
};
constexpr bool EventsInOrder() {
  int n = 0;
  for (const EventDescription& event : kEvents)
    if (static_cast<int>(event.type) != ++n) return false;
  return n == static_cast<int>(EventType::RecordsOffered);
}
static_assert(EventsInOrder(), "one description per event type, in the enum's order");

// The page's methods the program calls, Module.vemoPage.<name> (page.cpp).
inline constexpr std::string_view kCalls[] = {
    "wait", "sleepUntil", "take", "blit", "setCaption", "setCursorVisible", "beep", "screenDepth",
    "setMenu", "setMenuItem", "setPicture", "showDialog", "setEditText", "hideDialog", "showMessage",
    "loadRecords", "copyRecords", "offeredRecords", "copyOfferedRecords", "storeRecords", "turn", "startAfresh", "ended",
};

// The field names of the menu, dialog and message descriptions (page_json.cpp).
#define VEMO_PAGE_FIELDS(X)                                                                                   \
  X(top) X(items) X(caption) X(shortcut) X(more) X(checked) X(enabled) X(children)                            \
  X(name) X(x) X(y) X(width) X(height) X(font) X(family) X(px) X(bold)                                        \
  X(bevels) X(pictures) X(labels) X(edits) X(buttons) X(style) X(right) X(wrap) X(clip) X(text) X(maxLength)  \
  X(isDefault) X(kind) X(layout) X(lineHeight) X(margin) X(iconSize) X(textX) X(spacing) X(buttonWidth)       \
  X(buttonHeight) X(softLimitCap) X(smallScreen) X(hardLimitInset) X(hardLimitCap)
// The names of the kinds and styles those descriptions hold.
#define VEMO_PAGE_VALUES(X) \
  X(panel) X(sunken) X(vline) X(information) X(warning) X(error) X(about) X(records) X(name) X(fieldSize)

#define VEMO_PAGE_NAME(n) inline constexpr std::string_view n = #n;
namespace field {
VEMO_PAGE_FIELDS(VEMO_PAGE_NAME)
}
namespace value {
VEMO_PAGE_VALUES(VEMO_PAGE_NAME)
}
#undef VEMO_PAGE_NAME

// The page's copies of the faces (tools/web_fonts.py writes them to fonts/).
struct WebFace {
  std::string_view face;
  bool bold;
  std::string_view file;
  std::string_view metrics;  // descriptors of its own in the page
};
inline constexpr WebFace kWebFaces[] = {
    {kSansFace, false, "LiberationSans-Regular.woff2", ""},
    {kSansFace, true, "LiberationSans-Bold.woff2", ""},
    // The desktop sets the script face by its Windows ascent and descent.
    {kScriptFace, false, "Z003-MediumItalic.woff2",
     "ascent-override: 94.7%; descent-override: 30%; line-gap-override: 0%"},
    {kMessageBoxLayout.font.family, false, "DejaVuSans.woff2", ""},
};

// The page around the window, and the installed page's colours.
inline constexpr Rgb kPageColour{0x5a, 0x6e, 0x7f};

}  // namespace vemo::web::page
