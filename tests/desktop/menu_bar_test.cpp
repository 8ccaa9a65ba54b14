// The menu bar against the core's menu model: tree, captions, shortcuts,
// check marks, enabled states, and the commands its items run.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "desktop/window_fixture.h"

namespace vemo::desktop::testing {
namespace {

using MenuBarTest = WindowTest;

// One item of the menu as a player sees it: caption with its "&", the key
// shown beside it, the check mark of a new window; "-" is a separator.
struct Item {
  const char* name;
  const char* caption;
  QKeySequence key = {};
  bool checked = false;
  std::vector<Item> children = {};
};

Item Speed(const char* name, const char* caption, QKeySequence key) { return {name, caption, key}; }

// The whole menu, written out item by item.
std::vector<Item> ExpectedMenu() {
  const char* first = "&Начать игру на первой скорости";
  const char* second = "&Начать игру на второй скорости";
  const char* third = "&Начать игру на третьей скорости";
  const char* fourth = "&Начать игру на четвёртой скорости";
  const char* fifth = "&Начать игру на пятой скорости";
  const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
  return {
      {"N1", "&Файл", {}, false,
       {{"N2", "Игра в &Тетрис", {}, false,
         {Speed("N17", first, Qt::Key_F1), Speed("N18", second, Qt::Key_F2), Speed("N19", third, Qt::Key_F3),
          Speed("N20", fourth, Qt::Key_F4), Speed("N21", fifth, Qt::Key_F5)}},
        {"N24", "Игра в &Удава ", {}, false,
         {Speed("N25", first, ctrl(Qt::Key_F1)), Speed("N26", second, ctrl(Qt::Key_F2)),
          Speed("N27", third, ctrl(Qt::Key_F3)), Speed("N28", fourth, ctrl(Qt::Key_F4)),
          Speed("N29", fifth, ctrl(Qt::Key_F5)), {"N13", "-"},
          {"N15", "&Изменить размер игрового поля...", ctrl(Qt::Key_R)}}},
        {"N3", "-"},
        {"N4", "&Пауза", QKeySequence(Qt::Key_Delete)},
        {"N5", "-"},
        {"N6", "&Выход", ctrl(Qt::Key_Q)}}},
      {"N7", "&Параметры", {}, false,
       {{"N8", "&Звук", ctrl(Qt::Key_S), true},
        {"N9", "&Курсор", ctrl(Qt::Key_C), true},
        {"N22", "&Повышение скорости", ctrl(Qt::Key_A), true},
        {"N33", "&Управление", {}, false, {{"N34", "&Чуствительное"}, {"N35", "&Стандартное", {}, true}}},
        {"N10", "-"},
        {"N11", "&Следующая фигура", ctrl(Qt::Key_G), true},
        {"N31", "&Анимация", {}, true},
        {"N30", "-"},
        {"N14", "&Обновить", ctrl(Qt::Key_U)}}},
      {"N32", "&Рекорды"},
      {"N12", "&О программе"},
  };
}

void ExpectMenu(const MenuBar& menus, const MenuModel& model, const std::vector<Item>& expected,
                const QList<QAction*>& actions) {
  ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Item& want = expected[i];
    QAction* action = actions[static_cast<qsizetype>(i)];
    SCOPED_TRACE(want.name);
    if (std::string_view(want.caption) == "-") {
      EXPECT_TRUE(action->isSeparator());
      EXPECT_TRUE(model.item(want.name).separator());
      continue;
    }
    EXPECT_EQ(menus.action(want.name), action);
    EXPECT_EQ(action->text(), QString::fromUtf8(want.caption));
    EXPECT_EQ(action->shortcut(), want.key);
    EXPECT_EQ(action->isChecked(), want.checked);
    EXPECT_TRUE(action->isEnabled());
    ASSERT_EQ(action->menu() != nullptr, !want.children.empty());
    if (!want.children.empty()) ExpectMenu(menus, model, want.children, action->menu()->actions());
  }
}

TEST_F(MenuBarTest, ShowsTheWholeMenuOfANewWindow) {
  ExpectMenu(window.menus(), form.Menu(), ExpectedMenu(), window.menuBar()->actions());
  // An unchecked item shows no indicator at all.
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
