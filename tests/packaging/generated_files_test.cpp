// The files the build makes for an installation: the default records file
// must read back as a new player's table and options, and each icon must be
// the program picture, scaled without smoothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <QImage>

#include "records/data_file.h"
#include "records/records_file.h"
#include "render/program_picture.h"
#include "shell/menu_model.h"

namespace vemo {
namespace {

const std::string kDir = VEMO_PACKAGING_DIR;

TEST(DefaultData, ReadsBackAsANewPlayersFile) {
  const LineImage image = SplitLines(ReadWholeFile(kDir + "/data"));
  const std::optional<RecordRows> rows = ReadRecords(image);
  ASSERT_TRUE(rows.has_value()) << "the tamper check refuses the file";
  // The built-in rows, their "0000" read back as the number it is.
  for (const RecordRow& row : *rows) EXPECT_EQ(row, (RecordRow{kBuiltInRow.name, "0"}));
  const MenuModel newMenu;
  const OptionFlags options = ReadOptions(image);
  for (std::size_t i = 0; i < options.size(); ++i)
    EXPECT_EQ(options[i], newMenu.checked(kOptionItems[i])) << kOptionItems[i];
  EXPECT_EQ(ReadFieldSize(image), kDefaultFieldSize);
  EXPECT_EQ(ImageChecksum(image), std::stoi(image.line(0)));
}

class Icon : public ::testing::TestWithParam<int> {};

TEST_P(Icon, IsTheProgramPictureInSharpPixels) {
  const int size = GetParam();
  const std::string path = kDir + "/icons/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/vemo.png";
  const QImage icon(QString::fromStdString(path));
  ASSERT_FALSE(icon.isNull()) << path;
  ASSERT_EQ(icon.size(), QSize(size, size));
  ASSERT_TRUE(icon.hasAlphaChannel());

  const Picture picture = MakeProgramPicture();
  const int side = picture.width;
  // At least the picture's size: a whole factor inside a centred transparent
  // border. Smaller: the picture's pixel under each icon pixel's centre.
  const int factor = std::max(1, size / side);
  const int border = size >= side ? (size - side * factor) / 2 : 0;
  auto source = [&](int i) { return size >= side ? (i - border) / factor : ((2 * i + 1) * side) / (2 * size); };
  auto inside = [&](int i) { return size < side || (i >= border && i < border + side * factor); };
  int wrong = 0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const QRgb got = icon.pixel(x, y);
      bool ok = qAlpha(got) == 0;
      if (inside(x) && inside(y)) {
        const Rgb want = picture.at(source(x), source(y));
        ok = got == qRgba(want.r, want.g, want.b, 255);
      }
      if (!ok && wrong++ == 0) ADD_FAILURE() << "first wrong pixel at " << x << ", " << y;
    }
  }
  EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Icon, ::testing::Values(16, 32, 48, 64, 128, 256));

}  // namespace
}  // namespace vemo
