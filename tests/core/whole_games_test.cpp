// Whole games on the virtual clock, played with keys drawn from a seeded
// generator until the game is over: a simple player steers most pieces so that
// rows fill and clear, random key presses come in between, and random keys
// alone after a number of pieces, so that every game ends. The test sees every
// timer handler through the timer table. After every handler the well must keep its
// floor and wall, hold only valid codes and the falling piece in its colour;
// every landing must score and clear rows as worked out here independently;
// and whenever the window is repainted it must agree with the well.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "support/block_fixture.h"
#include "support/block_player.h"

namespace vemo::testing {
namespace {

struct GameSetup {
  unsigned seed;
  int level;
  bool animation;
  bool speedIncrease;
  bool sensitive;
};

void PrintTo(const GameSetup& g, std::ostream* os) {
  *os << "seed " << g.seed << ", level " << g.level << (g.animation ? ", animation" : "")
      << (g.speedIncrease ? ", speed increase" : "") << (g.sensitive ? ", sensitive" : "");
}

class WholeGameTest : public BlockTest, public ::testing::WithParamInterface<GameSetup> {
 protected:
  // Every timer of the falling-block game runs its handler and then the checks.
  void watchTimers() {
    struct Bound {
      TimerId id;
      void (TForm1::*handler)();
      const char* name;
    };
    for (const Bound b : {Bound{TimerId::Mover, &TForm1::MoverTimer, "Mover"},
                          Bound{TimerId::Phaser, &TForm1::PhaserTimer, "Phaser"},
                          Bound{TimerId::Left, &TForm1::LeftTimer, "Left"},
                          Bound{TimerId::Right, &TForm1::RightTimer, "Right"}, Bound{TimerId::T, &TForm1::TTimer, "T"},
                          Bound{TimerId::New, &TForm1::NewTimer, "New"},
                          Bound{TimerId::Timer1, &TForm1::Timer1Timer, "Timer1"},
                          Bound{TimerId::Timer2, &TForm1::Timer2Timer, "Timer2"}}) {
      timers().bind(b.id, [this, b] {
        if (b.id == TimerId::Mover) return fallStep();
        if (b.id == TimerId::New) return newPiece();
        const bool drawsPiece = b.id != TimerId::Timer1 && b.id != TimerId::Timer2;
        ((*form).*b.handler)();
        check(b.name);
        if (drawsPiece) checkPieceArea(b.name);
      });
    }
  }

  // What a fall step must do, worked out from the cells below each column of the piece.
  struct FallExpectation {
    bool inPlay, free;
    int y;
  };
  FallExpectation expectFall() {
    const GameState& s = state();
    FallExpectation e{s.PieceInPlay && s.RunState == Run::Game, true, s.PieceY};
    if (e.inPlay) {
      const CellSet cells = pieceCells();
      for (auto [c, r] : cells)
        if (!cells.contains({c, r + 1}) && s.Well.at(c, r + 1) != ' ') e.free = false;
    }
    return e;
  }
  void verifyFall(const FallExpectation& e, const char* what) {
    const GameState& s = state();
    if (!e.inPlay || failed_) return;
    if (e.free) {
      EXPECT_EQ(s.PieceY, e.y + 1) << where(std::string(what) + ": the piece should have fallen");
      EXPECT_TRUE(s.PieceInPlay) << where(what);
    } else {
      EXPECT_EQ(s.PieceY, e.y) << where(std::string(what) + ": the piece should have stopped");
      EXPECT_FALSE(s.PieceInPlay) << where(what);
      if (e.y <= 0) {
        EXPECT_EQ(s.RunState, Run::Stop) << where(std::string(what) + ": game over");
      } else {
        EXPECT_TRUE(timers().enabled(TimerId::New)) << where(std::string(what) + ": landing");
      }
    }
  }
  void fallStep() {
    const bool fast = timers().interval(TimerId::Mover) == 25;
    const FallExpectation e = expectFall();
    form->MoverTimer();
    check("Mover");
    if (!fast) checkPieceArea("Mover");
    verifyFall(e, "Mover");
  }

  // The landing's rows and points, worked out before NewTimer runs.
  void newPiece() {
    GameState& s = state();
    if (s.PieceInPlay) {
      form->NewTimer();
      check("New");
      return;
    }
    std::vector<std::string> kept;
    int full = 0;
    for (int r = 0; r <= 22; ++r) {
      std::string row = wellRows(r, r);
      if (row.find(' ') == std::string::npos)
        ++full;
      else
        kept.push_back(row);
    }
    std::string want = wellRows(-1, -1);
    for (int i = 0; i < full; ++i) want += wellRows(-1, -1);
    for (const std::string& row : kept) want += row;
    const int s0 = s.Speed, before = s.Score;
    int points = 2 * s0 * full;
    if (full > 1) points += s0 > 3 ? full * (full + 1) / 2 - 1 : full * (full - 1) / 2;
    const ShapeCode shape = s.NextShape;
    const int phase = s.NextPhase;
    const char colour = s.NextColour;
    const int sounds = desktop.sounds;

    form->NewTimer();
    check("New");
    rows_ += full;
    EXPECT_EQ(s.Score - before, points) << where("New: points for " + std::to_string(full) + " rows");
    EXPECT_EQ(desktop.sounds - sounds, full > 0 ? 1 : 0) << where("New: sound");
    int level = s0;
    if (menu().checked("N22"))
      for (auto [score, to] : {std::pair{75, 2}, {150, 3}, {300, 4}, {600, 5}})
        if (s.Score > score && level < to) level = to;
    EXPECT_EQ(s.Speed, level) << where("New: level");
    EXPECT_EQ(desktop.caption, "Vemo score : " + std::to_string(s.Score));
    // The new piece is written over the moved rows.
    ASSERT_EQ(s.Shape, shape);
    ASSERT_EQ(s.Phase, phase);
    ASSERT_EQ(s.PieceX, 3);
    const CellSet cells = pieceCells();
    for (int r = -1; r <= 22; ++r)
      for (int c = 0; c < 10; ++c) {
        const char got = s.Well.at(c, r);
        const char expected = cells.contains({c, r}) ? colour : want[static_cast<std::size_t>((r + 1) * 11 + c)];
        if (got != expected) {
          ADD_FAILURE() << where("New: cell " + std::to_string(c) + "," + std::to_string(r)) << " holds '" << got
                        << "', expected '" << expected << "'";
          return;
        }
      }
    // The topmost cell of the new piece is in row 0.
    int top = 99;
    for (auto [c, r] : cells) top = std::min(top, r);
    EXPECT_EQ(top, 0) << where("New: spawn row");
    ++spawns_;
  }

  std::string where(const std::string& what) const {
    return what + " (seed " + std::to_string(GetParam().seed) + ", virtual ms " + std::to_string(elapsedMs()) + ")";
  }
  std::int64_t elapsedMs() const { return (desktop.nowUs() - startUs_) / 1000; }

  // The well's invariants; reports once and then stays quiet.
  void check(const char* what) {
    if (failed_) return;
    const GameState& s = state();
    auto fail = [&](const std::string& why) {
      failed_ = true;
      ADD_FAILURE() << where(std::string(what) + ": " + why) << "\n" << wellRows(-1, 23);
    };
    for (int c = 0; c < 10; ++c)
      if (s.Well.at(c, 23) != 'a') return fail("floor broken at column " + std::to_string(c));
    for (int r = -1; r <= 24; ++r)
      if (s.Well.at(10, r) != 'w') return fail("wall broken at row " + std::to_string(r));
    for (int r = -1; r <= 22; ++r)
      for (int c = 0; c < 10; ++c)
        if (std::string_view(" rygbvc").find(s.Well.at(c, r)) == std::string_view::npos)
          return fail("bad code at " + std::to_string(c) + "," + std::to_string(r));
    for (int r = 24; r <= 29; ++r)
      for (int c = 0; c < 10; ++c)
        if (s.Well.at(c, r) != 0) return fail("a cell below the floor was written");
    if (s.Phase < 1 || s.Phase > 4) return fail("phase " + std::to_string(s.Phase));
    if (s.Speed < 1 || s.Speed > 5) return fail("level " + std::to_string(s.Speed));
    if (s.Score < lastScore_) return fail("the score went down");
    lastScore_ = s.Score;
    if (s.PieceInPlay)
      for (auto [c, r] : pieceCells())
        if (c < 0 || c > 9 || r < -1 || r > 22 || s.Well.at(c, r) != s.Colour)
          return fail("the falling piece is not whole at " + std::to_string(c) + "," + std::to_string(r));
  }

  // After a redraw of the piece's block, the block shows what the well holds.
  void checkPieceArea(const char* what) {
    if (failed_) return;
    const GameState& s = state();
    for (int r = std::max(s.PieceY - 1, -1); r <= std::min(s.PieceY + 3, 22); ++r)
      for (int c = std::max(s.PieceX - 2, 0); c <= std::min(s.PieceX + 4, 9); ++c)
        if (!showsCode(c, r)) {
          failed_ = true;
          ADD_FAILURE() << where(std::string(what) + ": window differs from the well at " + std::to_string(c) + "," +
                                 std::to_string(r));
          return;
        }
  }
  // After a repaint, every cell of the well shows what it holds.
  void checkWholeWell(const char* what) {
    if (failed_) return;
    for (int r = -1; r <= 22; ++r)
      for (int c = 0; c < 10; ++c)
        if (!showsCode(c, r)) {
          failed_ = true;
          ADD_FAILURE() << where(std::string(what) + ": window differs from the well at " + std::to_string(c) + "," +
                                 std::to_string(r));
          return;
        }
    ++repaints_;
  }

  void keyDown(int key) {
    const bool fallsNow = key == vk::kDown && timers().interval(TimerId::Mover) != 25;
    const FallExpectation e = expectFall();
    form->OnKeyDown(key);
    check("key press");
    if (fallsNow) verifyFall(e, "Down");
  }
  void keyUp(int key) {
    form->OnKeyUp(key);
    check("key release");
  }
  // Holds a key for `ms`, the keyboard repeating it after 250 ms every 33 ms.
  void hold(int key, int ms) {
    keyDown(key);
    int t = 0, repeat = 250;
    while (t < ms && !over()) {
      const int step = std::min(ms, repeat) - t;
      run(step);
      t += step;
      if (t == repeat && t < ms) {
        keyDown(key);
        repeat += 33;
      }
    }
    keyUp(key);
  }
  bool over() { return state().RunState == Run::Stop || failed_; }
  void tap(int key) {
    keyDown(key);
    run(3);
    keyUp(key);
  }

  // The planned place is reached with taps, then the piece is dropped.
  void playPlanned(const Placement& p) {
    for (int turns = (p.phase - state().Phase + 4) % 4; turns > 0 && !over() && state().PieceInPlay; --turns)
      tap(vk::kUp);
    while (!over() && state().PieceInPlay && state().PieceX != p.x) {
      const int before = state().PieceX;
      tap(state().PieceX < p.x ? vk::kRight : vk::kLeft);
      if (state().PieceX == before) break;
    }
    keyDown(vk::kDown);
    for (int t = 0; t < 2000 && !over() && state().PieceInPlay; t += 5) run(5);
    keyUp(vk::kDown);
    run(10);
  }

  std::int64_t startUs_ = 0;
  bool failed_ = false;
  int lastScore_ = 0;
  int spawns_ = 0, rows_ = 0, repaints_ = 0;
};

TEST_P(WholeGameTest, RandomKeysUntilTheGameIsOver) {
  const GameSetup g = GetParam();
  menu().setChecked("N31", g.animation);
  menu().setChecked("N22", g.speedIncrease);
  if (g.sensitive) form->OnMenu("N34");
  watchTimers();
  std::mt19937 keys(g.seed);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(keys); };
  const std::array<ShapeCode, 7> shapes = kAllShapes;
  startWith(g.level, shapes[static_cast<std::size_t>(pick(7))], pick(4) + 1, "rygbvc"[pick(6)]);
  state().NextShape = shapes[static_cast<std::size_t>(pick(7))];
  state().NextPhase = pick(4) + 1;
  state().NextColour = "rygbvc"[pick(6)];
  state().Generator.seed(g.seed);
  startUs_ = desktop.nowUs();
  check("start");

  constexpr std::int64_t kLimitMs = 3'000'000;
  constexpr int kPlannedPieces = 120;  // then random keys only, so that the game ends
  while (!over() && elapsedMs() < kLimitMs) {
    const int look = pick(100);
    if (look < 3) {
      form->OnMenu("N14");
      checkWholeWell("Refresh");
    } else if (look < 5) {
      form->RedrawWell();
      checkWholeWell("RedrawWell");
    } else if (look < 6) {
      form->OnMenu("N4");
      hold(pick(2) ? vk::kRight : vk::kUp, pick(200));
      run(pick(300));
      form->OnMenu("N14");
      checkWholeWell("Refresh while paused");
      run(120);
      checkWholeWell("the redraw after the refresh");
      form->OnMenu("N4");
      check("resume");
    }
    if (over()) break;
    if (state().PieceInPlay && spawns_ < kPlannedPieces && pick(100) < 85) {
      if (const auto p = PlanPlacement(state())) {
        playPlanned(*p);
        continue;
      }
    }
    const int action = pick(100);
    if (action < 25) {
      hold(vk::kLeft, 5 + pick(120));
    } else if (action < 50) {
      hold(vk::kRight, 5 + pick(120));
    } else if (action < 65) {
      hold(vk::kUp, 5 + pick(400));
    } else if (action < 80) {
      // A fast drop, sometimes with sideways taps on the way down.
      keyDown(vk::kDown);
      for (int taps = pick(3); taps > 0 && !over(); --taps) {
        run(pick(60));
        hold(pick(2) ? vk::kLeft : vk::kRight, 5 + pick(40));
      }
      if (!over()) run(pick(400));
      keyUp(vk::kDown);
    } else if (action < 85) {
      keyDown(vk::kShift);
      keyUp(vk::kShift);
    } else {
      run(1 + pick(300));
    }
  }
  ASSERT_FALSE(failed_);
  ASSERT_EQ(state().RunState, Run::Stop) << "the game did not end within " << kLimitMs << " virtual ms";
  EXPECT_FALSE(timers().enabled(TimerId::Mover));
  EXPECT_FALSE(state().PieceInPlay);
  EXPECT_GE(spawns_, 30) << "a whole game brings in many pieces";
  EXPECT_GT(rows_, 0) << "and clears rows";
  form->OnMenu("N14");
  checkWholeWell("Refresh after the game");
  EXPECT_GT(repaints_, 1);
  RecordProperty("pieces", spawns_);
  RecordProperty("rows", rows_);
  RecordProperty("score", state().Score);
}

INSTANTIATE_TEST_SUITE_P(Seeds, WholeGameTest,
                         ::testing::Values(GameSetup{11, 1, true, true, false}, GameSetup{12, 3, false, true, false},
                                           GameSetup{13, 5, true, false, false}, GameSetup{14, 2, false, true, true},
                                           GameSetup{15, 4, true, true, true}, GameSetup{16, 1, false, false, false}),
                         [](const ::testing::TestParamInfo<GameSetup>& p) {
                           return "Seed" + std::to_string(p.param.seed) + "Level" + std::to_string(p.param.level);
                         });

}  // namespace
}  // namespace vemo::testing
