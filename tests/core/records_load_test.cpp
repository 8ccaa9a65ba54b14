// Loading the records file at start-up and saving it, through the main window.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "records/data_file.h"
#include "records/records_file.h"
#include "support/game_fixture.h"

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
  void setAllOptions(bool on) {
    for (const std::string_view item : kOptionItems) menu().setChecked(item, on);
  }
  std::string options() {
    std::string flags;
    for (const std::string_view item : kOptionItems) flags += menu().checked(item) ? '1' : '0';
    return flags;
  }
};

TEST_F(RecordsLoadTest, AFileFromTheBuiltInStateLoadsQuietlyWithZeroScores) {
  form->SaveData();
  ASSERT_EQ(fileLines().size(), 40u);
  EXPECT_TRUE(load());
  EXPECT_TRUE(desktop.messages.empty());
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(row(i), (RecordRow{"----------", "0"})) << i;
  EXPECT_EQ(state().FieldSize, 15);
  EXPECT_EQ(options(), "1110111");
}

TEST_F(RecordsLoadTest, TableOptionsFieldSizeAndCursorComeBack) {
  setTable({{"Вася", "9700"}, {"Петя", "120"}});
  setAllOptions(false);
  menu().setChecked("N34", true);
  state().FieldSize = 11;
  form->SaveData();

  form->Form2.SetRows(BuiltInRows());
  setAllOptions(true);
  state().FieldSize = 15;
  EXPECT_TRUE(load());
  EXPECT_EQ(row(1), (RecordRow{"Вася", "9700"}));
  EXPECT_EQ(row(2), (RecordRow{"Петя", "120"}));
  EXPECT_EQ(row(3), (RecordRow{"----------", "0"}));
  EXPECT_EQ(options(), "0001000");
  EXPECT_EQ(state().FieldSize, 11);
  EXPECT_FALSE(desktop.cursorVisible) << "N9 unchecked hides the cursor";

  menu().setChecked("N9", true);
  form->SaveData();
  EXPECT_TRUE(load());
  EXPECT_TRUE(desktop.cursorVisible);
}

TEST_F(RecordsLoadTest, SavingWithNoFieldSizeWrites15) {
  state().FieldSize = 0;
  form->SaveData();
  EXPECT_EQ(state().FieldSize, 15);
  EXPECT_EQ(fileLines().line(12), "15");
}

TEST_F(RecordsLoadTest, LinesFrom31OnSurviveALoadAndASave) {
  form->SaveData();
  LineImage image = fileLines();
  image.set(13, "thirteen");
  image.set(35, "kept");
  writeLines(image);
  ASSERT_TRUE(load());
  form->SaveData();
  const LineImage saved = fileLines();
  EXPECT_EQ(saved.size(), 40u);
  EXPECT_EQ(saved.line(35), "kept");
  EXPECT_EQ(saved.line(13), "");
}

TEST_F(RecordsLoadTest, CrOnlyAndLfOnlyFilesRead) {
  setTable({{"Оля", "321"}});
  form->SaveData();
  const LineImage saved = fileLines();
  for (const char* end : {"\r", "\n"}) {
    std::string bytes;
    for (const std::string& line : saved.lines()) bytes += line + end;
    writeFile(bytes);
    form->Form2.SetRows(BuiltInRows());
    EXPECT_TRUE(load());
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(row(1), (RecordRow{"Оля", "321"}));
  }
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

TEST_F(RecordsLoadTest, AChangedRunByteWarnsToo) {
  setTable({{"Вася", "900"}});
  form->SaveData();
  LineImage image = fileLines();
  std::string line = image.line(1);
  line[1] = static_cast<char>(line[1] - 1);
  image.set(1, line);
  writeLines(image);
  EXPECT_TRUE(load());
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text, kCheatWarning);
  EXPECT_TRUE(tableIsBuiltIn());
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

}  // namespace
}  // namespace vemo::testing
