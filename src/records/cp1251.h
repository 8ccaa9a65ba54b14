#pragma once
// Names travel between the core's text (UTF-8) and the records file's text
// (the Windows Cyrillic code page, one byte a character).

#include <string>
#include <string_view>

namespace vemo {

// Every byte becomes its character; the one byte without a character (0x98)
// becomes "?".
std::string Cp1251ToUtf8(std::string_view bytes);

// A character the code page cannot hold, or a broken UTF-8 sequence, becomes "?".
std::string Utf8ToCp1251(std::string_view utf8);

}  // namespace vemo
