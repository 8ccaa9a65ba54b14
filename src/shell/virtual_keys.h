#pragma once
// Virtual-key codes of the keys the program reacts to, as the desktop reports
// them to the main window and to the dialogs.

namespace vemo::vk {
inline constexpr int kEnter = 13;
inline constexpr int kShift = 16;
inline constexpr int kSpace = 32;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
}  // namespace vemo::vk
