#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/game_fixture.h"

namespace vemo::testing {
namespace {

std::string ReadFile(const char* name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class ClosingTest : public GameTest {};

TEST_F(ClosingTest, ARunningGameIsPausedBeforeTheSavingMessageAndTheFileIsWritten) {
  std::filesystem::remove("data");
  form->N17Click();
  bool pausedWhenWritten = false;
  const auto texts = desktop.texts.size();
  EXPECT_TRUE(form->OnCloseQuery());
  ASSERT_EQ(desktop.texts.size(), texts + 1);
  EXPECT_EQ(desktop.texts.back(), "Запись...");
  pausedWhenWritten = state().RunState == Run::Pause && menu().checked("N4");
  EXPECT_TRUE(pausedWhenWritten);
  EXPECT_FALSE(timers().enabled(TimerId::Mover));
  EXPECT_TRUE(std::filesystem::exists("data"));
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

TEST_F(ClosingTest, ExitRefreshesAndAsksTheWindowToClose) {
  form->OnMenu("N6");
  EXPECT_EQ(desktop.closeRequests, 1);
}

}  // namespace
}  // namespace vemo::testing
