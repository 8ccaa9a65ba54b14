#!/usr/bin/python3
"""Subsets the page's fonts to the cp1251 repertoire (what a name in the
records file can hold): WOFF2 files for the page's own text beside their
licences, and the TrueType faces of the drawing surface's text, hints and
kerning pairs kept, as a C++ source compiled into the program.

usage: web_fonts.py OUTPUT_DIR FACES_CPP"""

import io
import pathlib
import shutil
import sys

from fontTools import subset

LIBERATION = "/usr/share/fonts/truetype/liberation2/LiberationSans-{}.ttf"
FONTS = [
    (LIBERATION.format("Regular"), "/usr/share/doc/fonts-liberation2/copyright"),
    (LIBERATION.format("Bold"), "/usr/share/doc/fonts-liberation2/copyright"),
    ("/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf", "/usr/share/doc/fonts-urw-base35/copyright"),
    # The desktop's font of its message boxes.
    ("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "/usr/share/doc/fonts-dejavu-core/copyright"),
]
# The surface's faces, by the names src/web/text_faces.h gives them.
SURFACE_FACES = [("SansRegular", LIBERATION.format("Regular")), ("SansBold", LIBERATION.format("Bold"))]
TEXT = bytes(range(0x20, 0x100)).decode("cp1251", errors="ignore")


def subset_font(path, options):
    loaded = subset.load_font(path, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=TEXT)
    subsetter.subset(loaded)
    return loaded


def write_woff(font, licence, out):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern", "liga"]
    options.name_IDs = ["*"]
    options.notdef_outline = True
    name = pathlib.Path(font).stem
    subset.save_font(subset_font(font, options), str(out / f"{name}.woff2"), options)
    package = pathlib.Path(licence).parent.name
    shutil.copyfile(licence, out / f"{package}.copyright")


def surface_face_bytes(font):
    # FreeType reads the hinting programs and the kerning pairs of the legacy
    # 'kern' table; the OpenType layout tables would only add weight.
    options = subset.Options()
    options.layout_features = []
    options.legacy_kern = True
    options.notdef_outline = True
    options.drop_tables += ["GSUB", "GPOS", "GDEF", "FFTM"]
    data = io.BytesIO()
    subset.save_font(subset_font(font, options), data, options)
    return data.getvalue()


def write_faces(cpp):
    lines = ["// Made by tools/web_fonts.py from the system's Liberation Sans.",
             '#include "web/text_faces.h"', "", "namespace vemo::web {", ""]
    for name, font in SURFACE_FACES:
        data = surface_face_bytes(font)
        rows = [", ".join(str(b) for b in data[i:i + 32]) for i in range(0, len(data), 32)]
        lines.append(f"static const std::uint8_t k{name}[] = {{")
        lines += [f"  {row}," for row in rows]
        lines += ["};", f"std::span<const std::uint8_t> {name}Ttf() {{ return k{name}; }}", ""]
    lines.append("}  // namespace vemo::web")
    pathlib.Path(cpp).write_text("\n".join(lines) + "\n")


def main():
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for font, licence in FONTS:
        write_woff(font, licence, out)
    write_faces(sys.argv[2])


if __name__ == "__main__":
    main()
