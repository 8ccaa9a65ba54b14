// Stamps: their files and how they land on the surface.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "render/stamp.h"
#include "render/surface_stamps.h"

namespace vemo::testing {
namespace {

constexpr Rgb kGround{10, 20, 30};
constexpr Rgb kBlack{0, 0, 0};

std::span<const unsigned char> Bytes(const std::string& s) {
  return {reinterpret_cast<const unsigned char*>(s.data()), s.size()};
}

// A 10 x 2 mask: the first row 1000000001, the second 0100000000.
Stamp Small(int x, int y, Rect whiteBox = {}) {
  Stamp stamp;
  stamp.x = x;
  stamp.y = y;
  stamp.width = 10;
  stamp.height = 2;
  stamp.whiteBox = whiteBox;
  stamp.bits = {0x80, 0x40, 0x40, 0x00};
  return stamp;
}

TEST(Stamp, FileIsAPortableBitmapWithItsPlaceInTheComment) {
  const std::string file = WriteStamp(Small(5, 7, {1, 2, 30, 40}));
  EXPECT_EQ(file, std::string("P4\n# stamp 5 7 1 2 30 40\n10 2\n\x80\x40\x40\x00", 34));
  const Stamp back = ReadStamp(Bytes(file));
  EXPECT_EQ(back.maskBox(), (Rect{5, 7, 15, 9}));
  EXPECT_EQ(back.whiteBox, (Rect{1, 2, 30, 40}));
  EXPECT_EQ(back.bits, Small(5, 7).bits);
  EXPECT_TRUE(back.black(0, 0));
  EXPECT_TRUE(back.black(9, 0));
  EXPECT_TRUE(back.black(1, 1));
  EXPECT_FALSE(back.black(1, 0));
}

TEST(Stamp, DamagedFilesAreRefused) {
  const std::string good = WriteStamp(Small(5, 7));
  EXPECT_NO_THROW(ReadStamp(Bytes(good)));
  EXPECT_THROW(ReadStamp(Bytes("P5" + good.substr(2))), std::invalid_argument);
  EXPECT_THROW(ReadStamp(Bytes(good.substr(0, good.size() - 1))), std::invalid_argument) << "bits missing";
  EXPECT_THROW(ReadStamp(Bytes(good + '\0')), std::invalid_argument) << "bits to spare";
  EXPECT_THROW(ReadStamp(Bytes("P4\n# stamp 5 7 0 0 0\n10 2\n")), std::invalid_argument);
  EXPECT_THROW(ReadStamp(Bytes("P4\n# stamp 5 7 0 0 0 0\n-8 2\n")), std::invalid_argument);
  EXPECT_THROW(ReadStamp(Bytes("")), std::invalid_argument);
}

TEST(Stamp, BlackBitsOverTheWhiteBoxAndOnlyThere) {
  Surface surface(40, 20, kGround);
  surface.takeChanged();
  DrawStamp(surface, Small(3, 4, {2, 4, 20, 8}));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool ink = (y == 4 && (x == 3 || x == 12)) || (y == 5 && x == 4);
      const bool box = x >= 2 && x < 20 && y >= 4 && y < 8;
      ASSERT_EQ(surface.pixel(x, y), ink ? kBlack : box ? Surface::kWhite : kGround) << x << "," << y;
    }
  EXPECT_EQ(surface.changed(), (Rect{2, 4, 20, 8}));
}

TEST(Stamp, WithoutAWhiteBoxTheGroundStaysAndTheMaskIsTheChange) {
  Surface surface(40, 20, kGround);
  surface.takeChanged();
  DrawStamp(surface, Small(30, 10));
  EXPECT_EQ(surface.pixel(31, 10), kGround);
  EXPECT_EQ(surface.pixel(30, 10), kBlack);
  EXPECT_EQ(surface.changed(), (Rect{30, 10, 40, 12}));
}

TEST(Stamp, CutAtTheSurfaceEdges) {
  Surface surface(8, 20, kGround);
  surface.takeChanged();
  DrawStamp(surface, Small(-1, 18, {-5, 19, 50, 30}));
  EXPECT_EQ(surface.pixel(0, 19), kBlack) << "the second row's second pixel";
  EXPECT_EQ(surface.pixel(1, 19), Surface::kWhite);
  EXPECT_EQ(surface.pixel(0, 18), kGround) << "the first row's second pixel, above the box";
  EXPECT_EQ(surface.changed(), (Rect{0, 18, 8, 20}));
}

TEST(Stamp, TheProgramsStampsAreWhole) {
  for (const StampId id : {StampId::Title, StampId::Hint, StampId::Saving}) {
    const Stamp stamp = SurfaceStamp(id);
    EXPECT_GT(stamp.width, 0);
    EXPECT_GT(stamp.height, 0);
    EXPECT_EQ(stamp.bits.size(), static_cast<std::size_t>(stamp.bytesPerRow() * stamp.height));
  }
  EXPECT_TRUE(SurfaceStamp(StampId::Title).whiteBox.empty());
  EXPECT_TRUE(SurfaceStamp(StampId::Hint).whiteBox.empty());
  EXPECT_FALSE(SurfaceStamp(StampId::Saving).whiteBox.empty()) << "«Запись...» sits on a white box";
}

}  // namespace
}  // namespace vemo::testing
