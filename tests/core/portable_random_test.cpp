// The draw that every standard library makes alike: worked by hand from the
// generator's first output at its default seed, 3499211612.

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "shell/portable_random.h"

namespace vemo {
namespace {

int FirstDraw(int n) {
  std::mt19937 generator;
  return DrawBelow(generator, n);
}

TEST(PortableRandomTest, TheFirstDrawIsTheOutputModuloN) {
  EXPECT_EQ(FirstDraw(7), 1);   // 3499211612 = 7 * 499887373 + 1
  EXPECT_EQ(FirstDraw(6), 2);   // = 6 * 583201935 + 2
  EXPECT_EQ(FirstDraw(4), 0);   // = 4 * 874802903
  EXPECT_EQ(FirstDraw(1), 0);
}

TEST(PortableRandomTest, EveryValueBelowNComesUp) {
  std::mt19937 generator(17);
  std::array<int, 7> seen{};
  for (int i = 0; i < 7000; ++i) {
    const int x = DrawBelow(generator, 7);
    ASSERT_GE(x, 0);
    ASSERT_LT(x, 7);
    ++seen[static_cast<std::size_t>(x)];
  }
  // Each about a thousand times; a value never or always drawn would show.
  for (const int count : seen) EXPECT_GT(count, 800);
}

}  // namespace
}  // namespace vemo
