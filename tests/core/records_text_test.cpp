// The texts of the records file: cp1251 names, number lines, line splitting.

#include <gtest/gtest.h>

#include "records/cp1251.h"
#include "records/line_image.h"
#include "shell/event_entry.h"

namespace vemo {
namespace {

TEST(Cp1251, CyrillicAndTheOtherCharactersMapBothWays) {
  EXPECT_EQ(Utf8ToCp1251("Вася Ёжиков"), "\xC2\xE0\xF1\xFF \xA8\xE6\xE8\xEA\xEE\xE2");
  EXPECT_EQ(Utf8ToCp1251("ёЯя№€—«»"), "\xB8\xDF\xFF\xB9\x88\x97\xAB\xBB");
  EXPECT_EQ(Cp1251ToUtf8("\xC0\xDF\xE0\xFF\xA8\xB8\xB9\x88"), "АЯаяЁё№€");
  EXPECT_EQ(Cp1251ToUtf8("abc, 123"), "abc, 123");
}

TEST(Cp1251, EveryByteWithACharacterComesBackUnchanged) {
  for (int b = 0; b < 256; ++b) {
    if (b == 0x98) continue;
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(byte)), byte) << b;
  }
}

TEST(Cp1251, WhatThePageCannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(Cp1251ToUtf8("\x98"), "?") << "the one byte without a character";
  EXPECT_EQ(Utf8ToCp1251("日本 ok"), "?? ok");
  EXPECT_EQ(Utf8ToCp1251("\xF0\x9F\x99\x82"), "?") << "a character outside the basic plane";
  EXPECT_EQ(Utf8ToCp1251("a\xFF" "b\xD0"), "a?b?") << "broken UTF-8";
  EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??") << "an overlong form is no character";
}

TEST(Utf8, DecodesEachCharacterAndMarksEachBrokenByte) {
  EXPECT_EQ(DecodeUtf8("Ая €\xF0\x9F\x99\x82"), (std::u32string{0x410, 0x44F, 0x20, 0x20AC, 0x1F642}));
  EXPECT_EQ(DecodeUtf8("a\xFF" "b\xD0"), (std::u32string{U'a', 0xFFFD, U'b', 0xFFFD}));
  EXPECT_EQ(DecodeUtf8("\xC0\xAF"), (std::u32string{0xFFFD, 0xFFFD})) << "an overlong form";
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), (std::u32string{0xFFFD, 0xFFFD, 0xFFFD})) << "a surrogate";
}

TEST(LineImage, StartsAsZeroAndThirtyNineEmptyLines) {
  const LineImage image = LineImage::Fresh();
  ASSERT_EQ(image.size(), 40u);
  EXPECT_EQ(image.line(0), "0");
  for (std::size_t i = 1; i < 40; ++i) EXPECT_EQ(image.line(i), "") << i;
}

TEST(LineImage, AMissingLineReadsEmptyAndWritingExtends) {
  LineImage image;
  EXPECT_EQ(image.line(7), "");
  image.set(3, "x");
  ASSERT_EQ(image.size(), 4u);
  EXPECT_EQ(image.line(3), "x");
  EXPECT_EQ(image.line(2), "");
}

TEST(SplitLines, EveryKindOfLineEndEndsALine) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\r\nb\r\n").lines(), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\rb\r").lines(), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb").lines(), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\n\rb").lines(), (Lines{"a", "", "b"})) << "LF then CR are two breaks";
  EXPECT_EQ(SplitLines("a\r\n\r\n").lines(), (Lines{"a", ""})) << "only the final break adds no line";
  EXPECT_EQ(SplitLines("\r\n").lines(), (Lines{""}));
  EXPECT_EQ(SplitLines("").lines(), Lines{});
  EXPECT_EQ(SplitLines(std::string("a\0b\n", 4)).lines(), (Lines{std::string("a\0b", 3)}));
}

TEST(SplitLines, KeepsTheFirst4096BytesOfALongLine) {
  const std::string longLine = std::string(4096, 'x') + "tail";
  const LineImage image = SplitLines(longLine + "\r\nnext\r\n");
  ASSERT_EQ(image.size(), 2u);
  EXPECT_EQ(image.line(0), std::string(4096, 'x'));
  EXPECT_EQ(image.line(1), "next");
}

TEST(JoinLines, EndsEveryLineWithCrLfAndSplitsBackTheSame) {
  const LineImage image(std::vector<std::string>{"0", "", "a,b", ""});
  EXPECT_EQ(JoinLines(image), "0\r\n\r\na,b\r\n\r\n");
  EXPECT_EQ(SplitLines(JoinLines(image)), image);
}

}  // namespace
}  // namespace vemo
