// The compile-time item names against the menu tree, and the timer sets that
// the pause and the game starts stop.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell/menu_model.h"
#include "shell/timer_table.h"

namespace vemo {
namespace {

TEST(MenuItems, EveryNameIsOneItemOfTheTree) {
  const MenuModel menu;
  std::set<std::string> seen;
  for (int i = 0; i < kMenuItemCount; ++i) {
    const std::string name(MenuName(static_cast<MenuId>(i)));
    EXPECT_NO_THROW(menu.item(name)) << name;
    seen.insert(name);
  }
  // N1..N35 without N16 and N23, each once: the tree has no item left unnamed.
  EXPECT_EQ(seen.size(), 33u);
  EXPECT_EQ(menu.items().size(), 33u);
  EXPECT_EQ(seen.count("N16") + seen.count("N23"), 0u);
  EXPECT_EQ(MenuName(MenuId::N22), "N22");
  EXPECT_EQ(MenuName(MenuId::N35), "N35");
}

TEST(TimerSets, StopAndStartEveryMemberAndNoOther) {
  std::int64_t now = 0;
  TimerTable timers([&] { return now; });
  timers.enable(kSnakeTimers);
  EXPECT_TRUE(timers.enabled(TimerId::SnakMov));
  EXPECT_TRUE(timers.enabled(TimerId::SnakVis));
  EXPECT_TRUE(timers.enabled(TimerId::Apple));
  EXPECT_FALSE(timers.enabled(TimerId::Mover));
  EXPECT_TRUE(timers.enabled(TimerId::Gor));
  timers.disable(kSnakeGameClock);
  EXPECT_FALSE(timers.enabled(TimerId::SnakMov));
  EXPECT_FALSE(timers.enabled(TimerId::SnakVis));
  EXPECT_TRUE(timers.enabled(TimerId::Apple));  // the pause leaves a pending apple alone
}

}  // namespace
}  // namespace vemo
