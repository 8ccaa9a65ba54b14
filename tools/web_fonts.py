#!/usr/bin/python3
"""Subsets the page's fonts to the cp1251 repertoire (what a name in the
records file can hold): WOFF2 files for the page's own text beside their
licences.

usage: web_fonts.py OUTPUT_DIR"""

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


def main():
    out = pathlib.Path(sys.argv[1])
    # Whatever an older build left here would be kept for offline play too.
    shutil.rmtree(out, ignore_errors=True)
    out.mkdir(parents=True)
    for font, licence in FONTS:
        write_woff(font, licence, out)


if __name__ == "__main__":
    main()
