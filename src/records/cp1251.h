#pragma once
// Names travel between the core's text (UTF-8) and the records file's text
// (the Windows Cyrillic code page, one byte a character). The UTF-8 decoding
// serves whatever else needs the characters of the core's text.

#include <string>
#include <string_view>

namespace vemo {

// Every byte becomes its character; the one byte without a character (0x98)
// becomes "?".
std::string Cp1251ToUtf8(std::string_view bytes);

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// The characters of UTF-8 text; a broken, overlong or surrogate sequence
// becomes one replacement character for its first byte.
std::u32string DecodeUtf8(std::string_view utf8);

// A character the code page cannot hold, or a broken UTF-8 sequence, becomes "?".
std::string Utf8ToCp1251(std::string_view utf8);

}  // namespace vemo
