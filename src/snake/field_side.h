#pragma once
// The side of the snake field in cells: the one a new window starts with and
// that a missing or unusable answer falls back to.

namespace vemo {

inline constexpr int kDefaultFieldSide = 15;

}  // namespace vemo
