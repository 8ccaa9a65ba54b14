// The end of a falling-block game: the message, the name entry and the
// records table.

#include <gtest/gtest.h>

#include "records/game_over.h"
#include "support/game_fixture.h"

namespace vemo::testing {
namespace {

TEST(GameOverText, TakesTheRussianPluralOfPoints) {
  for (const int score : {0, 5, 7, 11, 12, 14, 111, 1000, 112, 1014})
    EXPECT_EQ(PointsSuffix(score), " очков") << score;
  for (const int score : {1, 21, 101, 1001}) EXPECT_EQ(PointsSuffix(score), " очко") << score;
  for (const int score : {2, 3, 4, 22, 104, 1033}) EXPECT_EQ(PointsSuffix(score), " очка") << score;
  EXPECT_EQ(GameOverText(21), "Игра окончена, игрок набрал 21 очко");
}

class GameOverTest : public GameTest {
 protected:
  GameOverTest() { desktop.runDialogHandlers = true; }

  void setScores(std::initializer_list<int> scores) {
    int row = 1;
    for (const int score : scores) form->Form2.SetRow(row, {"p" + std::to_string(row), std::to_string(score)}), ++row;
  }
  RecordRow row(int i) { return {form->Form2.Name(i), form->Form2.ScoreText(i)}; }
  // The name dialog's script: types the name and presses Enter.
  void typeName(const std::string& name) {
    desktop.modalScripts.push_back([this, name] {
      form->Form3.Edit1 += name;
      form->Form3.KeyDown(vk::kEnter);
    });
  }
  // A game whose next fall step cannot be made: every free cell is taken.
  void startBlockedGame(int score) {
    form->OnMenu("N17");
    state().Score = score;
    for (int r = 0; r <= 22; ++r)
      for (int c = 0; c <= 9; ++c)
        if (state().Well.at(c, r) == ' ') state().Well.set(c, r, 'y');
  }
};

TEST_F(GameOverTest, AScoreOfZeroOnTheBuiltInTableOnlyShowsTheMessage) {
  startBlockedGame(0);
  run(600);
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(desktop.messages[0].text, "Игра окончена, игрок набрал 0 очков");
  EXPECT_TRUE(desktop.dialogs.empty());
  EXPECT_EQ(state().RunState, Run::Stop);
  EXPECT_FALSE(timers().enabled(TimerId::Mover));
  EXPECT_FALSE(state().PieceInPlay);
}

TEST_F(GameOverTest, TheMessageShowsWhileTheGameStillRunsThenTheNameIsAsked) {
  startBlockedGame(1);
  vemo::Run duringMessage = vemo::Run::None;
  bool moverDuringMessage = true;
  desktop.modalScripts.push_back([&] {
    duringMessage = state().RunState;
    moverDuringMessage = timers().enabled(TimerId::Mover);
  });
  typeName("A");
  run(600);
  EXPECT_EQ(duringMessage, Run::Game);
  EXPECT_FALSE(moverDuringMessage);
  EXPECT_EQ(desktop.messages.at(0).text, "Игра окончена, игрок набрал 1 очко");
  EXPECT_EQ(desktop.dialogs, (std::vector<DialogKind>{DialogKind::NameEntry, DialogKind::Records}));
  EXPECT_EQ(row(1), (RecordRow{"A", "1"}));
  for (int i = 2; i <= 10; ++i) EXPECT_EQ(row(i), (RecordRow{"----------", "0000"})) << i;
  EXPECT_EQ(form->PlayerName, "A");
  EXPECT_EQ(state().RunState, Run::Stop);
}

TEST_F(GameOverTest, AScoreEqualToTheTenthEntersNothing) {
  setScores({90, 80, 70, 60, 50, 40, 30, 20, 10, 7});
  state().Score = 7;
  form->InsertRecord();
  EXPECT_TRUE(desktop.dialogs.empty());
  EXPECT_EQ(row(10), (RecordRow{"p10", "7"}));
}

TEST_F(GameOverTest, ATieSettlesBelowTheOlderEqualScore) {
  setScores({90, 80, 50, 40, 30, 20, 10, 5, 3, 2});
  state().Score = 50;
  typeName("new");
  form->InsertRecord();
  EXPECT_EQ(row(3), (RecordRow{"p3", "50"}));
  EXPECT_EQ(row(4), (RecordRow{"new", "50"}));
  EXPECT_EQ(row(5), (RecordRow{"p4", "40"}));
  EXPECT_EQ(row(10), (RecordRow{"p9", "3"}));
}

TEST_F(GameOverTest, JustAboveTheTenthReplacesIt) {
  setScores({90, 80, 70, 60, 50, 40, 30, 20, 10, 7});
  state().Score = 8;
  typeName("z");
  form->InsertRecord();
  EXPECT_EQ(row(9), (RecordRow{"p9", "10"}));
  EXPECT_EQ(row(10), (RecordRow{"z", "8"}));
}

TEST_F(GameOverTest, ScoresAreComparedAsNumbersNotAsText) {
  setScores({1000, 900, 100, 90, 9, 8, 7, 6, 5, 4});
  state().Score = 95;  // as text "95" would sort above "900"
  typeName("n");
  form->InsertRecord();
  EXPECT_EQ(row(3), (RecordRow{"p3", "100"}));
  EXPECT_EQ(row(4), (RecordRow{"n", "95"}));
  EXPECT_EQ(row(5), (RecordRow{"p4", "90"}));
}

TEST_F(GameOverTest, ANameWithACommaStaysWholeInTheTable) {
  state().Score = 10;
  typeName("Иван, 2-й");
  form->InsertRecord();
  EXPECT_EQ(row(1), (RecordRow{"Иван, 2-й", "10"}));
}

TEST_F(GameOverTest, TheCloseBoxGivesAnEmptyNameAndTheDialogOpensEmpty) {
  form->PlayerName = "earlier";
  form->Form3.Edit1 = "left over";
  state().Score = 3;
  std::string shownText = "?";
  desktop.modalScripts.push_back([&] { shownText = form->Form3.Edit1; });  // closed by the close box
  form->InsertRecord();
  EXPECT_EQ(shownText, "");
  EXPECT_EQ(row(1), (RecordRow{"", "3"}));
  EXPECT_EQ(form->PlayerName, "");
}

}  // namespace
}  // namespace vemo::testing
