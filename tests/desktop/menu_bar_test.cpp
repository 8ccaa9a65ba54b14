// The menu bar against the core's menu model: tree, captions, shortcuts,
// check marks, enabled states, and the commands its items run.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "desktop/window_fixture.h"

namespace vemo::desktop::testing {
namespace {

using MenuBarTest = WindowTest;

// Compares a container's actions with the model's items, recursively.
void ExpectSameTree(const MenuModel& model, const std::vector<std::string>& names, const QList<QAction*>& actions) {
  ASSERT_EQ(actions.size(), static_cast<qsizetype>(names.size()));
  for (std::size_t i = 0; i < names.size(); ++i) {
    const MenuItem& item = model.item(names[i]);
    QAction* action = actions[static_cast<qsizetype>(i)];
    SCOPED_TRACE(item.name);
    EXPECT_EQ(action->isSeparator(), item.separator());
    if (item.separator()) continue;
    EXPECT_EQ(action->text().toStdString(), item.caption);
    EXPECT_EQ(action->shortcut(), ShortcutFor(item.shortcut));
    EXPECT_EQ(action->isChecked(), item.checked);
    EXPECT_EQ(action->isEnabled(), item.enabled);
    EXPECT_EQ(action->menu() != nullptr, item.submenu());
    if (item.submenu()) ExpectSameTree(model, item.children, action->menu()->actions());
  }
}

TEST_F(MenuBarTest, FollowsTheModelTree) {
  ExpectSameTree(form.Menu(), form.Menu().topLevel(), window.menuBar()->actions());
}

TEST_F(MenuBarTest, TopLevelCaptions) {
  const QList<QAction*> top = window.menuBar()->actions();
  ASSERT_EQ(top.size(), 4);
  EXPECT_EQ(top[0]->text(), QStringLiteral("&Файл"));
  EXPECT_EQ(top[1]->text(), QStringLiteral("&Параметры"));
  EXPECT_EQ(top[2]->text(), QStringLiteral("&Рекорды"));
  EXPECT_EQ(top[3]->text(), QStringLiteral("&О программе"));
}

TEST_F(MenuBarTest, CaptionsKeepTheirExactText) {
  EXPECT_EQ(window.menus().action("N24")->text(), QStringLiteral("Игра в &Удава "));
  EXPECT_EQ(window.menus().action("N34")->text(), QStringLiteral("&Чуствительное"));
  EXPECT_EQ(window.menus().action("N20")->text(), QStringLiteral("&Начать игру на четвёртой скорости"));
}

TEST_F(MenuBarTest, ShortcutsFromPortableText) {
  EXPECT_EQ(window.menus().action("N4")->shortcut(), QKeySequence(Qt::Key_Delete));
  EXPECT_EQ(window.menus().action("N17")->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(window.menus().action("N29")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F5));
  EXPECT_EQ(window.menus().action("N6")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_TRUE(window.menus().action("N31")->shortcut().isEmpty());
}

TEST_F(MenuBarTest, CheckMarksAtStart) {
  for (const char* name : {"N8", "N9", "N22", "N35", "N11", "N31"}) {
    EXPECT_TRUE(window.menus().action(name)->isChecked()) << name;
  }
  // An unchecked item shows no indicator at all.
  EXPECT_FALSE(window.menus().action("N34")->isChecked());
  EXPECT_FALSE(window.menus().action("N34")->isCheckable());
  EXPECT_FALSE(window.menus().action("N14")->isCheckable());
}

TEST_F(MenuBarTest, FollowsModelChanges) {
  form.Menu().setChecked("N34", true);
  form.Menu().setChecked("N35", false);
  EXPECT_TRUE(window.menus().action("N34")->isChecked());
  EXPECT_FALSE(window.menus().action("N35")->isChecked());
  EXPECT_FALSE(window.menus().action("N35")->isCheckable());
  form.Menu().setEnabled("N4", false);
  EXPECT_FALSE(window.menus().action("N4")->isEnabled());
  form.Menu().setEnabled("N4", true);
  EXPECT_TRUE(window.menus().action("N4")->isEnabled());
}

TEST_F(MenuBarTest, TheModelDecidesTheCheckMarkAfterATrigger) {
  // A command that leaves its own check mark alone: Qt must not flip it.
  form.Menu().bind("N35", [] {});
  window.menus().action("N35")->trigger();
  EXPECT_TRUE(window.menus().action("N35")->isChecked());

  // A command that clears it.
  int runs = 0;
  form.Menu().bind("N31", [&] {
    ++runs;
    form.Menu().setChecked("N31", !form.Menu().checked("N31"));
  });
  window.menus().action("N31")->trigger();
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(window.menus().action("N31")->isChecked());
  window.menus().action("N31")->trigger();
  EXPECT_TRUE(window.menus().action("N31")->isChecked());
}

TEST_F(MenuBarTest, TriggerRunsTheItemsCommand) {
  std::vector<std::string> ran;
  for (const char* name : {"N32", "N12", "N14"}) form.Menu().bind(name, [&ran, name] { ran.push_back(name); });
  window.menus().action("N32")->trigger();
  window.menus().action("N12")->trigger();
  window.menus().action("N14")->trigger();
  EXPECT_EQ(ran, (std::vector<std::string>{"N32", "N12", "N14"}));
}

TEST_F(MenuBarTest, ShortcutKeysRunTheirItems) {
  std::vector<std::string> ran;
  for (const char* name : {"N17", "N25", "N4", "N14", "N15"})
    form.Menu().bind(name, [&ran, name] { ran.push_back(name); });
  QTest::keyClick(&window, Qt::Key_F1);
  QTest::keyClick(&window, Qt::Key_F1, Qt::ControlModifier);
  QTest::keyClick(&window.view(), Qt::Key_Delete);
  QTest::keyClick(&window.view(), Qt::Key_U, Qt::ControlModifier);
  QTest::keyClick(&window.view(), Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(ran, (std::vector<std::string>{"N17", "N25", "N4", "N14", "N15"}));
}

TEST_F(MenuBarTest, CtrlLettersWorkWithOnlyARussianLayout) {
  // Ctrl+U, Ctrl+C, Ctrl+Q as the keys give them with the Russian layout alone.
  EXPECT_EQ(window.menus().action("N14")->shortcuts(),
            (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_U), QKeySequence(Qt::CTRL | Qt::Key(0x0413))}));
  std::vector<std::string> ran;
  for (const char* name : {"N14", "N9", "N6"}) form.Menu().bind(name, [&ran, name] { ran.push_back(name); });
  for (const char* letter : {"г", "с", "й"}) {
    const QString text = QString::fromUtf8(letter);
    QTest::sendKeyEvent(QTest::Click, &window.view(), static_cast<Qt::Key>(text.toUpper()[0].unicode()), text,
                        Qt::ControlModifier);
  }
  EXPECT_EQ(ran, (std::vector<std::string>{"N14", "N9", "N6"}));
  // F-keys and Del have no twin.
  EXPECT_EQ(window.menus().action("N17")->shortcuts().size(), 1);
  EXPECT_EQ(window.menus().action("N4")->shortcuts().size(), 1);
}

TEST_F(MenuBarTest, DisabledItemIgnoresItsShortcut) {
  int runs = 0;
  form.Menu().bind("N18", [&] { ++runs; });
  form.Menu().setEnabled("N18", false);
  QTest::keyClick(&window, Qt::Key_F2);
  EXPECT_EQ(runs, 0);
  form.Menu().setEnabled("N18", true);
  QTest::keyClick(&window, Qt::Key_F2);
  EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace vemo::desktop::testing
