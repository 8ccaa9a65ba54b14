#pragma once
// Paces an animation drawn inside one handler by time, not by CPU speed: the
// animation takes `durationUs` whatever the machine, and what has been drawn is
// shown at display rate while it runs. The one place where animations wait.

#include <cstdint>

#include "shell/desktop.h"

namespace vemo {

class Pacer {
 public:
  static constexpr std::int64_t kFrameUs = 16'667;  // 60 frames a second

  Pacer(Desktop& desktop, std::int64_t durationUs, int steps);
  // Call after drawing step `i` (0-based) of the animation.
  void stepDone(int i);

 private:
  Desktop& desktop_;
  std::int64_t startUs_;
  std::int64_t durationUs_;
  int steps_;
  std::int64_t nextFrameUs_;
};

}  // namespace vemo
