// What the core hears from the keyboard: codes, held keys, shortcut keys,
// modifiers, and Alt, which must not hand the arrows to the menu bar.

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "desktop/key_codes.h"
#include "desktop/window_fixture.h"

namespace vemo::desktop::testing {
namespace {

using Entries = std::vector<std::string>;

TEST(KeyCodes, GameAndControlKeys) {
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Left, {}), 37);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Up, {}), 38);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Right, {}), 39);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Down, {}), 40);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Return, {}), 13);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Enter, Qt::KeypadModifier), 13);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Shift, Qt::ShiftModifier), 16);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Control, Qt::ControlModifier), 17);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Alt, Qt::AltModifier), 18);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Escape, {}), 27);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Space, {}), 32);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Delete, {}), 46);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_F1, {}), 112);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_F12, {}), 123);
  // Arrows of the number pad with Num Lock off are still arrows.
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Left, Qt::KeypadModifier), 37);
}

TEST(KeyCodes, LettersAndDigitsByTheKeyNotTheCharacter) {
  EXPECT_EQ(VirtualKeyFor(Qt::Key_A, {}), 65);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Z, Qt::ShiftModifier), 90);
  EXPECT_EQ(VirtualKeyFor('q', {}), 'Q');
  EXPECT_EQ(VirtualKeyFor(Qt::Key_0, {}), 48);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_9, {}), 57);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Exclam, Qt::ShiftModifier), '1');
  EXPECT_EQ(VirtualKeyFor(Qt::Key_ParenRight, Qt::ShiftModifier), '0');
  // Russian layout: the Cyrillic letter on a key counts as that key's Latin letter.
  EXPECT_EQ(VirtualKeyFor(0x0421, Qt::ControlModifier), 'C');  // С
  EXPECT_EQ(VirtualKeyFor(0x0413, {}), 'U');                    // Г
  EXPECT_EQ(VirtualKeyFor(0x0424, {}), 'A');                    // Ф
  EXPECT_EQ(VirtualKeyFor(0x0439, {}), 'Q');                    // й, lower case
  EXPECT_EQ(VirtualKeyFor(0x042C, {}), 'M');                    // Ь
}

TEST(KeyCodes, CyrillicLetterOnALatinKey) {
  EXPECT_EQ(CyrillicOnKey(Qt::Key_U), 0x0413);  // Г
  EXPECT_EQ(CyrillicOnKey(Qt::Key_C), 0x0421);  // С
  EXPECT_EQ(CyrillicOnKey(Qt::Key_Q), 0x0419);  // Й
  EXPECT_EQ(CyrillicOnKey(Qt::Key_F1), 0);
  EXPECT_EQ(CyrillicOnKey(Qt::Key_BracketLeft), 0);
  for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key) EXPECT_EQ(VirtualKeyFor(CyrillicOnKey(key), {}), key);
}

TEST(KeyCodes, OtherKeysStayOutOfTheWay) {
  EXPECT_EQ(VirtualKeyFor(Qt::Key_0, Qt::KeypadModifier), 96);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_Tab, {}), 9);
  EXPECT_EQ(VirtualKeyFor(Qt::Key_VolumeUp, {}), kUnknownKey);
  EXPECT_EQ(VirtualKeyFor(0x05D0, {}), kUnknownKey);  // a Hebrew letter
}

using KeyStream = WindowTest;

void SendAutoRepeat(QWidget* target, Qt::Key key) {
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(target, &release);
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(target, &press);
}

TEST_F(KeyStream, HeldKeyGivesPressesAndOneRelease) {
  QTest::keyPress(&window.view(), Qt::Key_Left);
  SendAutoRepeat(&window.view(), Qt::Key_Left);
  SendAutoRepeat(&window.view(), Qt::Key_Left);
  QTest::keyRelease(&window.view(), Qt::Key_Left);
  EXPECT_EQ(window.entries, (Entries{"down 37", "down 37", "down 37", "up 37"}));
}

TEST_F(KeyStream, KeysSentToTheWindowReachTheCoreToo) {
  QTest::keyClick(&window, Qt::Key_Down);
  EXPECT_EQ(window.entries, (Entries{"down 40", "up 40"}));
}

TEST_F(KeyStream, ShortcutKeyGivesItsReleaseOnly) {
  int runs = 0;
  form.Menu().bind("N17", [&] { ++runs; });
  QTest::keyClick(&window.view(), Qt::Key_F1);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(window.entries, (Entries{"up 112"}));
}

TEST_F(KeyStream, ModifierKeysOnTheirOwn) {
  QTest::keyClick(&window.view(), Qt::Key_Control);
  QTest::keyClick(&window.view(), Qt::Key_Shift);
  EXPECT_EQ(window.entries, (Entries{"down 17", "up 17", "down 16", "up 16"}));
}

TEST_F(KeyStream, ModifiedShortcutReleasesBothKeys) {
  int runs = 0;
  form.Menu().bind("N25", [&] { ++runs; });
  // QTest presses and releases Ctrl around the F1.
  QTest::keyClick(&window.view(), Qt::Key_F1, Qt::ControlModifier);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(window.entries, (Entries{"down 17", "up 112", "up 17"}));
}

TEST_F(KeyStream, TappingAltLeavesTheArrowsToTheGame) {
  QTest::keyClick(&window.view(), Qt::Key_Alt);
  QTest::keyClick(&window.view(), Qt::Key_Down);
  QTest::keyClick(&window.view(), Qt::Key_Left);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(window.menuBar()->activeAction(), nullptr);
  EXPECT_EQ(window.entries, (Entries{"down 18", "up 18", "down 40", "up 40", "down 37", "up 37"}));
}

TEST_F(KeyStream, AltWithACyrillicMnemonicOpensItsMenu) {
  QTest::sendKeyEvent(QTest::Click, &window.view(), static_cast<Qt::Key>(0x0424), QStringLiteral("ф"),
                      Qt::AltModifier);
  auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->title(), QStringLiteral("&Файл"));
  popup->close();
  QCoreApplication::processEvents();
}

}  // namespace
}  // namespace vemo::desktop::testing
