#!/usr/bin/python3
"""Writes the page's icons as PNG files from the RGBA bytes that the page's
build draws with the program's own code (src/web/icons/make_icons.cpp).

usage: web_icons.py RGBA_DIR OUTPUT_DIR SIZE..."""

import pathlib
import struct
import sys
import zlib


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(rgba, size):
    row = size * 4
    # Each row starts with its filter byte: none.
    raw = b"".join(b"\0" + rgba[y * row:(y + 1) * row] for y in range(size))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def main(rgba_dir, out_dir, *sizes):
    out = pathlib.Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    for size in sizes:
        rgba = pathlib.Path(rgba_dir, f"icon-{size}.rgba").read_bytes()
        if len(rgba) != int(size) * int(size) * 4:
            sys.exit(f"web_icons.py: icon-{size}.rgba is not {size} x {size} RGBA")
        (out / f"icon-{size}.png").write_bytes(png(rgba, int(size)))


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
