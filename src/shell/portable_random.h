#pragma once
// A draw from 0 to n - 1 that is the same on every standard library.
// std::uniform_int_distribution's algorithm is each library's own, and the
// desktop and web builds must deal the same pieces from the same seed.

#include <cstdint>
#include <random>

namespace vemo {

inline int DrawBelow(std::mt19937& generator, int n) {
  const std::uint64_t range = static_cast<std::uint64_t>(n);
  // The largest multiple of n the generator reaches: above it, draw again.
  const std::uint64_t limit = (std::uint64_t{1} << 32) / range * range;
  std::uint64_t x = generator();
  while (x >= limit) x = generator();
  return static_cast<int>(x % range);
}

}  // namespace vemo
