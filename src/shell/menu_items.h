#pragma once
// The main window's menu items, each by its own name N1..N35 (there are no
// N16 and N23), so that a misspelt item fails to compile instead of failing
// when the menu is first used.

#include <array>
#include <string_view>

namespace vemo {

enum class MenuId {
  N1, N2, N3, N4, N5, N6, N7, N8, N9, N10, N11, N12,
  N13, N14, N15, N17, N18, N19, N20, N21, N22, N24, N25, N26,
  N27, N28, N29, N30, N31, N32, N33, N34, N35,
};
inline constexpr int kMenuItemCount = 33;

// The item's name as the menu tree and the desktop know it.
inline constexpr std::string_view MenuName(MenuId id) {
  constexpr std::array<std::string_view, kMenuItemCount> kNames{
    "N1", "N2", "N3", "N4", "N5", "N6", "N7", "N8", "N9", "N10", "N11", "N12",
    "N13", "N14", "N15", "N17", "N18", "N19", "N20", "N21", "N22", "N24", "N25", "N26",
    "N27", "N28", "N29", "N30", "N31", "N32", "N33", "N34", "N35",
  };
  return kNames[static_cast<int>(id)];
}

}  // namespace vemo
