#include <gtest/gtest.h>

#include "render/geometry.h"
#include "render/surface_stamps.h"
#include "support/game_fixture.h"
#include "support/stamp_check.h"

namespace vemo::testing {
namespace {

class StartupTest : public GameTest {
 protected:
  bool showsBackgroundAt(int x, int y) { return canvas().pixel(x, y) == form->Images().Image1.at(x, y); }
  bool showsFire(int level) {
    const Picture& fire = form->Images().I(level);
    for (int y = 0; y < 96; y += 7)
      for (int x = 0; x < 149; x += 7)
        if (canvas().pixel(490 + x, 380 + y) != fire.at(x, y)) return false;
    return true;
  }
};

TEST_F(StartupTest, TheTitleShowsUntilTheFirstSecondThenTheWipeAndThePlayingScreen) {
  form->OnShow();
  const Rgb menu = desktop.menuColour();
  EXPECT_EQ(canvas().pixel(5, 5), menu) << "the title layer covers the window";
  EXPECT_TRUE(ShowsStamp(canvas(), SurfaceStamp(StampId::Title))) << "the product name";
  EXPECT_TRUE(ShowsStamp(canvas(), SurfaceStamp(StampId::Hint))) << "the hint to click";
  run(999);
  EXPECT_TRUE(timers().enabled(TimerId::Gor));
  const std::int64_t before = desktop.nowUs();
  run(1);  // GorTimer: the wipe takes a second of its own
  EXPECT_FALSE(timers().enabled(TimerId::Gor));
  EXPECT_GE(desktop.nowUs() - before, 1'000'000);
  EXPECT_GT(desktop.presents, 30) << "the wipe is shown while it runs";
  for (int y = 0; y < 476; y += 37)
    for (int x = 0; x < 639; x += 41) ASSERT_TRUE(showsBackgroundAt(x, y)) << x << "," << y;
  EXPECT_TRUE(timers().enabled(TimerId::Beg));
  EXPECT_EQ(timers().interval(TimerId::Phaser), 25);
  run(250);
  EXPECT_FALSE(timers().enabled(TimerId::Beg));
  EXPECT_EQ(timers().interval(TimerId::Phaser), 100);
  EXPECT_TRUE(showsFire(0));
  EXPECT_EQ(canvas().penStyle(), PenStyle::DashDotDot);
  EXPECT_EQ(canvas().pixel(45, 70), (Rgb{220, 205, 152})) << "the frame's first dash";
}

TEST_F(StartupTest, WithoutAnimationTheScreenComesAtOnceWithASolidBlackFrame) {
  menu().setChecked("N31", false);
  form->SaveData();  // the start-up reads the options from the records file
  form->OnShow();
  run(1000);
  EXPECT_TRUE(showsFire(0));
  for (int y = 70; y < 415; ++y) ASSERT_EQ(canvas().pixel(45, y), (Rgb{0, 0, 0})) << y;
  run(250);
  EXPECT_EQ(canvas().pixel(45, 70), (Rgb{220, 205, 152}));
  EXPECT_EQ(canvas().pixel(45, 70 + 9), Surface::kWhite) << "dash-dot-dot with white gaps";
}

TEST_F(StartupTest, AClickOnALabelStartsAtOnceAndLaterRefreshes) {
  menu().setChecked("N31", false);
  form->SaveData();  // the start-up reads the options from the records file
  form->OnShow();
  form->OnLabelClick(1);
  EXPECT_FALSE(timers().enabled(TimerId::Gor));
  EXPECT_TRUE(timers().enabled(TimerId::Beg));
  run(250);
  // Later a label click only repaints the playing screen.
  canvas().setPixel(100, 100, {1, 2, 3});
  form->OnLabelClick(2);
  EXPECT_TRUE(showsBackgroundAt(100, 100));
  EXPECT_FALSE(timers().enabled(TimerId::Beg));
}

TEST_F(StartupTest, APressElsewhereHurriesTheFirstTickAndRepaints) {
  menu().setChecked("N31", false);
  form->SaveData();  // the start-up reads the options from the records file
  form->OnShow();
  form->OnMouseDown();
  EXPECT_TRUE(showsBackgroundAt(5, 5)) << "the press repaints at once";
  run(10);
  EXPECT_FALSE(timers().enabled(TimerId::Gor));
  EXPECT_TRUE(timers().enabled(TimerId::Beg));
  form->OnMouseDown();
  EXPECT_FALSE(timers().enabled(TimerId::Gor)) << "a disabled Gor stays disabled";
}

TEST_F(StartupTest, AShallowDisplayIsWarnedAboutAndEndsTheProgramUntouched) {
  for (int depth : {16, 8, 1, -1}) {
    FakeDesktop shallow;
    shallow.depth = depth;
    TForm1 window(shallow);
    window.OnShow();
    window.OnLabelClick(1);
    ASSERT_EQ(shallow.messages.size(), 1u) << depth;
    EXPECT_EQ(shallow.messages[0].kind, MessageKind::Warning);
    EXPECT_NE(shallow.messages[0].text.find("24 или 32 бита"), std::string::npos);
    EXPECT_TRUE(shallow.quit);
    EXPECT_FALSE(window.Timers().enabled(TimerId::Beg));
  }
  for (int depth : {0, 17, 24, 32, 48}) {
    FakeDesktop deep;
    deep.depth = depth;
    TForm1 window(deep);
    window.OnLabelClick(1);
    EXPECT_FALSE(deep.quit) << depth;
  }
}

TEST_F(StartupTest, PauseTwiceInAFallingBlockGameStopsAndResumesTheFall) {
  form->N17Click();
  form->OnMenu("N4");
  EXPECT_EQ(state().RunState, Run::Pause);
  EXPECT_TRUE(menu().checked("N4"));
  EXPECT_FALSE(timers().enabled(TimerId::Mover));
  form->OnMenu("N4");
  EXPECT_EQ(state().RunState, Run::Game);
  EXPECT_FALSE(menu().checked("N4"));
  EXPECT_TRUE(timers().enabled(TimerId::Mover));
}

TEST_F(StartupTest, PauseBeforeAnyGameAndAfterAGameOverDoesNothing) {
  form->OnMenu("N4");
  EXPECT_EQ(state().RunState, Run::None);
  EXPECT_FALSE(menu().checked("N4"));
  state().RunState = Run::Stop;
  form->OnMenu("N4");
  EXPECT_EQ(state().RunState, Run::Stop);
  EXPECT_FALSE(menu().checked("N4"));
}

TEST_F(StartupTest, OptionCommandsToggleTheirCheckMarks) {
  for (const char* item : {"N8", "N22", "N31", "N9", "N11"}) {
    const bool before = menu().checked(item);
    form->OnMenu(item);
    EXPECT_NE(menu().checked(item), before) << item;
  }
  EXPECT_FALSE(desktop.cursorVisible) << "Ctrl+C once hides the cursor";
  form->OnMenu("N9");
  EXPECT_TRUE(desktop.cursorVisible);
}

TEST_F(StartupTest, ThePreviewOptionRedrawsThePreviewAtOnce) {
  form->N17Click();
  run(100);  // Timer1 draws the preview
  const Point cell = PreviewOrigin(0, 0);
  auto previewHasTiles = [&] {
    for (int j = 0; j < 4; ++j)
      for (int i = 0; i < 4; ++i) {
        const Point o = PreviewOrigin(i, j);
        if (canvas().pixel(o.x + 5, o.y + 5) != form->Images().Image1.at(o.x + 5, o.y + 5)) return true;
      }
    return false;
  };
  (void)cell;
  EXPECT_TRUE(previewHasTiles());
  form->OnMenu("N11");
  EXPECT_FALSE(previewHasTiles());
  form->OnMenu("N11");
  EXPECT_TRUE(previewHasTiles());
}

}  // namespace
}  // namespace vemo::testing
