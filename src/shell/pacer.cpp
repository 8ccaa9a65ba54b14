#include "shell/pacer.h"

namespace vemo {

Pacer::Pacer(Desktop& desktop, std::int64_t durationUs, int steps)
    : desktop_(desktop),
      startUs_(desktop.nowUs()),
      durationUs_(durationUs),
      steps_(steps),
      nextFrameUs_(startUs_ + kFrameUs) {}

void Pacer::stepDone(int i) {
  const std::int64_t target = startUs_ + durationUs_ * (i + 1) / steps_;
  const bool last = i + 1 >= steps_;
  if (desktop_.nowUs() >= nextFrameUs_ || last) {
    desktop_.presentNow();
    nextFrameUs_ = desktop_.nowUs() + kFrameUs;
  }
  if (desktop_.nowUs() < target) desktop_.sleepUntilUs(target);
}

}  // namespace vemo
