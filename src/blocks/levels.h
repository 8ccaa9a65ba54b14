#pragma once
// The speed levels: the fall (and snake move) interval of each level, the
// fast drop's interval, and the scores at which the level rises.

#include <array>
#include <span>

namespace vemo {

inline constexpr int kTopLevel = 5;
// Interval in ms by level 0..5; level 0 stops the fall timer from firing.
inline constexpr std::array<int, kTopLevel + 1> kLevelInterval{0, 500, 400, 300, 185, 100};

inline constexpr bool ValidLevel(int level) { return level >= 0 && level <= kTopLevel; }

// The fall interval while Down is held; a fall timer at this interval is how
// the game knows a fast drop is on.
inline constexpr int kFastDropInterval = 25;

// With the speed increase on, the level rises to `level` once the score is
// above `score`.
struct LevelThreshold {
  int score, level;
};
inline constexpr std::array<LevelThreshold, 4> kBlockThresholds{{{75, 2}, {150, 3}, {300, 4}, {600, 5}}};
inline constexpr std::array<LevelThreshold, 4> kSnakeThresholds{{{10, 2}, {30, 3}, {60, 4}, {110, 5}}};

// The level after the score has risen: the highest level of a passed
// threshold, never below the level the game is at.
inline constexpr int RaisedLevel(std::span<const LevelThreshold> thresholds, int score, int level) {
  for (const LevelThreshold& t : thresholds)
    if (score > t.score && level < t.level) level = t.level;
  return level;
}

}  // namespace vemo
