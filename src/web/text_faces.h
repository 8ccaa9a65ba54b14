#pragma once
// The TrueType faces of the text on the drawing surface, compiled into the
// program (made by tools/web_fonts.py from the system's Liberation Sans, cut
// down to the cp1251 repertoire, hints and kerning pairs kept), so the first
// frame needs no font from the network.

#include <cstdint>
#include <span>

namespace vemo::web {

std::span<const std::uint8_t> SansRegularTtf();
std::span<const std::uint8_t> SansBoldTtf();

}  // namespace vemo::web
