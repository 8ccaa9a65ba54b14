#include "records/cp1251.h"

#include <array>
#include <cstdint>

namespace vemo {

namespace {

// Characters of the bytes 0x80..0xBF; 0 marks the byte without a character.
// 0xC0..0xFF are the Cyrillic letters U+0410..U+044F in order.
constexpr std::array<char16_t, 64> kHigh{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

constexpr char32_t kCyrillicA = 0x0410;

char32_t CharOf(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return kCyrillicA + (byte - 0xC0);
  return kHigh[byte - 0x80];
}

// The byte of a character, or -1 when the code page has none.
int ByteOf(char32_t ch) {
  if (ch < 0x80) return static_cast<int>(ch);
  if (ch >= kCyrillicA && ch < kCyrillicA + 64) return static_cast<int>(0xC0 + (ch - kCyrillicA));
  for (int i = 0; i < 64; ++i)
    if (kHigh[i] != 0 && kHigh[i] == ch) return 0x80 + i;
  return -1;
}

void AppendUtf8(std::string& out, char32_t ch) {
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

// Decodes one UTF-8 sequence at `pos` and moves past it. A malformed,
// overlong or surrogate sequence yields kBad and skips its first byte only,
// so one bad byte costs one "?".
constexpr char32_t kBad = 0xFFFFFFFF;
char32_t NextChar(std::string_view s, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(s[pos++]);
  if (lead < 0x80) return lead;
  int more = 0;
  char32_t ch = 0;
  char32_t least = 0;
  if ((lead & 0xE0) == 0xC0) {
    more = 1, ch = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    more = 2, ch = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    more = 3, ch = lead & 0x07, least = 0x10000;
  } else {
    return kBad;
  }
  std::size_t p = pos;
  for (int i = 0; i < more; ++i, ++p) {
    if (p >= s.size() || (static_cast<unsigned char>(s[p]) & 0xC0) != 0x80) return kBad;
    ch = (ch << 6) | (static_cast<unsigned char>(s[p]) & 0x3F);
  }
  if (ch < least || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return kBad;
  pos = p;
  return ch;
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char b : bytes) {
    const char32_t ch = CharOf(static_cast<unsigned char>(b));
    AppendUtf8(out, ch == 0 && b != 0 ? U'?' : ch);
  }
  return out;
}

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t ch = NextChar(utf8, pos);
    out += ch == kBad ? kReplacementCharacter : ch;
  }
  return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (const char32_t ch : DecodeUtf8(utf8)) {
    // The replacement character has no byte either.
    const int byte = ByteOf(ch);
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

}  // namespace vemo
