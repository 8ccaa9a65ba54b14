#include "records/score_run.h"

#include <algorithm>

namespace vemo {

namespace {
constexpr int kHighestKey = 255;
}

std::int32_t StoredScore(std::int32_t score) {
  return std::clamp(score, kLowestStoredScore, kHighestStoredScore);
}

bool IsForbiddenRunByte(std::int64_t value) { return value == 10 || value == 13 || value == 26 || value == 44; }

KeyRange KeyRangeFor(std::int32_t storedScore) {
  int first = kKeyBase;
  while (first < kHighestKey && first * first - storedScore <= kLastRemainder) ++first;
  return {first, std::min(first + kDrawSpan - 1, kHighestKey)};
}

int DrawKey(std::int32_t storedScore, const RandomDraw& draw) {
  const KeyRange keys = KeyRangeFor(storedScore);
  return keys.first + draw(keys.last - keys.first + 1);
}

std::string BuildScoreRun(int key, std::int32_t storedScore, const RandomDraw& draw) {
  std::string run(1, static_cast<char>(key));
  std::int64_t rest = std::int64_t{key} * key - storedScore;
  while (rest > kLastRemainder) {
    const int step = kStepBase + draw(kDrawSpan);
    // A forbidden remainder is avoided here, so the last byte is always allowed.
    if (IsForbiddenRunByte(rest - step)) continue;
    run += static_cast<char>(step);
    rest -= step;
  }
  run += static_cast<char>(rest);
  return run;
}

int RowChecksum(std::string_view run) {
  const std::size_t counted = run.size() % 256;
  int sum = 0;
  for (std::size_t i = 0; i < counted; ++i) sum += static_cast<unsigned char>(run[i]);
  return sum;
}

std::optional<std::int64_t> DecodeScore(std::string_view recordLine) {
  if (recordLine.empty()) return std::nullopt;
  const std::int64_t key = static_cast<unsigned char>(recordLine[0]);
  // The bytes after the key up to the first comma; a line without a comma
  // sums to 0.
  const std::size_t comma = recordLine.find(',');
  std::int64_t sum = 0;
  if (comma != std::string_view::npos)
    for (std::size_t i = 1; i < comma; ++i) sum += static_cast<unsigned char>(recordLine[i]);
  return key * key - sum;
}

}  // namespace vemo
