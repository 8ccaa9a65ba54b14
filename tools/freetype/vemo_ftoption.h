/* FreeType's own options, less what TrueType text from memory never uses:
   variable and colour fonts, embedded bitmaps, glyph names, Mac resource
   forks, LCD rendering. The bytecode hinter and the rasterisers stay as they
   are, so glyphs come out as on the desktop. */
#include <freetype/config/ftoption.h>
#undef TT_CONFIG_OPTION_GX_VAR_SUPPORT
#undef TT_CONFIG_OPTION_EMBEDDED_BITMAPS
#undef TT_CONFIG_OPTION_COLOR_LAYERS
#undef TT_CONFIG_OPTION_POSTSCRIPT_NAMES
#undef TT_CONFIG_OPTION_BDF
#undef FT_CONFIG_OPTION_SVG
#undef FT_CONFIG_OPTION_POSTSCRIPT_NAMES
#undef FT_CONFIG_OPTION_ADOBE_GLYPH_LIST
#undef FT_CONFIG_OPTION_MAC_FONTS
#undef FT_CONFIG_OPTION_GUESSING_EMBEDDED_RFORK
#undef FT_CONFIG_OPTION_SUBPIXEL_RENDERING
#undef FT_CONFIG_OPTION_INCREMENTAL
/* No compressed fonts and no other libraries. */
#undef FT_CONFIG_OPTION_USE_ZLIB
#undef FT_CONFIG_OPTION_USE_BZIP2
#undef FT_CONFIG_OPTION_USE_PNG
#undef FT_CONFIG_OPTION_USE_HARFBUZZ
#undef FT_CONFIG_OPTION_USE_BROTLI
