#pragma once
// The scrambled form of a score in the records file: a run of bytes
// K, b1, ..., bm, R with K*K - (b1 + ... + bm + R) = score. K is the key,
// the b are random steps of 50..149 and R the remainder. No byte of a run is
// 10, 13 or 26 (line ends and end-of-file to older readers) or 44 (the comma
// that ends the run).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vemo {

// A uniform random integer 0..n-1.
using RandomDraw = std::function<int(int n)>;

inline constexpr int kStepBase = 50;    // a step is kStepBase + draw(kDrawSpan)
inline constexpr int kKeyBase = 100;    // a key is at least kKeyBase
inline constexpr int kDrawSpan = 100;
// The steps stop once K*K minus the steps so far is at most this.
inline constexpr int kLastRemainder = 150;

// The largest score a one-byte key can carry: 255*255 must leave room for one
// step. Higher scores are stored as this one.
inline constexpr std::int32_t kHighestStoredScore = 255 * 255 - kLastRemainder - 1;
// Lower scores (only a hand-made file holds negative ones) are stored as this
// one, which keeps every record line within what a reader keeps of a line
// (checked in records_file.cpp).
inline constexpr std::int32_t kLowestStoredScore = -100'000;

// The score as the file stores it: held between the two bounds above.
std::int32_t StoredScore(std::int32_t score);

bool IsForbiddenRunByte(std::int64_t value);

// The keys a score may be stored with: from the smallest key whose square
// leaves room for one step, but never below 100, across 100 values, never
// past 255. Every score below 9850 gets exactly 100..199, as ever.
struct KeyRange {
  int first;
  int last;
};
KeyRange KeyRangeFor(std::int32_t storedScore);

// The key drawn for a score.
int DrawKey(std::int32_t storedScore, const RandomDraw& draw);

// The whole run of a stored score with a key from its range, the steps drawn
// from `draw`.
std::string BuildScoreRun(int key, std::int32_t storedScore, const RandomDraw& draw);

// The sum of the first (length mod 256) bytes of a run.
int RowChecksum(std::string_view run);

// K*K minus the bytes between the key and the first comma of a record line;
// nothing when the line has no key byte.
std::optional<std::int64_t> DecodeScore(std::string_view recordLine);

}  // namespace vemo
