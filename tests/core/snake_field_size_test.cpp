// The side of the snake field: the text-to-integer conversion, the dialog
// TForm4 with its Enter and close-box paths, and the command that opens it.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "shell/str_to_int.h"
#include "support/game_fixture.h"

namespace vemo::testing {
namespace {

TEST(StrToIntTest, PlainDecimalWithSignAndLeadingBlanks) {
  EXPECT_EQ(StrToInt("12"), 12);
  EXPECT_EQ(StrToInt("  12"), 12);
  EXPECT_EQ(StrToInt("\t+7"), 7);
  EXPECT_EQ(StrToInt("0000"), 0);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("-3"), -3);
  EXPECT_EQ(StrToInt(" -0"), 0);
  EXPECT_EQ(StrToInt("007"), 7);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(StrToIntTest, EverythingElseIsNoInteger) {
  for (const char* text : {"", " ", "-", "+", "12 ", "1 2", "- 1", "abc", "12a", "0x10", "$10", "1e3", "1.0",
                           "2147483648", "-2147483649", "99999999999999999999", "\xEF\xBC\x91"})
    EXPECT_FALSE(StrToInt(text).has_value()) << '"' << text << '"';
}

TEST(StrToIntTest, ToIntFailsWithThePlatformText) {
  EXPECT_EQ(ToInt(" 15"), 15);
  try {
    ToInt("abc");
    FAIL() << "no failure";
  } catch (const PlatformError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
  }
}

class FieldSizeTest : public GameTest {
 protected:
  // No start-up sequence: it would read a records file and set the size.
  FieldSizeTest() { timers().disable(TimerId::Gor); }

  TForm4& dialog() { return form->Form4; }
  // The desktop's part while the dialog is open: each event goes through the
  // main window's event entry, and a close asked by a handler runs the close query.
  void show() {
    dialog().closeRequested = false;
    form->OnDialogEvent([this] { dialog().FormShow(); });
  }
  void type(const std::string& text) { dialog().Edit1 = text; }
  // True when Enter closed the dialog.
  bool enter() {
    form->OnDialogEvent([this] { dialog().KeyDown(vk::kEnter); });
    if (!dialog().closeRequested) return false;
    form->OnDialogEvent([this] { dialog().FormCloseQuery(); });
    return true;
  }
  void closeBox() { form->OnDialogEvent([this] { dialog().FormCloseQuery(); }); }

  // Chooses the command; `player` acts while the dialog is open.
  void openDialog(std::function<void()> player) {
    desktop.modalScripts.push_back([this, player] {
      show();
      player();
    });
    form->OnMenu("N15");
  }
  // Opens the dialog, types `text` and presses Enter.
  void answer(const std::string& text) {
    openDialog([&] {
      type(text);
      ASSERT_TRUE(enter()) << text;
    });
  }
  std::vector<std::string> errors() {
    std::vector<std::string> out;
    for (const auto& m : desktop.messages)
      if (m.kind == MessageKind::Error) out.push_back(m.text);
    return out;
  }
};

TEST_F(FieldSizeTest, EnterTakesASizeFrom10To20) {
  const std::vector<std::pair<std::string, int>> answers{{"12", 12}, {"10", 10}, {"20", 20}, {" 17", 17}, {"+11", 11}};
  for (const auto& [text, size] : answers) {
    answer(text);
    EXPECT_EQ(state().FieldSize, size) << text;
    EXPECT_EQ(dialog().Edit1, text) << "an accepted text stays as typed";
  }
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(desktop.dialogs.size(), 5u);
  EXPECT_EQ(desktop.dialogs[0], DialogKind::FieldSize);
}

TEST_F(FieldSizeTest, EnterTurnsAnEmptyOrOutOfRangeAnswerInto15) {
  for (const char* text : {"", "9", "21", "-3", "0", "+25", "-2147483648"}) {
    state().FieldSize = 12;
    answer(text);
    EXPECT_EQ(dialog().Edit1, "15") << text;
    EXPECT_EQ(state().FieldSize, 15) << text;
  }
  EXPECT_TRUE(errors().empty());
}

TEST_F(FieldSizeTest, EnterOnTextThatIsNoIntegerShowsTheErrorAndTheDialogStays) {
  openDialog([&] {
    type("abc");
    EXPECT_FALSE(enter());
    EXPECT_EQ(errors(), std::vector<std::string>{"'abc' is not a valid integer value."});
    EXPECT_EQ(dialog().Edit1, "abc");
    type("14");
    EXPECT_TRUE(enter());
  });
  EXPECT_EQ(state().FieldSize, 14);
  EXPECT_EQ(errors().size(), 1u);
}

TEST_F(FieldSizeTest, TheCloseBoxTakesTheTextUnchanged) {
  state().FieldSize = 11;
  openDialog([&] {
    type("12");
    closeBox();
  });
  EXPECT_EQ(state().FieldSize, 12);

  openDialog([&] {
    type("25");
    closeBox();
  });
  EXPECT_EQ(dialog().Edit1, "25") << "only Enter replaces the text";
  EXPECT_EQ(state().FieldSize, 15);
  EXPECT_TRUE(errors().empty());

  state().FieldSize = 13;
  openDialog([&] { closeBox(); });
  EXPECT_EQ(errors(), std::vector<std::string>{"'' is not a valid integer value."});
  EXPECT_EQ(state().FieldSize, 13) << "an empty box leaves the size as it was";

  openDialog([&] {
    type("дюжина");
    closeBox();
  });
  EXPECT_EQ(errors().back(), "'дюжина' is not a valid integer value.");
  EXPECT_EQ(state().FieldSize, 13);
}

TEST_F(FieldSizeTest, EveryOpeningStartsWithAnEmptyBox) {
  answer("12");
  openDialog([&] {
    EXPECT_EQ(dialog().Edit1, "");
    type("16");
    enter();
  });
  EXPECT_EQ(state().FieldSize, 16);
}

TEST_F(FieldSizeTest, TheWindowIsRedrawnBehindTheDialogAndAfterIt) {
  // The last game was a snake game: the redraw shows its field at the new size.
  state().FieldSize = 1;
  form->OnMenu("N25");  // no room on a 1 x 1 field: over at once
  ASSERT_EQ(state().RunState, Run::Stop);
  const Picture& background = form->Images().Image1;
  const Rgb mark{1, 2, 3};
  canvas().setPixel(300, 300, mark);
  openDialog([&] {
    run(24);
    EXPECT_EQ(canvas().pixel(300, 300), mark);
    run(1);
    EXPECT_EQ(canvas().pixel(300, 300), background.at(300, 300)) << "refreshed 25 ms after the opening";
    canvas().setPixel(300, 300, mark);
    type("12");
    enter();
  });
  EXPECT_TRUE(timers().enabled(TimerId::Up));
  run(25);
  EXPECT_EQ(canvas().pixel(300, 300), background.at(300, 300)) << "refreshed 25 ms after the closing";
  // The frame of a 12 x 12 field: outer edge (45, 84) .. (236, 275).
  EXPECT_NE(canvas().pixel(236, 275), background.at(236, 275));
  EXPECT_EQ(canvas().pixel(237, 276), background.at(237, 276));
}

TEST_F(FieldSizeTest, TheSizeCannotChangeDuringASnakeGame) {
  form->OnMenu("N25");
  EXPECT_FALSE(menu().enabled("N15"));
  form->OnMenu("N15");
  EXPECT_TRUE(desktop.dialogs.empty());
  form->OnMenu("N17");
  EXPECT_TRUE(menu().enabled("N15"));
}

}  // namespace
}  // namespace vemo::testing
