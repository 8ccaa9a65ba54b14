// The dialog windows of the records and the about box.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/dialog_steps.h"
#include "support/game_fixture.h"

namespace vemo::testing {
namespace {

constexpr int kEscape = 27;
constexpr int kSpace = 32;

class RecordsDialogsTest : public GameTest {
 protected:
  // After a dialog closes the main window is redrawn once, 25 ms later.
  void expectRedrawSoon() {
    EXPECT_TRUE(timers().enabled(TimerId::Up));
    EXPECT_FALSE(timers().enabled(TimerId::Timer2));
    run(25);
    EXPECT_FALSE(timers().enabled(TimerId::Up));
    EXPECT_TRUE(timers().enabled(TimerId::Timer2)) << "Refresh ran";
  }
};

TEST_F(RecordsDialogsTest, TheRecordsViewHoldsTheBuiltInTable) {
  const TForm2& view = form->Form2;
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(view.Label(i), std::to_string(i));
    EXPECT_EQ(view.Label(10 + i), "----------");
    EXPECT_EQ(view.Label(20 + i), "0000");
  }
}

TEST_F(RecordsDialogsTest, AnyKeyOrButtonClosesTheRecordsView) {
  for (const int key : {vk::kShift, kEscape, vk::kEnter, 65, vk::kLeft}) {
    form->Form2.closeRequested = false;
    form->Form2.KeyDown(key);
    EXPECT_TRUE(form->Form2.closeRequested) << key;
  }
  form->Form2.closeRequested = false;
  form->Form2.FormMouseDown();
  EXPECT_TRUE(form->Form2.closeRequested);
}

TEST_F(RecordsDialogsTest, ClosingTheRecordsViewRedrawsTheMainWindow) {
  EXPECT_TRUE(form->Form2.FormCloseQuery());
  expectRedrawSoon();
}

TEST_F(RecordsDialogsTest, TheMenuOpensTheRecordsViewAndTheAboutBox) {
  form->OnMenu("N32");
  form->OnMenu("N12");
  EXPECT_EQ(desktop.dialogs, (std::vector<DialogKind>{DialogKind::Records, DialogKind::About}));
}

TEST_F(RecordsDialogsTest, TheAboutBoxClosesByItsButtonEnterOrSpaceButNotEscape) {
  TAboutBox& box = form->AboutBox;
  box.KeyDown(kEscape);
  box.KeyDown(vk::kShift);
  EXPECT_FALSE(box.closeRequested);
  for (const int key : {vk::kEnter, kSpace}) {
    box.closeRequested = false;
    box.KeyDown(key);
    EXPECT_TRUE(box.closeRequested) << key;
  }
  box.closeRequested = false;
  box.OKButtonClick();
  EXPECT_TRUE(box.closeRequested);
  EXPECT_TRUE(box.FormCloseQuery());
  expectRedrawSoon();
}

TEST_F(RecordsDialogsTest, TheNameDialogClosesOnEnterOnlyAndTakesTheTextExactly) {
  TForm3& dialog = form->Form3;
  dialog.Edit1 = "old";
  dialog.FormShow();
  EXPECT_EQ(dialog.Edit1, "");
  dialog.Edit1 = "  Маша  ";
  dialog.KeyDown(kEscape);
  dialog.KeyDown(vk::kShift);
  EXPECT_FALSE(dialog.closeRequested);
  dialog.KeyDown(vk::kEnter);
  EXPECT_TRUE(dialog.closeRequested);
  EXPECT_TRUE(dialog.FormCloseQuery());
  EXPECT_EQ(form->PlayerName, "  Маша  ");
  EXPECT_TRUE(timers().enabled(TimerId::Timer2)) << "the main window was redrawn at once";
  EXPECT_FALSE(timers().enabled(TimerId::Up));
}

// A window's edit box is told the model's text only when a handler changed
// it: the box may have taken the key itself since (a page's does).
TEST_F(RecordsDialogsTest, TheEditBoxIsSetOnlyWhenAHandlerChangesTheText) {
  TForm3& dialog = form->Form3;
  std::string box = "Маш";
  std::vector<std::string> set;
  DialogWindowSide side;
  side.editText = [&box] { return box; };
  side.setEditText = [&](const std::string& text) { set.push_back(text); box = text; };
  EXPECT_FALSE(RunDialogHandler(*form, dialog, side, [&] { dialog.KeyDown(vk::kShift); }));
  EXPECT_TRUE(set.empty());
  EXPECT_EQ(dialog.Edit1, "Маш");
  box = "old";
  RunDialogHandler(*form, dialog, side, [&] { dialog.FormShow(); });
  EXPECT_EQ(set, std::vector<std::string>{""}) << "the shown dialog starts empty";
}

}  // namespace
}  // namespace vemo::testing
