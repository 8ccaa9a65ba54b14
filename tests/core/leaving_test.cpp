// The player leaving the game: keys held when the keyboard goes elsewhere get
// their releases, once; a running game pauses when the application goes
// inactive, and nothing else does.

#include <gtest/gtest.h>

#include <vector>

#include "shell/held_keys.h"
#include "support/block_fixture.h"
#include "support/snake_fixture.h"

namespace vemo::testing {
namespace {

constexpr int kDel = 46;

TEST(HeldKeysTest, ReleasesTheHeldKeysInPressOrderOnceAndDropsTheirLateReleases) {
  HeldKeys keys;
  keys.press(vk::kDown);
  keys.press(vk::kRight);
  keys.press(vk::kDown);  // the keyboard repeats it
  keys.press(vk::kLeft);
  EXPECT_TRUE(keys.release(vk::kRight));
  EXPECT_EQ(keys.takeAll(), (std::vector<int>{vk::kDown, vk::kLeft}));
  EXPECT_EQ(keys.takeAll(), std::vector<int>{});
  EXPECT_FALSE(keys.release(vk::kDown));  // late: already given
  EXPECT_TRUE(keys.release(vk::kDown));   // a further one was never owed
  EXPECT_TRUE(keys.release(kDel));        // a shortcut's release, its press never seen
  keys.press(vk::kLeft);                  // pressed anew: its release counts again
  EXPECT_TRUE(keys.release(vk::kLeft));
  EXPECT_TRUE(keys.release(vk::kLeft));   // and the new press settled what was owed for it
}

class LeavingTest : public BlockTest {
 protected:
  void runningGame() {
    startWith(1, ShapeCode::C, 1, 'b', 4, 5);
    timers().setInterval(TimerId::Mover, 500);
  }
  void expectPaused(bool paused) {
    EXPECT_EQ(menu().checked("N4"), paused);
    EXPECT_EQ(state().RunState, paused ? Run::Pause : Run::Game);
  }
};

TEST_F(LeavingTest, KeysHeldWhenTheKeyboardGoesAreReleasedAndTheGameGoesOn) {
  runningGame();
  form->OnKeyDown(vk::kDown);
  ASSERT_EQ(timers().interval(TimerId::Mover), 25);
  form->OnKeyDown(vk::kRight);
  form->OnKeysLost();
  // Down's release ended the fast drop; Right's pending step was made, and it moves no more.
  EXPECT_EQ(timers().interval(TimerId::Mover), 500);
  EXPECT_FALSE(timers().enabled(TimerId::T));
  EXPECT_FALSE(timers().enabled(TimerId::Right));
  EXPECT_EQ(state().PieceX, 5);
  expectPaused(false);
  EXPECT_TRUE(timers().enabled(TimerId::Mover));

  // A new press of Left, then the late release of Down: dropped, so Left goes on.
  form->OnKeyDown(vk::kLeft);
  form->OnKeyUp(vk::kDown);
  EXPECT_TRUE(timers().enabled(TimerId::Left));
  // A release the core never saw pressed (a menu shortcut's) still stops it.
  form->OnKeyUp(kDel);
  EXPECT_FALSE(timers().enabled(TimerId::Left));
  EXPECT_EQ(state().PieceX, 4);
}

TEST_F(LeavingTest, LeavingReleasesTheKeysBeforeItPausesTheGame) {
  runningGame();
  form->OnKeyDown(vk::kDown);
  form->OnPlayerLeft();
  expectPaused(true);
  EXPECT_FALSE(timers().enabled(TimerId::Mover));
  // Released while the game still ran: the redraw timer of the fast drop stopped too.
  EXPECT_FALSE(timers().enabled(TimerId::T));
  EXPECT_EQ(timers().interval(TimerId::Mover), 500);
  // Coming back resumes nothing; Del does.
  run(2000);
  expectPaused(true);
  form->OnMenu("N4");
  expectPaused(false);
  EXPECT_TRUE(timers().enabled(TimerId::Mover));
}

TEST_F(LeavingTest, LeavingChangesNothingOutsideARunningGame) {
  form->OnPlayerLeft();  // before any game
  EXPECT_FALSE(menu().checked("N4"));
  EXPECT_EQ(state().RunState, Run::None);

  runningGame();
  form->OnMenu("N4");
  form->OnPlayerLeft();  // already paused: it stays so
  expectPaused(true);

  // The game-over message is up: the game has ended, though its state still says so.
  form->OnMenu("N4");
  setRows(1, {"rrrrrrrrr "});
  putPiece(ShapeCode::C, 1, 4, -1);
  desktop.modalScripts.push_back([this] { form->OnPlayerLeft(); });
  form->MoverTimer();
  EXPECT_FALSE(menu().checked("N4"));
  EXPECT_EQ(state().RunState, Run::Stop);
}

TEST_F(LeavingTest, LeavingWhileTheRecordsViewIsOpenPausesAtThatMoment) {
  runningGame();
  desktop.modalScripts.push_back([this] {
    run(600);  // the game goes on behind the view
    EXPECT_EQ(state().PieceY, 6);
    form->OnPlayerLeft();
    run(2000);
  });
  form->OnMenu("N32");
  expectPaused(true);
  EXPECT_EQ(state().PieceY, 6);
}

class SnakeLeavingTest : public SnakeTest {};

TEST_F(SnakeLeavingTest, LeavingPausesARunningSnakeGame) {
  start(15);
  run(3000);
  ASSERT_TRUE(timers().enabled(TimerId::SnakMov));
  form->OnPlayerLeft();
  EXPECT_TRUE(menu().checked("N4"));
  EXPECT_FALSE(timers().enabled(TimerId::SnakMov));
  EXPECT_FALSE(timers().enabled(TimerId::SnakVis));
}

}  // namespace
}  // namespace vemo::testing
