// Soak: many games of both kinds on the virtual clock, played with random
// keys, menu commands (pause, refresh, the options, start commands in the
// middle of games, the field-size dialog, the records and about windows) and
// random answers in the modal windows. After every handler the well, the
// snake field with its segment list and the records table must be sound, and
// after every repaint of the whole window each cell of the current game must
// show its code. Every fall step and every landing is checked against the
// fall, the rows and the points worked out here before the handler runs.
//
// VEMO_SOAK_GAMES sets the number of games of each kind (default 20);
// VEMO_SOAK_SEED the seed of the player and of the program's generator
// (default 1): a seed replays the same games.

#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "render/tiles.h"
#include "snake/snake_field.h"
#include "support/block_player.h"
#include "support/game_fixture.h"
#include "support/game_invariants.h"
#include "support/snake_player.h"

#if defined(__SANITIZE_ADDRESS__)
#define VEMO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VEMO_ASAN 1
#endif
#endif
#ifdef VEMO_ASAN
// The sanitizer runtime's count (its header is not installed with every compiler).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace vemo::testing {
namespace {

// Bytes allocated on the heap and not yet freed.
std::size_t LiveHeapBytes() {
#ifdef VEMO_ASAN
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

int EnvInt(const char* name, int fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::atoi(text) : fallback;
}

enum Kind { kBlocks, kSnake };

// A text for the field-size box and the integer it stands for, if any.
struct SizeAnswer {
  std::string text;
  std::optional<int> value;
};

class SoakTest : public GameTest {
 protected:
  SoakTest() : rng_(static_cast<unsigned>(EnvInt("VEMO_SOAK_SEED", 1))) {
    desktop.runDialogHandlers = true;
    desktop.modalScripts.push_back([this] { onModal(); });
    watchTimers();
  }

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool chance(int percent) { return pick(100) < percent; }

  // --- Watching every handler ---

  void watchTimers() {
    struct Watched {
      TimerId id;
      void (TForm1::*handler)();
      const char* name;
    };
    static constexpr Watched kWatched[] = {
        {TimerId::Gor, &TForm1::GorTimer, "Gor"},       {TimerId::Beg, &TForm1::BegTimer, "Beg"},
        {TimerId::Mover, &TForm1::MoverTimer, "Mover"}, {TimerId::Phaser, &TForm1::PhaserTimer, "Phaser"},
        {TimerId::Left, &TForm1::LeftTimer, "Left"},    {TimerId::Right, &TForm1::RightTimer, "Right"},
        {TimerId::T, &TForm1::TTimer, "T"},             {TimerId::Up, &TForm1::UpTimer, "Up"},
        {TimerId::New, &TForm1::NewTimer, "New"},       {TimerId::Timer1, &TForm1::Timer1Timer, "Timer1"},
        {TimerId::Timer2, &TForm1::Timer2Timer, "Timer2"}, {TimerId::SnakBeg, &TForm1::SnakBegTimer, "SnakBeg"},
        {TimerId::SnakVis, &TForm1::SnakVisTimer, "SnakVis"}, {TimerId::SnakMov, &TForm1::SnakMovTimer, "SnakMov"},
    };
    for (const Watched& w : kWatched)
      timers().bind(w.id, [this, w] {
        const bool fastDrop = timers().interval(TimerId::Mover) == 25;
        if (w.id == TimerId::Mover) fall_.before(state());
        if (w.id == TimerId::New) landing_.before(state(), menu().checked("N8"), menu().checked("N22"), desktop.sounds);
        form->OnDialogEvent([&] { ((*form).*w.handler)(); });
        after(w.name);
        if (w.id == TimerId::Mover) checkFall(w.name);
        if (w.id == TimerId::New) {
          if (std::string f = landing_.after(state(), desktop.sounds, desktop.caption); !f.empty())
            return fail(w.name, "landing: " + f);
          rowsCleared_ += landing_.rows();
        }
        // The deferred refresh repaints the whole window; the piece's own
        // timers redraw around it (a fall step only outside a fast drop).
        if (w.id == TimerId::Up) checkPixels("Up");
        const bool drawsPiece = w.id == TimerId::Phaser || w.id == TimerId::Left || w.id == TimerId::Right ||
                                w.id == TimerId::T || (w.id == TimerId::Mover && !fastDrop);
        if (drawsPiece) checkPieceArea(w.name);
        if (w.id == TimerId::SnakMov) checkSnakeStep(w.name);
      });
    timers().bind(TimerId::Apple, [this] {
      form->OnDialogEvent([&] { form->AppleTimer(); });
      after("Apple");
      checkSnakeStep("Apple");
    });
  }

  void fail(const std::string& what, const std::string& why) {
    if (failed_) return;
    failed_ = true;
    std::string trail;
    for (const std::string& step : trail_) trail += "  " + step + "\n";
    ADD_FAILURE() << what << ": " << why << "\n(seed " << EnvInt("VEMO_SOAK_SEED", 1) << ", game " << gamesStarted()
                  << ", virtual s " << desktop.nowUs() / 1'000'000 << ")\nlast steps:\n"
                  << trail;
  }

  // The checks that hold after any handler.
  void after(const std::string& what) {
    if (failed_) return;
    const GameState& s = state();
    if (s.Mode == GameMode::Snake && !(snake::EntryCell(s, 1) == snake::Cell{1, 0})) segmentsInField_ = true;
    if (std::string f = WellFault(s, blocksStarted_); !f.empty()) return fail(what, "well: " + f);
    if (std::string f = settled_.check(s); !f.empty()) return fail(what, "well: " + f);
    if (s.Mode == GameMode::Snake && (s.RunState == Run::Game || s.RunState == Run::Pause))
      if (std::string f = SnakeFault(s, segmentsInField_, timers().enabled(TimerId::Apple)); !f.empty())
        return fail(what, "snake: " + f);
    if (std::string f = RecordsFault(form->Form2); !f.empty()) return fail(what, "records: " + f);
    maxSegments_ = std::max(maxSegments_, s.Mode == GameMode::Snake ? s.SegCount - 1 : 0);
  }

  void checkFall(const std::string& what) {
    if (std::string f = fall_.after(state(), timers().enabled(TimerId::New)); !f.empty()) fail(what, "fall: " + f);
  }
  void checkPieceArea(const std::string& what) {
    const GameState& s = state();
    if (failed_ || s.Mode != GameMode::Tetris || (s.RunState != Run::Game && s.RunState != Run::Pause)) return;
    if (std::string f = PieceAreaFault(*form); !f.empty()) fail(what, "window around the piece: " + f);
  }

  // A snake step redraws what it changed: once the window has been seen to
  // agree with the field, the whole field shows its codes after every step
  // (until a command draws elsewhere, as the preview option does).
  void checkSnakeStep(const std::string& what) {
    const GameState& s = state();
    if (failed_ || !snakeWindowKnown_ || s.Mode != GameMode::Snake || s.RunState != Run::Game || !segmentsInField_)
      return;
    if (std::string f = CellPixelsFault(*form); !f.empty()) fail(what, "window after a snake step: " + f);
  }

  void checkPixels(const std::string& what) {
    if (failed_) return;
    ++pixelChecks_;
    snakeWindowKnown_ = true;
    if (std::string f = CellPixelsFault(*form); !f.empty()) fail(what, "window after a repaint: " + f);
  }

  void step(const std::string& what) {
    trail_.push_back(std::to_string(desktop.nowUs() / 1000) + " ms: " + what);
    if (trail_.size() > 24) trail_.pop_front();
  }

  // --- What the player does ---

  void command(const std::string& item) {
    step("menu " + item);
    if (item != "N4" && item != "N8" && item != "N9" && item != "N22" && item != "N31") snakeWindowKnown_ = false;
    form->OnMenu(item);
    after("menu " + item);
  }
  void keyDown(int key) {
    step("key down " + std::to_string(key));
    // Down outside a fast drop makes one fall step at once.
    const bool falls = key == vk::kDown && timers().interval(TimerId::Mover) != 25;
    if (falls) fall_.before(state());
    form->OnKeyDown(key);
    after("key down");
    if (falls) checkFall("Down");
  }
  void keyUp(int key) {
    step("key up " + std::to_string(key));
    form->OnKeyUp(key);
    after("key up");
  }
  void passTime(int ms) {
    step("wait " + std::to_string(ms) + " ms");
    run(ms);
  }

  void startUp() {
    step("show");
    form->OnShow();
    after("show");
    passTime(2500);  // title, records file, wipe, playing screen
    ASSERT_FALSE(timers().enabled(TimerId::Gor));
    ASSERT_TRUE(desktop.messages.empty()) << desktop.messages.front().text;
  }

  void startGame(Kind kind) {
    // The fake desktop keeps what it was shown: forget it between games.
    desktop.messages = {};
    desktop.dialogs = {};
    seenMessages_ = seenDialogs_ = 0;
    const int level = 1 + pick(5);
    ++started_[kind];
    settled_.reset();
    if (kind == kBlocks) {
      blocksStarted_ = true;
      command("N" + std::to_string(16 + level));
      seedPieces();
    } else {
      segmentsInField_ = false;
      state().Generator.seed(static_cast<unsigned>(rng_()));
      command("N" + std::to_string(24 + level));
    }
    checkPixels("start");
  }

  // A falling-block start seeds the program's generator from the real clock
  // and draws the first two pieces with it: seeded ones take their place, so
  // that a seed replays the same games.
  void seedPieces() {
    GameState& s = state();
    for (auto [c, r] : Translate(PatternCells(s.Shape, s.Phase), s.PieceX, s.PieceY)) s.Well.set(c, r, ' ');
    s.Shape = kAllShapes[static_cast<std::size_t>(pick(7))];
    s.Phase = 1 + pick(4);
    s.Colour = "rygbvc"[pick(6)];
    s.NextShape = kAllShapes[static_cast<std::size_t>(pick(7))];
    s.NextPhase = 1 + pick(4);
    s.NextColour = "rygbvc"[pick(6)];
    s.Generator.seed(static_cast<unsigned>(rng_()));
    form->PlacePiece();
    form->RedrawWell();
    after("start");
  }

  // The field-size command with a random answer, and the size it must leave.
  void changeFieldSize() {
    const bool open = menu().enabled("N15");
    const int before = state().FieldSize;
    size_.reset();
    command("N15");
    if (!open || failed_) return;
    if (!size_) return fail("field-size command", "no dialog");
    // A text that is no integer fails as the dialog closes: the size stays.
    const std::optional<int> read = size_->read;
    const int expected = !read ? before : (*read < 10 || *read > 20 ? 15 : *read);
    if (state().FieldSize != expected)
      fail("field-size dialog", "answer '" + size_->typed + "' left size " + std::to_string(state().FieldSize) +
                                    ", expected " + std::to_string(expected));
  }

  SizeAnswer randomSizeAnswer() {
    static const std::vector<SizeAnswer> kOdd{{"", std::nullopt},    {"abc", std::nullopt}, {"12a", std::nullopt},
                                              {"15 ", std::nullopt}, {" 12", 12},          {"+17", 17},
                                              {"-3", -3},            {"0x10", std::nullopt}, {"007", 7},
                                              {"99999999999", std::nullopt}, {"двадцать", std::nullopt}};
    if (chance(30)) return kOdd[static_cast<std::size_t>(pick(static_cast<int>(kOdd.size())))];
    const int v = pick(31);
    return {std::to_string(v), v};
  }

  void tap(int key) {
    keyDown(key);
    passTime(3);
    keyUp(key);
  }

  // One move towards the planned resting place of the piece, or the drop.
  void plannedMove() {
    for (int i = 0; i < 4; ++i)
      if (held_[i]) {
        held_[i] = false;
        keyUp(vk::kLeft + i);
      }
    const std::optional<Placement> p = PlanPlacement(state());
    if (!p) return passTime(10);
    if (state().Phase != p->phase) return tap(vk::kUp);
    if (state().PieceX != p->x) return tap(state().PieceX < p->x ? vk::kRight : vk::kLeft);
    keyDown(vk::kDown);
    for (int t = 0; t < 2000 && state().PieceInPlay && state().RunState == Run::Game && !failed_; t += 5) run(5);
    keyUp(vk::kDown);
  }

  // One action of the player during a game.
  void act(Kind kind) {
    const int roll = pick(1000);
    if (state().RunState == Run::Pause && roll < 300) return command("N4");
    if (kind == kBlocks && planned_ && roll < 700 && state().PieceInPlay && state().RunState == Run::Game)
      return plannedMove();
    if (roll < 350) return passTime(1 + pick(150));
    if (roll < 600) {
      int key = vk::kLeft + pick(4);
      if (kind == kSnake && roll < 590) key = SnakeKeyTowardsApple(state()).value_or(key);
      if (kind == kBlocks) held_[key - vk::kLeft] = true;
      return keyDown(key);
    }
    if (roll < 800) {
      std::vector<int> down;
      for (int i = 0; i < 4; ++i)
        if (held_[i]) down.push_back(vk::kLeft + i);
      const int key = down.empty() ? vk::kLeft + pick(4) : down[static_cast<std::size_t>(pick(static_cast<int>(down.size())))];
      held_[key - vk::kLeft] = false;
      return keyUp(key);
    }
    if (roll < 830) return command("N4");
    if (roll < 850) {
      command("N14");
      return checkPixels("refresh");
    }
    if (roll < 880) {
      static constexpr std::array<const char*, 7> kOptions{"N8", "N9", "N11", "N22", "N31", "N34", "N35"};
      return command(kOptions[static_cast<std::size_t>(pick(7))]);
    }
    if (roll < 890) return changeFieldSize();
    if (roll < 900) return command(chance(50) ? "N12" : "N32");
    if (roll < 910) {
      step("mouse down");
      form->OnMouseDown();
      after("mouse down");
      return checkPixels("mouse down");
    }
    if (roll < 915) {
      const int label = 1 + pick(2);
      step("label click " + std::to_string(label));
      form->OnLabelClick(label);
      after("label click");
      return checkPixels("label click");
    }
    passTime(200 + pick(800));
  }

  // Plays until the game is over, or until a start command cuts it short.
  void play(Kind kind) {
    const std::int64_t startUs = desktop.nowUs();
    const int cutAfter = chance(25) ? 1 + pick(400) : -1;
    // Most falling-block games have a player who clears rows.
    planned_ = chance(70);
    for (int actions = 0; !failed_; ++actions) {
      if (state().RunState == Run::Stop) {
        ++overs_[kind];
        return;
      }
      // A start command in the middle of the game; and no game lasts for ever.
      if (actions == cutAfter || desktop.nowUs() - startUs > 600'000'000) {
        ++cut_;
        return;
      }
      act(kind);
    }
  }

  // --- The modal windows ---

  // Runs as the script of every modal window, and leaves itself for the next.
  void onModal() {
    desktop.modalScripts.push_back([this] { onModal(); });
    if (desktop.messages.size() > seenMessages_) {
      seenMessages_ = desktop.messages.size();
      answerMessage(desktop.messages.back());
    } else {
      seenDialogs_ = desktop.dialogs.size();
      answerDialog(desktop.dialogs.back());
    }
    // Timers go on while a modal window is open.
    if (chance(20)) passTime(pick(300));
  }

  void answerMessage(const FakeDesktop::Message& m) {
    step("message: " + m.text);
    if (m.kind == MessageKind::Information && m.text.rfind("Игра окончена, игрок набрал ", 0) == 0) return;
    const bool numberError = size_ && m.kind == MessageKind::Error &&
                             m.text == "'" + size_->typed + "' is not a valid integer value.";
    if (!numberError) fail("message box", "unexpected: " + m.text);
    ++errorBoxes_;
  }

  void answerDialog(DialogKind kind) {
    ++dialogs_[static_cast<int>(kind)];
    switch (kind) {
      case DialogKind::FieldSize: {
        const SizeAnswer a = randomSizeAnswer();
        size_ = PendingSize{a.text, a.value};
        step("size answer '" + a.text + "'");
        form->Form4.Edit1 = a.text;
        if (chance(20)) return;  // the close box
        form->OnDialogEvent([&] { form->Form4.KeyDown(vk::kEnter); });
        // Enter closes with an integer or an empty box, making an empty or
        // out-of-range answer 15; a text that is no integer keeps it open.
        const bool closes = a.text.empty() || a.value;
        if (form->Form4.closeRequested != closes) return fail("field-size dialog", "Enter on '" + a.text + "'");
        if (!closes) return;
        const bool outside = !a.value || *a.value < 10 || *a.value > 20;
        if (form->Form4.Edit1 != (outside ? "15" : a.text))
          return fail("field-size dialog", "Enter made '" + form->Form4.Edit1 + "' of '" + a.text + "'");
        size_->read = outside ? 15 : *a.value;
        return;
      }
      case DialogKind::NameEntry: {
        static const char* const kNames[] = {"", "a", "Игрок", "player one", "x1234567890"};
        form->Form3.Edit1 = kNames[pick(5)];
        if (chance(80)) form->OnDialogEvent([&] { form->Form3.KeyDown(vk::kEnter); });
        nameJustEntered_ = true;
        return;
      }
      case DialogKind::Records:
        // Straight after a name entry, whose closing repaints the window.
        if (nameJustEntered_) checkPixels("name entry closed");
        nameJustEntered_ = false;
        form->OnDialogEvent([&] { form->Form2.FormMouseDown(); });
        return;
      case DialogKind::About:
        return;
    }
  }

  int gamesStarted() const { return started_[0] + started_[1]; }

  std::mt19937 rng_;
  std::deque<std::string> trail_;
  SettledCells settled_;
  FallOracle fall_;
  LandingOracle landing_;
  bool failed_ = false;
  bool blocksStarted_ = false;
  bool segmentsInField_ = false;
  bool snakeWindowKnown_ = false;
  bool nameJustEntered_ = false;
  bool planned_ = false;
  std::array<bool, 4> held_{};
  // The answer typed in the field-size dialog, and the number the command
  // reads from the box when the dialog has closed (none: no integer).
  struct PendingSize {
    std::string typed;
    std::optional<int> read;
  };
  std::optional<PendingSize> size_;
  std::size_t seenMessages_ = 0, seenDialogs_ = 0;
  std::array<int, 2> started_{}, overs_{};
  std::array<int, 4> dialogs_{};
  int cut_ = 0, pixelChecks_ = 0, errorBoxes_ = 0, maxSegments_ = 0, rowsCleared_ = 0;
};

TEST_F(SoakTest, ManyGamesOfBothKindsKeepTheirInvariants) {
  const int games = EnvInt("VEMO_SOAK_GAMES", 20);
  ASSERT_NO_FATAL_FAILURE(startUp());
  // The heap after a tenth of the games, when every kind of allocation has
  // been made, and at the end: it must stay flat.
  const int warmUp = std::max(2, games / 10);
  std::size_t warmHeap = 0;
  while (!failed_ && (started_[kBlocks] < games || started_[kSnake] < games)) {
    if (started_[kBlocks] + started_[kSnake] == warmUp) warmHeap = LiveHeapBytes();
    const Kind kind = started_[kBlocks] >= games ? kSnake : started_[kSnake] >= games ? kBlocks : Kind(pick(2));
    startGame(kind);
    play(kind);
  }
  desktop.messages = {};
  desktop.dialogs = {};
  const std::size_t endHeap = LiveHeapBytes();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::cout << "soak: " << started_[kBlocks] << " + " << started_[kSnake] << " games, over " << overs_[kBlocks]
            << " + " << overs_[kSnake] << ", cut short " << cut_ << ", rows cleared " << rowsCleared_ << ", longest snake " << maxSegments_
            << ", repaints checked " << pixelChecks_ << ", dialogs size/name/records/about " << dialogs_[3] << "/"
            << dialogs_[2] << "/" << dialogs_[1] << "/" << dialogs_[0] << ", number errors " << errorBoxes_
            << ", virtual h " << static_cast<double>(desktop.nowUs()) / 3.6e9 << ", max RSS " << usage.ru_maxrss / 1024
            << " MiB, live heap after " << warmUp << " games " << warmHeap / 1024 << " KiB, at the end "
            << endHeap / 1024 << " KiB\n";
  EXPECT_LT(endHeap, warmHeap + 256 * 1024) << "the heap grows from game to game";
  EXPECT_EQ(started_[kBlocks], games);
  EXPECT_EQ(started_[kSnake], games);
  if (games >= 10) {
    // The games reached what they are meant to exercise.
    EXPECT_GT(overs_[kBlocks], 0);
    EXPECT_GT(overs_[kSnake], 0);
    EXPECT_GT(rowsCleared_, games);
    EXPECT_GT(pixelChecks_, games);
    EXPECT_GT(dialogs_[static_cast<int>(DialogKind::FieldSize)], 0);
    EXPECT_GT(dialogs_[static_cast<int>(DialogKind::NameEntry)], 0);
  }
}

}  // namespace
}  // namespace vemo::testing
