// The scrambled score runs: the stored form, its keys and its bounds.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "records/score_run.h"

namespace vemo {
namespace {

// Hands out the given draws in order and notes the range each was asked for.
class ScriptedDraw {
 public:
  explicit ScriptedDraw(std::vector<int> draws) : values(std::move(draws)) {}
  std::vector<int> values;
  std::vector<int> ranges;
  std::size_t next = 0;
  RandomDraw draw() {
    return [this](int n) {
      ranges.push_back(n);
      return values.at(next++);
    };
  }
};

RandomDraw Seeded(std::mt19937& generator) {
  return [&generator](int n) { return std::uniform_int_distribution<int>(0, n - 1)(generator); };
}

std::vector<int> Bytes(const std::string& run) {
  std::vector<int> bytes;
  for (const char c : run) bytes.push_back(static_cast<unsigned char>(c));
  return bytes;
}

TEST(ScoreRun, TheWorkedExample) {
  ScriptedDraw steps({50, 10});
  const std::string run = BuildScoreRun(100, 9700, steps.draw());
  EXPECT_EQ(Bytes(run), (std::vector<int>{100, 100, 60, 140}));
  EXPECT_EQ(steps.ranges, (std::vector<int>{100, 100}));
  EXPECT_EQ(RowChecksum(run), 400);
  EXPECT_EQ(DecodeScore(run + ",abc,400"), 9700);
}

TEST(ScoreRun, AStepThatWouldLeaveAForbiddenRemainderIsDrawnAgain) {
  // 100*100 - 9830 = 170: a step of 126 would leave 44 and one of 144 would
  // leave 26; the third draw, a step of 60, is taken.
  ScriptedDraw steps({76, 94, 10});
  EXPECT_EQ(Bytes(BuildScoreRun(100, 9830, steps.draw())), (std::vector<int>{100, 60, 110}));
}

TEST(ScoreRun, EveryStoredScoreDecodesAndAvoidsTheForbiddenBytes) {
  std::mt19937 generator(7);
  const RandomDraw draw = Seeded(generator);
  std::vector<std::int32_t> scores{kLowestStoredScore, -1, 0, 1, 9700, 9849, 9850, 9851, 20000, 40000,
                                   kHighestStoredScore};
  for (int i = 0; i < 2000; ++i)
    scores.push_back(std::uniform_int_distribution<std::int32_t>(kLowestStoredScore, kHighestStoredScore)(generator));
  for (const std::int32_t score : scores) {
    const int key = DrawKey(score, draw);
    const std::string run = BuildScoreRun(key, score, draw);
    const std::vector<int> bytes = Bytes(run);
    ASSERT_GE(bytes.size(), 3u) << score << ": at least one step";
    EXPECT_EQ(bytes.front(), key);
    for (std::size_t i = 1; i + 1 < bytes.size(); ++i) ASSERT_TRUE(bytes[i] >= 50 && bytes[i] <= 149) << score;
    EXPECT_TRUE(bytes.back() >= 1 && bytes.back() <= 150) << score;
    for (const int b : bytes) ASSERT_FALSE(IsForbiddenRunByte(b)) << score << " holds " << b;
    ASSERT_EQ(DecodeScore(run + ",name,1"), score);
  }
}

TEST(ScoreRun, ScoresBelow9850KeepTheKeysOfOlderCopies) {
  for (const std::int32_t score : {kLowestStoredScore, 0, 9849}) {
    EXPECT_EQ(KeyRangeFor(score).first, 100) << score;
    EXPECT_EQ(KeyRangeFor(score).last, 199) << score;
  }
  ScriptedDraw keys({0, 99});
  EXPECT_EQ(DrawKey(5000, keys.draw()), 100);
  EXPECT_EQ(DrawKey(5000, keys.draw()), 199);
  EXPECT_EQ(keys.ranges, (std::vector<int>{100, 100})) << "one draw of 0..99 a key";
}

TEST(ScoreRun, HighScoresTakeKeysWhoseSquareLeavesRoomForAStep) {
  EXPECT_EQ(KeyRangeFor(9850).first, 101) << "100*100 - 9850 is only 150";
  EXPECT_EQ(KeyRangeFor(9850).last, 200);
  EXPECT_EQ(KeyRangeFor(60000).first, 246);
  EXPECT_EQ(KeyRangeFor(60000).last, 255);
  EXPECT_EQ(KeyRangeFor(kHighestStoredScore).first, 255);
  EXPECT_EQ(KeyRangeFor(kHighestStoredScore).last, 255);
  for (std::int32_t score = 9850; score <= kHighestStoredScore; score += 37) {
    const KeyRange keys = KeyRangeFor(score);
    ASSERT_GT(keys.first * keys.first - score, 150) << score;
    ASSERT_LE((keys.first - 1) * (keys.first - 1) - score, 150) << score << ": the smallest such key";
  }
}

TEST(ScoreRun, TheStoredScoreStopsAtWhatAOneByteKeyCarries) {
  EXPECT_EQ(kHighestStoredScore, 64874);
  EXPECT_EQ(StoredScore(64874), 64874);
  EXPECT_EQ(StoredScore(64875), 64874);
  EXPECT_EQ(StoredScore(2'000'000'000), 64874);
  EXPECT_EQ(StoredScore(-100'000), -100'000);
  EXPECT_EQ(StoredScore(-100'001), -100'000);
}

TEST(RowChecksum, CountsOnlyTheFirstLengthMod256Bytes) {
  EXPECT_EQ(RowChecksum(std::string(255, '\x02')), 510);
  EXPECT_EQ(RowChecksum(std::string(256, '\x02')), 0);
  EXPECT_EQ(RowChecksum(std::string(259, '\x02')), 6);
  EXPECT_EQ(RowChecksum(std::string(3, '\xFF')), 765) << "bytes count as 0..255";
}

TEST(DecodeScore, ReadsTheKeyAndTheBytesUpToTheFirstComma) {
  EXPECT_EQ(DecodeScore(""), std::nullopt) << "no key byte";
  EXPECT_EQ(DecodeScore("d"), 10000) << "'d' is 100; no comma sums to 0";
  EXPECT_EQ(DecodeScore("d2"), 10000) << "still no comma";
  EXPECT_EQ(DecodeScore("d,2,"), 10000) << "a comma right after the key";
  EXPECT_EQ(DecodeScore("d2,2,"), 10000 - '2');
  EXPECT_EQ(DecodeScore("\xC8\xFF\xFF,"), 200 * 200 - 510);
}

}  // namespace
}  // namespace vemo
