// Full rows, points, the speed level and its intervals, the caption, the sound
// and the wipe animation.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "support/block_fixture.h"

namespace vemo::testing {
namespace {

constexpr Rgb kSentinel{1, 2, 3};

class RowsTest : public BlockTest {
 protected:
  // A game at `level` whose falling piece has just landed on the given rows,
  // written from row 23 - rows.size() down to row 22.
  void landedOn(int level, std::initializer_list<const char*> rows) {
    startWith(level, ShapeCode::C, 1, 'r', 0, 0);
    clearPlayArea();
    setRows(23 - static_cast<int>(rows.size()), rows);
    form->RedrawWell();
    state().PieceInPlay = false;
    state().NextShape = ShapeCode::C;
    state().NextPhase = 1;
    state().NextColour = 'b';
  }
  void spoilFireArea() { canvas().drawPicture(490, 380, Picture(150, 100, kSentinel)); }
  bool fireAreaShows(const Picture& p) {
    for (int y = 380; y < 476; ++y)
      for (int x = 490; x < 639; ++x)
        if (!(RawPixel(canvas(), x, y) == p.at(x - 490, y - 380))) return false;
    return true;
  }
};

struct PointsCase {
  int level, rows, points;
};

class PointsTest : public RowsTest, public ::testing::WithParamInterface<PointsCase> {};

TEST_P(PointsTest, OneLandingEarnsTwiceTheLevelPerRowPlusTheBonus) {
  const PointsCase k = GetParam();
  menu().setChecked("N31", false);
  std::vector<const char*> rows{"rrrr rrrrr"};
  for (int i = 0; i < k.rows; ++i) rows.push_back("gggggggggg");
  startWith(k.level, ShapeCode::C, 1, 'r', 0, 0);
  clearPlayArea();
  for (std::size_t i = 0; i < rows.size(); ++i) setRows(22 - k.rows + static_cast<int>(i), {rows[i]});
  state().PieceInPlay = false;
  form->NewTimer();
  EXPECT_EQ(state().Score, k.points) << "level " << k.level << ", " << k.rows << " rows";
  EXPECT_EQ(desktop.caption, "Vemo score : " + std::to_string(k.points));
  EXPECT_EQ(state().Speed, k.level);
  EXPECT_EQ(wellRows(22, 22), "rrrr rrrrr\n");
  std::string emptied;
  for (int i = 0; i < k.rows; ++i) emptied += "          \n";
  if (k.rows > 0) {
    EXPECT_EQ(wellRows(22 - k.rows, 21), emptied);
  }
}

INSTANTIATE_TEST_SUITE_P(ByLevelAndRows, PointsTest,
                         ::testing::Values(PointsCase{1, 0, 0}, PointsCase{1, 1, 2}, PointsCase{1, 2, 5},
                                           PointsCase{1, 3, 9}, PointsCase{1, 4, 14}, PointsCase{2, 1, 4},
                                           PointsCase{2, 4, 22}, PointsCase{3, 2, 13}, PointsCase{3, 3, 21},
                                           PointsCase{4, 1, 8}, PointsCase{4, 2, 18}, PointsCase{4, 3, 29},
                                           PointsCase{4, 4, 41}, PointsCase{5, 1, 10}, PointsCase{5, 4, 49}));

struct LevelCase {
  int level, scoreBefore, fullRows;
  bool increase;  // the speed-increase option
  int levelAfter;
};

class LevelTest : public RowsTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelTest, RisesWhenTheScorePassesAThreshold) {
  const LevelCase k = GetParam();
  constexpr std::array<int, 6> kInterval{0, 500, 400, 300, 185, 100};
  menu().setChecked("N31", false);
  menu().setChecked("N22", k.increase);
  if (k.fullRows)
    landedOn(k.level, {"rrrr rrrrr", "gggggggggg"});
  else
    landedOn(k.level, {"rrrr rrrrr"});
  state().Score = k.scoreBefore;
  spoilFireArea();
  form->NewTimer();
  EXPECT_EQ(state().Speed, k.levelAfter);
  EXPECT_EQ(timers().interval(TimerId::Mover), kInterval[static_cast<std::size_t>(k.levelAfter)]);
  if (k.levelAfter != k.level)
    EXPECT_TRUE(fireAreaShows(form->Images().I(k.levelAfter)));
  else
    EXPECT_TRUE(fireAreaShows(Picture(150, 100, kSentinel))) << "the level did not change: no new fire picture";
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, LevelTest,
    ::testing::Values(LevelCase{1, 73, 1, true, 1}, LevelCase{1, 74, 1, true, 2}, LevelCase{2, 146, 1, true, 2},
                      LevelCase{2, 147, 1, true, 3}, LevelCase{3, 294, 1, true, 3}, LevelCase{3, 295, 1, true, 4},
                      LevelCase{4, 592, 1, true, 4}, LevelCase{4, 593, 1, true, 5},
                      LevelCase{1, 300, 1, true, 4},     // two thresholds at once: the last one wins
                      LevelCase{1, 700, 0, true, 5},     // also without a removed row
                      LevelCase{2, 76, 0, true, 2},      // the level only rises
                      LevelCase{5, 5000, 1, true, 5},    // nothing above 5
                      LevelCase{1, 700, 1, false, 1}));  // option off: the level stays

TEST_F(RowsTest, TheLevelStaysForAWholeGameWithoutTheSpeedIncreaseOption) {
  menu().setChecked("N22", false);
  menu().setChecked("N31", false);
  landedOn(1, {"rrrr rrrrr"});
  for (int i = 0; i < 30; ++i) {
    setRows(19, {"gggggggggg", "gggggggggg", "gggggggggg", "gggggggggg"});
    state().PieceInPlay = false;
    form->NewTimer();
  }
  EXPECT_EQ(state().Score, 30 * 14);
  EXPECT_EQ(state().Speed, 1);
  EXPECT_EQ(timers().interval(TimerId::Mover), 500);
}

TEST_F(RowsTest, FullRowsApartAreAllRemovedAndTheRowsAboveMoveDownByTheRightAmounts) {
  menu().setChecked("N31", false);
  landedOn(1, {"r         ", "y y       ", "gggggggggg", "b  b  b  b", "vvvvvvvvvv", "c c c c c ", "rr rr rr r",
               "yyyyyyyyyy"});
  form->NewTimer();
  EXPECT_EQ(wellRows(14, 22),
            "          \n"
            "          \n"
            "          \n"
            "          \n"
            "r         \n"
            "y y       \n"
            "b  b  b  b\n"
            "c c c c c \n"
            "rr rr rr r\n");
  EXPECT_EQ(state().Score, 9);
  // The window shows the moved rows at once.
  EXPECT_EQ(firstCellNotShowingItsCode(14), "");
}

TEST_F(RowsTest, RowMinusOneIsCopiedIntoRowZeroAndKept) {
  menu().setChecked("N31", false);
  landedOn(1, {"gggggggggg"});
  setRows(-1, {"c   c   c ", " y        "});
  form->NewTimer();  // the next piece, a square, then enters at columns 3 and 4
  EXPECT_EQ(wellRows(-1, 1), "c   c   c \nc  bb   c \n y bb     \n");
}

TEST_F(RowsTest, AFullRowMinusOneIsNeverRemoved) {
  menu().setChecked("N31", false);
  landedOn(1, {"rrrr rrrrr"});
  setRows(-1, {"vvvvvvvvvv"});
  form->NewTimer();
  EXPECT_EQ(wellRows(-1, -1), "vvvvvvvvvv\n");
  EXPECT_EQ(state().Score, 0);
}

TEST_F(RowsTest, AClearThatRaisesTheLevelScoresAtTheLevelBeforeIt) {
  menu().setChecked("N31", false);
  landedOn(3, {"rrrr rrrrr", "gggggggggg", "gggggggggg", "gggggggggg", "gggggggggg"});
  state().Score = 290;
  form->NewTimer();
  // Level 3: 4 rows of 6 points and the bonus 1 + 2 + 3 (at level 4 it would be 2 + 3 + 4).
  EXPECT_EQ(state().Score, 320);
  EXPECT_EQ(state().Speed, 4);
}

TEST_F(RowsTest, TheBottomRowAndTheFloorAreHandledLikeAnyOtherRow) {
  menu().setChecked("N31", false);
  landedOn(1, {"vvvvvvvvvv", "gggggggggg"});
  form->NewTimer();
  EXPECT_EQ(wellRows(21, 23), "          \n          \naaaaaaaaaa\n");
  EXPECT_EQ(state().Well.at(10, 23), 'w');
  EXPECT_EQ(state().Score, 5);
}

TEST_F(RowsTest, OneSoundPerLandingThatRemovedRowsOnlyWithTheSoundOption) {
  menu().setChecked("N31", false);
  struct Case {
    bool sound;
    int fullRows;
    int sounds;
  };
  for (const Case k : {Case{true, 0, 0}, Case{true, 1, 1}, Case{true, 4, 1}, Case{false, 1, 0}, Case{false, 4, 0}}) {
    menu().setChecked("N8", k.sound);
    landedOn(1, {"rrrr rrrrr"});
    for (int i = 0; i < k.fullRows; ++i) setRows(21 - i, {"gggggggggg"});
    const int before = desktop.sounds;
    form->NewTimer();
    EXPECT_EQ(desktop.sounds - before, k.sounds) << "sound " << k.sound << ", rows " << k.fullRows;
  }
}

TEST_F(RowsTest, TheCaptionShowsTheScore) {
  form->OnMenu("N17");
  EXPECT_EQ(desktop.caption, "Vemo score : 0");
  state().Score = 1234;
  form->HighTimer();
  EXPECT_EQ(desktop.caption, "Vemo score : 1234");
}

TEST_F(RowsTest, EachLevelSetsTheIntervalsAndTheFirePicture) {
  struct Case {
    int level, mover, snake;
  };
  for (const Case k : {Case{0, 0, 777}, Case{1, 500, 500}, Case{2, 400, 400}, Case{3, 300, 300}, Case{4, 185, 185},
                       Case{5, 100, 100}}) {
    timers().setInterval(TimerId::Mover, 150);
    timers().setInterval(TimerId::SnakMov, 777);
    spoilFireArea();
    state().Speed = k.level;
    form->SpeederTimer();
    EXPECT_EQ(timers().interval(TimerId::Mover), k.mover) << k.level;
    EXPECT_EQ(timers().interval(TimerId::SnakMov), k.snake) << k.level;
    EXPECT_TRUE(fireAreaShows(form->Images().I(k.level))) << k.level;
  }
  for (int level : {-1, 6}) {
    timers().setInterval(TimerId::Mover, 150);
    spoilFireArea();
    state().Speed = level;
    form->SpeederTimer();
    EXPECT_EQ(timers().interval(TimerId::Mover), 150) << level;
    EXPECT_TRUE(fireAreaShows(Picture(150, 100, kSentinel))) << level;
  }
}

TEST_F(RowsTest, AtLevelZeroThePieceStopsFallingThoughTheTimerStaysOn) {
  startWith(1, ShapeCode::C, 1, 'r', 4, 5);
  state().Speed = 0;
  form->SpeederTimer();
  EXPECT_TRUE(timers().enabled(TimerId::Mover));
  run(5000);
  EXPECT_EQ(state().PieceY, 5);
}

TEST_F(RowsTest, WithoutAnimationARowDisappearsAtOnce) {
  menu().setChecked("N31", false);
  landedOn(1, {"r r r r r ", "gggggggggg"});
  const auto start = desktop.nowUs();
  form->NewTimer();
  EXPECT_EQ(desktop.nowUs(), start) << "no time taken";
  EXPECT_EQ(desktop.presents, 0);
  EXPECT_EQ(wellRows(21, 22), "          \nr r r r r \n");
  for (int c = 0; c < 10; ++c) {
    EXPECT_TRUE(showsBackground(c, 21)) << c;
    EXPECT_TRUE(c % 2 ? showsBackground(c, 22) : showsTile(c, 22, 'r')) << c;
  }
}

// A desktop that lets the test look at the window whenever it is presented.
class PresentingDesktop : public FakeDesktop {
 public:
  std::function<void()> onPresent;
  void presentNow() override {
    FakeDesktop::presentNow();
    if (onPresent) onPresent();
  }
};

class WipeTest : public ::testing::Test {
 protected:
  WipeTest() : form(std::make_unique<TForm1>(desktop)) {
    desktop.fireTimers = [this] { form->OnTimers(); };
    desktop.nextDueUs = [this] {
      auto due = form->Timers().nextDueUs();
      return due ? *due : std::int64_t{-1};
    };
  }
  PresentingDesktop desktop;
  std::unique_ptr<TForm1> form;
};

TEST_F(WipeTest, TwoSweepsUncoverTheBackgroundAcrossSixteenLinesInAboutATenthOfASecond) {
  constexpr int kRow = 20, kTop = 70 + 15 * kRow;
  form->OnMenu("N17");
  GameState& s = form->State();
  for (int r = -1; r <= 22; ++r)
    for (int c = 0; c < 10; ++c) s.Well.set(c, r, ' ');
  for (int c = 0; c < 10; ++c) {
    s.Well.set(c, kRow, 'r');                    // the full row
    s.Well.set(c, kRow - 1, c == 4 ? ' ' : 'v');  // a row above, not full
  }
  form->RedrawWell();
  s.PieceInPlay = false;
  s.NextShape = ShapeCode::C;
  s.NextPhase = 1;
  const Picture& bg = form->Images().Image1;
  const Surface& canvas = form->Canvas();
  // The window before the wipe, lines kTop - 1 .. kTop + 14 across the well.
  auto lines = [&] {
    std::vector<std::vector<Rgb>> out;
    for (int y = kTop - 1; y <= kTop + 14; ++y) {
      out.emplace_back();
      for (int x = 51; x <= 200; ++x) out.back().push_back(RawPixel(canvas, x, y));
    }
    return out;
  };
  const auto before = lines();
  std::vector<int> steps;
  desktop.onPresent = [&] {
    const auto now = lines();
    // How far the right-to-left sweep has come on line kTop: the step number.
    int uncovered = 0;
    while (uncovered < 150 && now[1][static_cast<std::size_t>(149 - uncovered)] == bg.at(200 - uncovered, kTop)) ++uncovered;
    const int step = uncovered - 1;
    steps.push_back(step);
    for (int i = 0; i < 16; ++i) {
      const int y = kTop - 1 + i;
      for (int x = 51; x <= 200; ++x) {
        const bool fromLeft = i % 2 == 0;  // lines kTop - 1, kTop + 1, ...
        const bool swept = fromLeft ? x <= 51 + step : x >= 200 - step;
        const Rgb want = swept ? bg.at(x, y) : before[static_cast<std::size_t>(i)][static_cast<std::size_t>(x - 51)];
        ASSERT_EQ(now[static_cast<std::size_t>(i)][static_cast<std::size_t>(x - 51)], want)
            << "line " << y << " x " << x << " at step " << step;
      }
    }
  };
  const auto start = desktop.nowUs();
  form->NewTimer();
  const auto took = desktop.nowUs() - start;
  EXPECT_GE(took, 95'000);
  EXPECT_LE(took, 110'000);
  ASSERT_GE(steps.size(), 3u) << "frames are shown while the sweeps run";
  for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_GT(steps[i], steps[i - 1]);
  EXPECT_EQ(steps.back(), 149);
  // Afterwards the row above has moved down into the removed one and is drawn.
  for (int c = 0; c < 10; ++c) {
    const Point o = CellOrigin(c, kRow);
    EXPECT_TRUE(c == 4 ? SquareShows(canvas, o.x, o.y, bg, o.x, o.y) : SquareShows(canvas, o.x, o.y, TileFor('v'), 0, 0))
        << c;
  }
  EXPECT_EQ(s.Score, 2);
}

TEST_F(WipeTest, EveryRemovedRowIsWipedInTurn) {
  form->OnMenu("N17");
  GameState& s = form->State();
  for (int r = -1; r <= 22; ++r)
    for (int c = 0; c < 10; ++c) s.Well.set(c, r, r >= 19 ? 'g' : ' ');
  s.PieceInPlay = false;
  const auto start = desktop.nowUs();
  form->NewTimer();
  EXPECT_GE(desktop.nowUs() - start, 4 * 95'000);
  EXPECT_LE(desktop.nowUs() - start, 4 * 110'000);
  EXPECT_EQ(s.Score, 14);
  EXPECT_EQ(desktop.sounds, 1);
}

}  // namespace
}  // namespace vemo::testing
