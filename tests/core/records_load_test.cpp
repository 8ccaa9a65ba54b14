// Loading the records file at start-up and saving it, through the main window.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "records/data_file.h"
#include "records/records_check.h"
#include "records/records_file.h"
#include "support/game_fixture.h"
#include "support/golden_records.h"

namespace vemo::testing {
namespace {

constexpr const char* kCheatWarning = "Внимание!!! Засечён ЛАМЕР все рекорды анулированы.";

class RecordsLoadTest : public GameTest {
 protected:
  static std::string fileBytes() { return ReadWholeFile("data"); }
  static LineImage fileLines() { return SplitLines(fileBytes()); }
  static void writeFile(const std::string& bytes) {
    std::ofstream("data", std::ios::binary | std::ios::trunc) << bytes;
  }
  static void writeLines(const LineImage& image) { writeFile(JoinLines(image)); }
  // Runs LoadData as the start-up does, through the event entry.
  bool load() {
    return form->OnDialogEvent([this] { form->LoadData(); });
  }
  void setTable(std::initializer_list<RecordRow> top) {
    RecordRows rows = BuiltInRows();
    std::size_t i = 0;
    for (const RecordRow& row : top) rows[i++] = row;
    form->Form2.SetRows(rows);
  }
  RecordRow row(int i) { return {form->Form2.Name(i), form->Form2.ScoreText(i)}; }
  bool tableIsBuiltIn() { return form->Form2.Rows() == BuiltInRows(); }
  // The items of the seven flags of line 11, in their order there.
  static constexpr const char* kFlagItems[] = {"N8", "N9", "N22", "N34", "N35", "N11", "N31"};
  void setAllOptions(bool on) {
    for (const char* item : kFlagItems) menu().setChecked(item, on);
  }
  std::string options() {
    std::string flags;
    for (const char* item : kFlagItems) flags += menu().checked(item) ? '1' : '0';
    return flags;
  }
};

TEST_F(RecordsLoadTest, AHandWrittenFileSetsTheTableTheOptionsTheSideAndTheCursor) {
  writeFile(GoldenRecordsFile());
  setAllOptions(true);
  EXPECT_TRUE(load());
  EXPECT_TRUE(desktop.messages.empty());
  const RecordRows golden = GoldenRows();
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(row(i), golden[static_cast<std::size_t>(i - 1)]) << i;
  EXPECT_EQ(options(), "1011010");
  EXPECT_EQ(state().FieldSize, 17);
  EXPECT_FALSE(desktop.cursorVisible) << "N9 unchecked hides the cursor";
}

TEST_F(RecordsLoadTest, EachFlagOfLine11BelongsToItsItem) {
  for (std::size_t position = 0; position < std::size(kFlagItems); ++position) {
    SCOPED_TRACE(kFlagItems[position]);
    std::string flags(7, '0');
    flags[position] = '1';
    // Saving: only this item checked gives a 1 in its place.
    setAllOptions(false);
    menu().setChecked(kFlagItems[position], true);
    form->SaveData();
    EXPECT_EQ(fileLines().line(11), flags);
    // Loading: a 1 in its place checks this item alone.
    setAllOptions(true);
    ASSERT_TRUE(load());
    for (const char* item : kFlagItems) EXPECT_EQ(menu().checked(item), item == kFlagItems[position]) << item;
  }
}

TEST_F(RecordsLoadTest, SavingWithNoFieldSizeWrites15) {
  state().FieldSize = 0;
  form->SaveData();
  EXPECT_EQ(state().FieldSize, 15);
  EXPECT_EQ(fileLines().line(12), "15");
}

TEST_F(RecordsLoadTest, AChangedScoreWarnsResetsTheTableAndRewritesTheFile) {
  setTable({{"Вася", "900"}, {"Петя", "800"}});
  state().FieldSize = 12;
  form->SaveData();
  LineImage image = fileLines();
  image.set(16, "801");  // row 2's plain score
  image.set(11, "1010101");
  writeLines(image);

  state().FieldSize = 15;
  desktop.cursorVisible = true;
  EXPECT_TRUE(load());
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(desktop.messages[0].text, kCheatWarning);
  EXPECT_TRUE(tableIsBuiltIn());
  EXPECT_EQ(options(), "1010101") << "the options are taken all the same";
  EXPECT_EQ(state().FieldSize, 12);
  EXPECT_FALSE(desktop.cursorVisible);

  const LineImage rewritten = fileLines();
  EXPECT_EQ(rewritten.line(11), "1010101");
  EXPECT_EQ(rewritten.line(12), "12");
  for (std::size_t i = 15; i <= 24; ++i) EXPECT_EQ(rewritten.line(i), "0000") << i;
  desktop.messages.clear();
  EXPECT_TRUE(load());
  EXPECT_TRUE(desktop.messages.empty()) << "the rewritten file passes";
}

class RecordsLoadFailureTest : public RecordsLoadTest {
 protected:
  // The state before the reading: none of it matches the file below.
  void SetUp() override {
    form->SaveData();
    state().FieldSize = 7;
    setAllOptions(true);
    setTable({{"before", "5"}});
    desktop.cursorVisible = false;
  }
  void expectError(const std::string& text) {
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(desktop.messages[0].text, text);
  }
  void expectTableAndCursorUntouched() {
    EXPECT_EQ(row(1), (RecordRow{"before", "5"}));
    EXPECT_FALSE(desktop.cursorVisible);
  }
};

TEST_F(RecordsLoadFailureTest, AMissingFileChangesNothing) {
  std::remove("data");
  EXPECT_FALSE(load());
  expectError("Cannot open file data.");
  EXPECT_EQ(state().FieldSize, 7);
  EXPECT_EQ(options(), "1111111");
  expectTableAndCursorUntouched();
}

TEST_F(RecordsLoadFailureTest, AnEmptyFieldSizeLineStopsBeforeTheOptions) {
  LineImage image = fileLines();
  image.set(12, "");
  image.set(11, "0000000");
  writeLines(image);
  EXPECT_FALSE(load());
  expectError("'' is not a valid integer value.");
  EXPECT_EQ(state().FieldSize, 7);
  EXPECT_EQ(options(), "1111111");
  expectTableAndCursorUntouched();
}

TEST_F(RecordsLoadFailureTest, ABadScoreLineKeepsFieldSizeAndOptionsOnly) {
  LineImage image = fileLines();
  image.set(12, "9");
  image.set(11, "0000000");
  image.set(18, "12x");
  writeLines(image);
  EXPECT_FALSE(load());
  expectError("'12x' is not a valid integer value.");
  EXPECT_EQ(state().FieldSize, 9);
  EXPECT_EQ(options(), "0000000");
  expectTableAndCursorUntouched();
}

TEST_F(RecordsLoadFailureTest, AnEmptyFileFailsAtTheFieldSize) {
  writeFile("");
  EXPECT_FALSE(load());
  expectError("'' is not a valid integer value.");
  EXPECT_EQ(state().FieldSize, 7);
}

// Things that are no records file, though they stand where it should: each is
// refused at once, like a missing file, and nothing of it is taken.
TEST_F(RecordsLoadFailureTest, APipeADeviceOrAHugeFileIsRefusedAtOnce) {
  namespace fs = std::filesystem;
  const LineImage good = fileLines();
  const auto expectRefused = [&](const char* what) {
    SCOPED_TRACE(what);
    desktop.messages.clear();
    EXPECT_FALSE(load());
    expectError("Cannot open file data.");
    EXPECT_EQ(state().FieldSize, 7);
    EXPECT_EQ(options(), "1111111");
    expectTableAndCursorUntouched();
    fs::remove("data");
  };
  fs::remove("data");
  ASSERT_EQ(::mkfifo("data", 0600), 0);  // with no writer: opening it to read would wait for one
  expectRefused("a FIFO");
  fs::create_symlink("/dev/zero", "data");  // endless bytes
  expectRefused("a link to a device");

  // A readable records file made larger than 1 MiB with lines it would
  // otherwise carry over; exactly 1 MiB is still read.
  LineImage padded = good;
  padded.set(11, "0000000");
  padded.set(35, std::string(1024 * 1024 - JoinLines(padded).size(), 'x'));
  writeLines(padded);
  ASSERT_EQ(fs::file_size("data"), 1024u * 1024u);
  desktop.messages.clear();
  EXPECT_TRUE(load());
  EXPECT_EQ(options(), "0000000");
  state().FieldSize = 7;
  setAllOptions(true);
  setTable({{"before", "5"}});
  desktop.cursorVisible = false;
  padded.set(36, std::string(1024 * 1024, 'x'));
  writeLines(padded);
  expectRefused("a 2 MiB file");
}

// A file checked before it replaces the kept one (the page's «Загрузить
// рекорды»): the same verdict and message as a start-up's reading, and the
// running program, its file included, stays as it was.
TEST_F(RecordsLoadFailureTest, AFileOfferedToReplaceTheRecordsIsJudgedAsLoadingWouldJudgeIt) {
  const std::string before = fileBytes();
  EXPECT_TRUE(RecordsFileLoads(desktop, GoldenRecordsFile()));
  EXPECT_TRUE(desktop.messages.empty());

  std::string changed = GoldenRecordsFile();
  changed[changed.find("9849")] = '8';  // row 1's plain score no longer matches its run
  EXPECT_FALSE(RecordsFileLoads(desktop, changed));
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(desktop.messages[0].text, kCheatWarning);

  desktop.messages.clear();
  LineImage image = SplitLines(GoldenRecordsFile());
  image.set(12, "x7");
  EXPECT_FALSE(RecordsFileLoads(desktop, JoinLines(image)));
  expectError("'x7' is not a valid integer value.");

  expectTableAndCursorUntouched();
  EXPECT_EQ(state().FieldSize, 7);
  EXPECT_EQ(options(), "1111111");
  EXPECT_EQ(fileBytes(), before) << "nothing written";
}

}  // namespace
}  // namespace vemo::testing
