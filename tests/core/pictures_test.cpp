// The built-in pictures: cell tiles, background, program picture, and the
// JPEG decoding of the fire pictures.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>  // before jpeglib.h, which needs FILE
#include <cstdlib>
#include <set>
#include <stdexcept>
#include <span>
#include <string_view>
#include <tuple>
#include <vector>

#include <jpeglib.h>

#include <embedded/vemo_assets.h>

#include "render/background.h"
#include "render/pictures.h"
#include "render/jpeg.h"
#include "render/program_picture.h"
#include "render/tiles.h"

namespace vemo {
namespace {

constexpr std::string_view kLetters = "rygbvc";

// Colours as int triples: readable in failure messages, usable as set keys.
std::tuple<int, int, int> Key(Rgb c) { return {c.r, c.g, c.b}; }

std::set<std::tuple<int, int, int>> Colours(const Picture& p) {
  std::set<std::tuple<int, int, int>> colours;
  for (Rgb c : p.pixels) colours.insert(Key(c));
  return colours;
}

// ---- Tiles

struct ExpectedTile {
  char letter;
  Rgb dark, face, light;
};

constexpr std::array<ExpectedTile, 6> kExpectedTiles{{
    {'r', {128, 0, 0}, {191, 0, 0}, {255, 0, 0}},
    {'y', {128, 128, 0}, {196, 196, 0}, {255, 255, 0}},
    {'g', {0, 128, 0}, {0, 183, 0}, {0, 255, 0}},
    {'b', {53, 53, 255}, {91, 91, 255}, {128, 128, 255}},
    {'v', {128, 0, 128}, {185, 0, 185}, {255, 0, 255}},
    {'c', {128, 128, 128}, {149, 149, 149}, {192, 192, 192}},
}};

// The bevel, written out the other way round: a frame of rims around a face.
char ExpectedKind(int x, int y) {
  if (y == 0) return x == 14 ? 'L' : (x % 2 == 0 ? 'D' : 'F');
  if (y == 14) return x == 0 ? 'D' : (x % 2 == 0 ? 'L' : 'F');
  if (x == 0) return y % 2 == 0 ? 'D' : 'F';
  if (x == 14) return y % 2 == 0 ? 'L' : 'F';
  if (y == 1) return 'L';
  if (y == 13) return 'D';
  if (x == 1) return 'L';
  if (x == 13) return 'D';
  return 'F';
}

TEST(Tiles, EveryPixelFollowsTheBevelPattern) {
  for (const ExpectedTile& want : kExpectedTiles) {
    const Picture& tile = TileFor(want.letter);
    ASSERT_EQ(tile.width, 15);
    ASSERT_EQ(tile.height, 15);
    for (int y = 0; y < 15; ++y) {
      for (int x = 0; x < 15; ++x) {
        if (want.letter == 'r' && ((x == 14 && y == 0) || (x == 0 && y == 14))) continue;
        const char kind = ExpectedKind(x, y);
        const Rgb expected = kind == 'D' ? want.dark : kind == 'L' ? want.light : want.face;
        EXPECT_EQ(Key(tile.at(x, y)), Key(expected)) << want.letter << " at (" << x << ", " << y << ")";
      }
    }
  }
}

TEST(Tiles, RedHasItsTwoCornersSwapped) {
  const Picture& red = TileFor('r');
  EXPECT_EQ(Key(red.at(14, 0)), Key(Rgb{128, 0, 0}));
  EXPECT_EQ(Key(red.at(0, 14)), Key(Rgb{255, 0, 0}));
  // The other tiles keep the plain corners.
  EXPECT_EQ(Key(TileFor('y').at(14, 0)), Key(Rgb{255, 255, 0}));
  EXPECT_EQ(Key(TileFor('y').at(0, 14)), Key(Rgb{128, 128, 0}));
}

TEST(Tiles, TestPixelShowsTheFaceColour) {
  for (const ExpectedTile& want : kExpectedTiles) {
    EXPECT_EQ(Key(TileFor(want.letter).at(5, 5)), Key(want.face)) << want.letter;
  }
}

TEST(Tiles, OnlyTheSixColourLettersAreColourLetters) {
  for (char letter : kLetters) EXPECT_TRUE(IsColourLetter(letter)) << letter;
  for (char other : {' ', 'a', 'w', 'R', 'x', '\0'}) EXPECT_FALSE(IsColourLetter(other)) << int{other};
}

// ---- Background

class BackgroundTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { background_ = new Picture(MakeBackground()); }
  static void TearDownTestSuite() { delete background_; }
  static const Picture& bg() { return *background_; }
  static double MeanBlue(int fromRow, int toRow) {
    double sum = 0;
    for (int y = fromRow; y < toRow; ++y)
      for (int x = 0; x < bg().width; ++x) sum += bg().at(x, y).b;
    return sum / ((toRow - fromRow) * bg().width);
  }

 private:
  static inline Picture* background_ = nullptr;
};

TEST_F(BackgroundTest, HasTheWindowSizeAndIsReproducible) {
  EXPECT_EQ(bg().width, 640);
  EXPECT_EQ(bg().height, 480);
  EXPECT_EQ(MakeBackground().pixels, bg().pixels);
}

TEST_F(BackgroundTest, TopEightyRowsArePlainBlue) {
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 640; ++x) ASSERT_EQ(Key(bg().at(x, y)), Key(Rgb{0, 94, 181})) << x << "," << y;
}

TEST_F(BackgroundTest, NoRedAndNoTileFaceColour) {
  for (Rgb c : bg().pixels) ASSERT_EQ(c.r, 0);
  const auto colours = Colours(bg());
  for (const ExpectedTile& want : kExpectedTiles) EXPECT_FALSE(colours.contains(Key(want.face))) << want.letter;
}

TEST_F(BackgroundTest, TwentySixShadesEachDitheredRowMixingNeighbours) {
  const auto colours = Colours(bg());
  ASSERT_EQ(colours.size(), 26u);
  // Rank the shades from light to dark; all are blue, darker means less blue.
  std::vector<int> blues;
  for (const auto& [r, g, b] : colours) blues.push_back(b);
  std::sort(blues.rbegin(), blues.rend());
  for (int y = 80; y < 480; ++y) {
    std::set<int> ranks;
    for (int x = 0; x < 640; ++x) {
      const auto it = std::find(blues.begin(), blues.end(), bg().at(x, y).b);
      ranks.insert(static_cast<int>(it - blues.begin()));
    }
    EXPECT_GE(ranks.size(), 2u) << "row " << y;
    EXPECT_LE(ranks.size(), 3u) << "row " << y;
    EXPECT_LE(*ranks.rbegin() - *ranks.begin(), 2) << "row " << y;
  }
}

TEST_F(BackgroundTest, DarkensDownwardsToDeepBlue) {
  double previous = MeanBlue(0, 80);
  for (int band = 80; band < 480; band += 40) {
    const double mean = MeanBlue(band, band + 40);
    EXPECT_LT(mean, previous) << "band from row " << band;
    previous = mean;
  }
  double g = 0, b = 0;
  for (int x = 0; x < 640; ++x) {
    g += bg().at(x, 479).g;
    b += bg().at(x, 479).b;
  }
  EXPECT_NEAR(g / 640, 27, 3);
  EXPECT_NEAR(b / 640, 53, 5);
}

// ---- Program picture

TEST(ProgramPicture, IsSixteenWholeTilesUsingAllSixColours) {
  const Picture picture = MakeProgramPicture();
  ASSERT_EQ(picture.width, 60);
  ASSERT_EQ(picture.height, 60);
  std::set<char> used;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      char found = 0;
      for (char letter : kLetters) {
        bool same = true;
        for (int y = 0; y < 15 && same; ++y)
          for (int x = 0; x < 15 && same; ++x)
            same = picture.at(column * 15 + x, row * 15 + y) == TileFor(letter).at(x, y);
        if (same) found = letter;
      }
      EXPECT_NE(found, 0) << "block " << column << "," << row << " is not a whole tile";
      used.insert(found);
    }
  }
  EXPECT_EQ(used.size(), 6u);
}

// ---- JPEG decoding

// Encodes a picture of one colour, grey when components is 1.
std::vector<unsigned char> EncodeFlat(int width, int height, int components, Rgb colour) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row;
  for (int x = 0; x < width; ++x) {
    if (components == 1) {
      row.push_back(colour.g);
    } else {
      row.insert(row.end(), {colour.r, colour.g, colour.b});
    }
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<unsigned char> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

void ExpectFlat(const Picture& p, Rgb colour) {
  for (Rgb c : p.pixels) {
    ASSERT_NEAR(c.r, colour.r, 3);
    ASSERT_NEAR(c.g, colour.g, 3);
    ASSERT_NEAR(c.b, colour.b, 3);
  }
}

TEST(DecodeJpeg, DecodesColourAndGreyIntoRgb) {
  const Picture colour = DecodeJpeg(EncodeFlat(21, 13, 3, {200, 40, 90}));
  EXPECT_EQ(colour.width, 21);
  EXPECT_EQ(colour.height, 13);
  ExpectFlat(colour, {200, 40, 90});

  const Picture grey = DecodeJpeg(EncodeFlat(8, 5, 1, {0, 128, 0}));
  EXPECT_EQ(grey.width, 8);
  EXPECT_EQ(grey.height, 5);
  ExpectFlat(grey, {128, 128, 128});
}

TEST(DecodeJpeg, DamagedDataThrowsPictureError) {
  const std::vector<unsigned char> good = EncodeFlat(32, 32, 3, {10, 20, 30});
  // Cut short: libjpeg by itself would pad the missing rows and carry on.
  const std::vector<unsigned char> truncated(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
  EXPECT_THROW(DecodeJpeg(truncated), PictureError);
  const std::span<const unsigned char> fire = assets::I3_jpg;
  EXPECT_THROW(DecodeJpeg(fire.first(fire.size() * 2 / 3)), PictureError);

  std::vector<unsigned char> garbage(500);
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<unsigned char>(i * 37 + 11);
  EXPECT_THROW(DecodeJpeg(garbage), PictureError);
  // A valid start followed by nonsense.
  std::vector<unsigned char> header(good.begin(), good.begin() + 20);
  header.insert(header.end(), garbage.begin(), garbage.end());
  EXPECT_THROW(DecodeJpeg(header), PictureError);
  EXPECT_THROW(DecodeJpeg({}), PictureError);
}

TEST(DecodeJpeg, ErrorSaysWhatWentWrong) {
  const std::vector<unsigned char> garbage(64, 0x42);
  try {
    DecodeJpeg(garbage);
    FAIL() << "no error";
  } catch (const PictureError& error) {
    EXPECT_NE(std::string_view(error.what()).find("JPEG"), std::string_view::npos) << error.what();
    EXPECT_GT(std::string_view(error.what()).size(), 25u) << error.what();
  }
}

// ---- Fire pictures

int WarmPixels(const Picture& p) {
  int count = 0;
  for (Rgb c : p.pixels) count += c.r > c.b + 60;
  return count;
}

TEST(FirePictures, AllSixDecodeAtTheirSizeAndStayPut) {
  const Pictures pictures = Pictures::Load();
  for (int level = 5; level >= 0; --level) {
    const Picture& p = pictures.I(level);
    EXPECT_EQ(p.width, 150);
    EXPECT_EQ(p.height, 100);
    // Asked again, after the others were decoded: the same picture, not a copy.
    EXPECT_EQ(&pictures.I(level), &p);
  }
  EXPECT_THROW(pictures.I(6), std::out_of_range);
}

TEST(FirePictures, GroundIsDarkBlue) {
  const Pictures pictures = Pictures::Load();
  for (int level = 0; level < 6; ++level) {
    const Picture& p = pictures.I(level);
    for (Rgb corner : {p.at(2, 2), p.at(147, 2), p.at(2, 97), p.at(147, 97)}) {
      EXPECT_GT(corner.b, corner.r + 10);
      EXPECT_LT(corner.b, 110);
    }
  }
}

TEST(FirePictures, FireGrowsFromNoneToLarge) {
  const Pictures pictures = Pictures::Load();
  const int pixels = 150 * 100;
  EXPECT_LT(WarmPixels(pictures.I(0)), pixels / 200) << "the empty bowl shows fire colours";
  EXPECT_GT(WarmPixels(pictures.I(1)), pixels / 100) << "the smallest fire is hardly visible";
  for (int level = 1; level < 6; ++level) {
    EXPECT_GT(WarmPixels(pictures.I(level)), WarmPixels(pictures.I(level - 1)) * 5 / 4) << "level " << level;
  }
  EXPECT_GT(WarmPixels(pictures.I(5)), pixels / 8);
}

}  // namespace
}  // namespace vemo
