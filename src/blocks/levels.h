#pragma once
// The speed levels: the fall (and snake move) interval of each level.

#include <array>

namespace vemo {

inline constexpr int kTopLevel = 5;
// Interval in ms by level 0..5; level 0 stops the fall timer from firing.
inline constexpr std::array<int, kTopLevel + 1> kLevelInterval{0, 500, 400, 300, 185, 100};

inline constexpr bool ValidLevel(int level) { return level >= 0 && level <= kTopLevel; }

}  // namespace vemo
