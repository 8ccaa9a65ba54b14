#!/usr/bin/python3
"""Subsets the page's fonts to the cp1251 repertoire (what a name in the
records file can hold) and writes them as WOFF beside their licences.

usage: web_fonts.py OUTPUT_DIR"""

import pathlib
import shutil
import sys

from fontTools import subset

FONTS = [
    ("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", "/usr/share/doc/fonts-liberation2/copyright"),
    ("/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf", "/usr/share/doc/fonts-liberation2/copyright"),
    ("/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf", "/usr/share/doc/fonts-urw-base35/copyright"),
    # The desktop's font of its message boxes.
    ("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "/usr/share/doc/fonts-dejavu-core/copyright"),
]


def main():
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    text = bytes(range(0x20, 0x100)).decode("cp1251", errors="ignore")
    for font, licence in FONTS:
        name = pathlib.Path(font).stem
        options = subset.Options()
        options.flavor = "woff"
        options.layout_features = ["kern", "liga"]
        options.name_IDs = ["*"]
        options.notdef_outline = True
        loaded = subset.load_font(font, options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(text=text)
        subsetter.subset(loaded)
        subset.save_font(loaded, str(out / f"{name}.woff"), options)
        package = pathlib.Path(licence).parent.name
        shutil.copyfile(licence, out / f"{package}.copyright")


if __name__ == "__main__":
    main()
