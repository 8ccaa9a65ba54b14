#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "records/cp1251.h"
#include "render/surface_stamps.h"
#include "support/game_fixture.h"
#include "support/golden_records.h"
#include "support/stamp_check.h"

namespace vemo::testing {
namespace {

std::string ReadFile(const char* name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class ClosingTest : public GameTest {
 protected:
  // What the window shows at each step of the closing, in order: frames that
  // follow one another unchanged are written once.
  std::vector<std::string> watchClosing() {
    std::vector<std::string> steps;
    const auto note = [&steps](std::string step) {
      if (steps.empty() || steps.back() != step) steps.push_back(std::move(step));
    };
    const Stamp saving = SurfaceStamp(StampId::Saving);
    desktop.onPresent = [&, note] {
      std::string step = state().RunState == Run::Pause && menu().checked("N4") ? "paused" : "running";
      if (ShowsStamp(canvas(), saving))
        step += std::string(", Запись... on a ") + (covered() ? "covered" : "not covered") + " window, " +
                (std::filesystem::exists("data") ? "file" : "no file");
      note(step);
    };
    EXPECT_TRUE(form->OnCloseQuery());
    desktop.onPresent = nullptr;
    if (std::filesystem::exists("data")) note("file");
    return steps;
  }
  // What the start-up's reading leaves: the table of the file, or the
  // built-in one when the file cannot be read.
  void readRecordsFile() { EnterHandler(desktop, [this] { form->LoadData(); }); }
  std::function<bool()> covered;
};

TEST_F(ClosingTest, PausesWipesWritesTheSavingTextThenTheFile) {
  std::filesystem::remove("data");
  readRecordsFile();
  form->N17Click();
  const Rgb menuColour = desktop.menuColour();
  // The wipe is over: its first and last columns, odd and even rows.
  covered = [&] {
    return canvas().pixel(0, 0) == menuColour && canvas().pixel(638, 475) == menuColour &&
           canvas().pixel(638, 1) == menuColour && canvas().pixel(0, 474) == menuColour;
  };
  EXPECT_EQ(watchClosing(), (std::vector<std::string>{"paused", "paused, Запись... on a covered window, no file", "file"}));
  EXPECT_FALSE(timers().enabled(TimerId::Mover));
}

TEST_F(ClosingTest, WithoutAnimationTheRectangleComesBeforeTheSavingText) {
  menu().setChecked("N31", false);
  std::filesystem::remove("data");
  readRecordsFile();
  form->N17Click();
  covered = [&] { return canvas().pixel(0, 100) == Rgb{0, 0, 0} && canvas().pixel(638, 100) == Surface::kWhite; };
  EXPECT_EQ(watchClosing(), (std::vector<std::string>{"paused, Запись... on a covered window, no file", "file"}));
}

TEST_F(ClosingTest, TheWipeFillsTheWindowWithTheMenuColourInAboutASecond) {
  form->N17Click();
  const std::int64_t before = desktop.nowUs();
  form->OnCloseQuery();
  EXPECT_GE(desktop.nowUs() - before, 1'000'000);
  const Rgb menuColour = desktop.menuColour();
  EXPECT_EQ(canvas().pixel(0, 0), menuColour);
  EXPECT_EQ(canvas().pixel(638, 475), menuColour);
  EXPECT_EQ(canvas().pixel(100, 101), menuColour);
}

TEST_F(ClosingTest, WithoutAnimationARectangleCoversTheWindowShowingOnlyItsTopAndLeftPen) {
  menu().setChecked("N31", false);
  form->N17Click();
  const std::int64_t before = desktop.nowUs();
  form->OnCloseQuery();
  EXPECT_EQ(desktop.nowUs(), before);
  EXPECT_EQ(canvas().pixel(0, 100), (Rgb{0, 0, 0})) << "left pen line, solid black before the start-up ran";
  EXPECT_EQ(canvas().pixel(100, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(canvas().pixel(638, 100), Surface::kWhite) << "the right line lies outside the client area";
  EXPECT_EQ(canvas().pixel(100, 475), Surface::kWhite);
}

TEST_F(ClosingTest, AFileThatCannotBeWrittenKeepsTheWindowOpenOnceThenLetsGo) {
  const std::string old = ReadFile("data");
  ASSERT_FALSE(old.empty());
  readRecordsFile();
  ASSERT_EQ(::chmod("data", 0444), 0);
  EXPECT_FALSE(form->OnCloseQuery()) << "the first failure keeps the window open";
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(desktop.messages[0].text, "Cannot create file data.");
  EXPECT_EQ(ReadFile("data"), old) << "the old file stays whole";

  EXPECT_TRUE(form->OnCloseQuery()) << "the second failure is told, then the window closes";
  ASSERT_EQ(desktop.messages.size(), 2u);
  EXPECT_EQ(desktop.messages[1].text, "Cannot create file data.");
  EXPECT_EQ(ReadFile("data"), old);
  ::chmod("data", 0644);
}

// Until the start-up has read the records file the table is the built-in one:
// neither a close nor a front end's keeping may put it in the player's file.
TEST_F(ClosingTest, BeforeTheStartUpHasReadTheRecordsFileItIsLeftAlone) {
  const std::string golden = GoldenRecordsFile();
  std::ofstream("data", std::ios::binary) << golden;
  EXPECT_FALSE(form->RecordsFileBytes().has_value());
  EXPECT_TRUE(form->OnCloseQuery());
  EXPECT_EQ(ReadFile("data"), golden);
  EXPECT_TRUE(desktop.messages.empty());

  // Once read, the file's table is what a close writes and a front end keeps.
  auto later = std::make_unique<TForm1>(desktop);
  later->LoadData();
  const std::optional<std::string> kept = later->RecordsFileBytes();
  ASSERT_TRUE(kept.has_value());
  EXPECT_NE(kept->find("," + Utf8ToCp1251("Петя Иванов") + ","), std::string::npos);
  EXPECT_TRUE(later->OnCloseQuery());
  EXPECT_NE(ReadFile("data"), golden) << "written anew";
  later->LoadData();
  EXPECT_EQ(later->Form2.Rows(), GoldenRows());
}

TEST_F(ClosingTest, ExitRefreshesAndAsksTheWindowToClose) {
  form->OnMenu("N6");
  EXPECT_EQ(desktop.closeRequests, 1);
}

}  // namespace
}  // namespace vemo::testing
