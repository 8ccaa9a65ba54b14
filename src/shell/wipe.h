#pragma once
// The interlaced wipe of the start, the end and a cleared row: two sweeps at
// once, one pixel column per step, odd lines from the left and even lines
// from the right, paced to take a fixed time.

#include <cstdint>

#include "shell/desktop.h"
#include "shell/pacer.h"

namespace vemo {

// The wipes over the whole window, in at the start and out at the end.
inline constexpr std::int64_t kScreenWipeUs = 1'000'000;

struct WipeSweep {
  int left, right;  // first column of each sweep; the right one runs leftwards
  int top;          // the odd lines start one above it
  int steps;        // columns per sweep
  int linePairs;    // lines per sweep
};

// Calls plot(x, y) for every pixel of both sweeps, column by column; some of
// them may lie off the surface.
template <typename Plot>
void InterlacedWipe(Desktop& desktop, std::int64_t durationUs, const WipeSweep& sweep, Plot&& plot) {
  Pacer pacer(desktop, durationUs, sweep.steps);
  for (int step = 0; step < sweep.steps; ++step) {
    for (int k = 0; k < sweep.linePairs; ++k) {
      plot(sweep.left + step, sweep.top + 2 * k - 1);
      plot(sweep.right - step, sweep.top + 2 * k);
    }
    pacer.stepDone(step);
  }
}

}  // namespace vemo
