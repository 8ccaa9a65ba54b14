// The records file's lines built from the table and read back, in memory.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>

#include "records/records_file.h"
#include "shell/event_entry.h"
#include "support/golden_records.h"

namespace vemo {
namespace {

const OptionFlags kBuiltInOptions{true, true, true, false, true, true, true};

class RecordsFileTest : public ::testing::Test {
 protected:
  LineImage build(const RecordRows& rows, const OptionFlags& options = kBuiltInOptions, std::int32_t side = 15,
                  LineImage image = LineImage::Fresh()) {
    BuildImage(image, rows, options, side, [this](int n) {
      return std::uniform_int_distribution<int>(0, n - 1)(generator);
    });
    // Through the bytes, as the file goes.
    return SplitLines(JoinLines(image));
  }
  static RecordRows rowsWith(std::initializer_list<RecordRow> top) {
    RecordRows rows = BuiltInRows();
    std::size_t i = 0;
    for (const RecordRow& row : top) rows[i++] = row;
    return rows;
  }
  static std::string integerFailure(const auto& action) {
    try {
      action();
    } catch (const PlatformError& failure) {
      return failure.what();
    }
    return "no failure";
  }
  std::mt19937 generator{12345};
};

TEST_F(RecordsFileTest, TheBuiltInStateMakesFortyLinesThatReadBackAsZeroRows) {
  const LineImage image = build(BuiltInRows());
  ASSERT_EQ(image.size(), 40u);
  EXPECT_EQ(image.line(11), "1110111");
  EXPECT_EQ(image.line(12), "15");
  for (std::size_t i = 15; i <= 24; ++i) EXPECT_EQ(image.line(i), "0000") << i;
  for (std::size_t i : {13, 14, 25, 30, 31, 39}) EXPECT_EQ(image.line(i), "") << i;
  for (std::size_t i = 1; i <= 10; ++i) {
    const std::string& line = image.line(i);
    const std::size_t comma = line.find(',');
    ASSERT_NE(comma, std::string::npos);
    const std::string run = line.substr(0, comma);
    EXPECT_EQ(line.substr(comma), ",----------," + std::to_string(RowChecksum(run))) << i;
  }
  EXPECT_EQ(image.line(0), std::to_string(ImageChecksum(image)));

  const std::optional<RecordRows> rows = ReadRecords(image);
  ASSERT_TRUE(rows.has_value());
  for (const RecordRow& row : *rows) EXPECT_EQ(row, (RecordRow{"----------", "0"}));
}

TEST_F(RecordsFileTest, KeepsLinesFrom31OnAndEmptiesTheSpareLines) {
  LineImage old;
  for (std::size_t i = 0; i < 45; ++i) old.set(i, "old " + std::to_string(i));
  const LineImage image = build(BuiltInRows(), kBuiltInOptions, 15, old);
  ASSERT_EQ(image.size(), 45u);
  for (std::size_t i : {13, 14, 25, 26, 27, 28, 29, 30}) EXPECT_EQ(image.line(i), "") << i;
  for (std::size_t i = 31; i < 45; ++i) EXPECT_EQ(image.line(i), "old " + std::to_string(i));
}

TEST_F(RecordsFileTest, AHandWrittenFileReadsIntoItsTableOptionsAndSide) {
  const LineImage image = SplitLines(testing::GoldenRecordsFile());
  ASSERT_EQ(image.size(), 40u);
  const std::optional<RecordRows> rows = ReadRecords(image);
  ASSERT_TRUE(rows.has_value());
  EXPECT_EQ(*rows, testing::GoldenRows());
  EXPECT_EQ(ReadOptions(image), (OptionFlags{true, false, true, true, false, true, false}));
  EXPECT_EQ(ReadFieldSize(image), 17);
}

TEST_F(RecordsFileTest, WithTheSameDrawsTheTableIsWrittenBackByteForByte) {
  const std::string golden = testing::GoldenRecordsFile();
  ASSERT_FALSE(golden.empty());
  LineImage image = SplitLines(golden);
  std::deque<int> draws = testing::GoldenDraws();
  BuildImage(image, testing::GoldenRows(), OptionFlags{true, false, true, true, false, true, false}, 17,
             [&draws](int n) {
               EXPECT_EQ(n, 100) << "keys and steps are drawn from 0..99";
               if (draws.empty()) {
                 ADD_FAILURE() << "more draws than the file needs";
                 return 0;
               }
               const int draw = draws.front();
               draws.pop_front();
               return draw;
             });
  EXPECT_TRUE(draws.empty()) << draws.size() << " draws left over";
  const std::string written = JoinLines(image);
  EXPECT_EQ(written.size(), golden.size());
  EXPECT_TRUE(written == golden) << "first difference at byte "
                                 << std::mismatch(written.begin(), written.end(), golden.begin(), golden.end()).first -
                                        written.begin();
}

TEST_F(RecordsFileTest, AChangedPlainScoreOrRunByteFailsTheCheck) {
  const LineImage good = build(rowsWith({{"a", "500"}, {"b", "400"}}));
  ASSERT_TRUE(ReadRecords(good).has_value());

  LineImage plain = good;
  plain.set(16, "401");
  EXPECT_FALSE(ReadRecords(plain).has_value());

  LineImage run = good;
  std::string line = run.line(2);
  line[1] = static_cast<char>(line[1] + 1);  // a step
  run.set(2, line);
  EXPECT_FALSE(ReadRecords(run).has_value());

  LineImage key = good;
  key.set(10, "");  // a record line without its key byte
  EXPECT_FALSE(ReadRecords(key).has_value());
}

TEST_F(RecordsFileTest, ChangesOutsideTheScoresAreNotNoticed) {
  LineImage image = build(rowsWith({{"a", "500"}}));
  std::string line = image.line(1);
  const std::size_t comma = line.find(',');
  image.set(1, line.substr(0, comma) + ",zed,999");
  image.set(0, "1");
  image.set(13, "x");
  image.set(30, "y");
  const std::optional<RecordRows> rows = ReadRecords(image);
  ASSERT_TRUE(rows.has_value());
  EXPECT_EQ((*rows)[0], (RecordRow{"zed", "500"}));
}

TEST_F(RecordsFileTest, ANameComesBackCutAtItsFirstComma) {
  const std::optional<RecordRows> rows = ReadRecords(build(rowsWith({{"Петя, чемпион, 2", "300"}})));
  ASSERT_TRUE(rows.has_value());
  EXPECT_EQ((*rows)[0], (RecordRow{"Петя", "300"}));
}

TEST_F(RecordsFileTest, ANameNeverBreaksTheFile) {
  const std::string name = std::string("a\r\nb\rc\nd\0e\x1a", 11) + "f";
  const LineImage image = build(rowsWith({{name, "300"}, {"next", "200"}}));
  ASSERT_EQ(image.size(), 40u) << "no extra lines";
  const std::optional<RecordRows> rows = ReadRecords(image);
  ASSERT_TRUE(rows.has_value());
  EXPECT_EQ((*rows)[0].name, "a  b c d e f");
  EXPECT_EQ((*rows)[1], (RecordRow{"next", "200"}));
}

TEST_F(RecordsFileTest, ALongNameIsCutSoItsLineStaysWhole) {
  std::string name;
  for (int i = 0; i < 300; ++i) name += "Щ";
  const std::optional<RecordRows> rows = ReadRecords(build(rowsWith({{name, "300"}})));
  ASSERT_TRUE(rows.has_value());
  std::string cut;
  for (int i = 0; i < kMaxNameLength; ++i) cut += "Щ";
  EXPECT_EQ((*rows)[0], (RecordRow{cut, "300"}));
}

TEST_F(RecordsFileTest, ScoresUpToTheBoundComeBackAndHigherOnesAreStoredAtIt) {
  const RecordRows table = rowsWith(
      {{"a", "2000000"}, {"b", "64875"}, {"c", "64874"}, {"d", "30000"}, {"e", "9850"}, {"f", "9849"}});
  for (int round = 0; round < 50; ++round) {
    const LineImage image = build(table);
    const std::optional<RecordRows> rows = ReadRecords(image);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ((*rows)[0].score, "64874");
    EXPECT_EQ(image.line(15), "64874") << "the plain line says the same";
    EXPECT_EQ((*rows)[1].score, "64874");
    EXPECT_EQ((*rows)[2].score, "64874");
    EXPECT_EQ(image.line(17), "64874");
    EXPECT_EQ((*rows)[3].score, "30000");
    EXPECT_EQ((*rows)[4].score, "9850");
    EXPECT_EQ((*rows)[5].score, "9849");
  }
}

TEST_F(RecordsFileTest, AVeryLowScoreFromAHandMadeFileStillFitsItsLine) {
  std::string name(kMaxNameLength, 'n');
  const LineImage image = build(rowsWith({{name, "-2000000"}}));
  EXPECT_LE(image.line(1).size(), kMaxLineBytes);
  const std::optional<RecordRows> rows = ReadRecords(image);
  ASSERT_TRUE(rows.has_value());
  EXPECT_EQ((*rows)[0], (RecordRow{name, "-100000"}));
}

TEST_F(RecordsFileTest, TheFieldSizeLine) {
  LineImage image = build(BuiltInRows());
  for (const auto& [text, side] : std::vector<std::pair<std::string, int>>{
           {"0", 15}, {"25", 15}, {"-3", 15}, {"1", 1}, {"9", 9}, {"20", 20}, {" 12", 12}}) {
    image.set(12, text);
    EXPECT_EQ(ReadFieldSize(image), side) << text;
  }
  image.set(12, "");
  EXPECT_EQ(integerFailure([&] { ReadFieldSize(image); }), "'' is not a valid integer value");
  image.set(12, "\xC4\xE0");
  EXPECT_EQ(integerFailure([&] { ReadFieldSize(image); }), "'Да' is not a valid integer value")
      << "the offending text is shown as the program's text";
}

TEST_F(RecordsFileTest, TheOptionFlags) {
  LineImage image;
  image.set(11, "0000000");
  EXPECT_EQ(ReadOptions(image), (OptionFlags{}));
  image.set(11, "1");
  EXPECT_EQ(ReadOptions(image), (OptionFlags{true, false, false, false, false, false, false}))
      << "a missing flag counts as unchecked";
  image.set(11, "1x11Y111");
  EXPECT_EQ(ReadOptions(image), (OptionFlags{true, false, true, true, false, true, true})) << "only '1' checks";
}

TEST_F(RecordsFileTest, TheFirstPlainScoreThatIsNoIntegerStopsTheReading) {
  LineImage image = build(BuiltInRows());
  image.set(17, "12x");
  image.set(20, "");
  EXPECT_EQ(integerFailure([&] { ReadRecords(image); }), "'12x' is not a valid integer value");
}

}  // namespace
}  // namespace vemo
