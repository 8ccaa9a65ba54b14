#pragma once
// The program's name, as its caption, its message boxes and its about box show it.

#include <string_view>

namespace vemo {

inline constexpr std::string_view kProductName = "Vemo";

}  // namespace vemo
