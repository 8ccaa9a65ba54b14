// The snake's start items answer Shift+F1..Shift+F5 as well as the
// Ctrl+F1..Ctrl+F5 that the menu shows, for desktops that keep Ctrl+F keys
// for themselves.

#include <QAction>

#include "desktop/window_fixture.h"

namespace vemo::desktop::testing {
namespace {

using SecondShortcut = WindowTest;

TEST_F(SecondShortcut, TheModelGivesShiftFKeysToTheSnakeStarts) {
  for (int i = 0; i < 5; ++i) {
    const MenuItem& item = form.Menu().item("N" + std::to_string(25 + i));
    EXPECT_EQ(item.shortcut, "Ctrl+F" + std::to_string(1 + i));
    EXPECT_EQ(item.moreShortcuts, std::vector<std::string>{"Shift+F" + std::to_string(1 + i)});
  }
  // The falling-block starts keep their single key.
  EXPECT_TRUE(form.Menu().item("N17").moreShortcuts.empty());
}

TEST_F(SecondShortcut, TheMenuStillShowsCtrlF) {
  for (int i = 0; i < 5; ++i) {
    QAction* action = window.menus().action("N" + std::to_string(25 + i));
    ASSERT_NE(action, nullptr);
    const auto f = static_cast<Qt::Key>(Qt::Key_F1 + i);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | f));
    EXPECT_EQ(action->shortcuts(), (QList<QKeySequence>{QKeySequence(Qt::CTRL | f), QKeySequence(Qt::SHIFT | f)}));
  }
}

TEST_F(SecondShortcut, ShiftF1StartsTheSnakeAtSpeedOne) {
  std::vector<std::string> ran;
  for (const char* name : {"N17", "N25", "N26", "N29"}) form.Menu().bind(name, [&ran, name] { ran.push_back(name); });
  QTest::keyClick(&window.view(), Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(ran, std::vector<std::string>{"N25"});
  QTest::keyClick(&window.view(), Qt::Key_F2, Qt::ShiftModifier);
  QTest::keyClick(&window.view(), Qt::Key_F5, Qt::ShiftModifier);
  EXPECT_EQ(ran, (std::vector<std::string>{"N25", "N26", "N29"}));
}

TEST_F(SecondShortcut, ShiftF1RunsTheRealSnakeStart) {
  QTest::keyClick(&window.view(), Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(form.State().Mode, GameMode::Snake);
  EXPECT_EQ(form.State().RunState, Run::Game);
  EXPECT_EQ(form.State().Speed, 1);
}

TEST_F(SecondShortcut, ShiftF1DoesNothingWhileTheItemIsDisabled) {
  int runs = 0;
  form.Menu().bind("N25", [&] { ++runs; });
  form.Menu().setEnabled("N25", false);
  QTest::keyClick(&window.view(), Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(runs, 0);
}

}  // namespace
}  // namespace vemo::desktop::testing
