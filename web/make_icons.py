#!/usr/bin/python3
"""Writes the icon as PNG files of the sizes an installed web app asks for,
from its SVG, whose pixels are rectangles of one colour on a grid.

usage: make_icons.py ICON.svg SIZE:OUT.png...     e.g. 192:morveta-192.png

Each SIZE is a whole multiple of the grid, so that every pixel of the icon
becomes a square of one colour, as sharp as the original.
"""
import struct
import sys
import xml.etree.ElementTree as ET
import zlib


def pixels(svg_path):
    """The icon's grid: its size and a dict of (x, y) -> (r, g, b)."""
    root = ET.parse(svg_path).getroot()
    size = int(root.get("width"))
    grid = {}
    for rect in root.iter("{http://www.w3.org/2000/svg}rect"):
        x, y, w, h = (int(rect.get(k)) for k in ("x", "y", "width", "height"))
        colour = bytes.fromhex(rect.get("fill").lstrip("#"))
        for dy in range(h):
            for dx in range(w):
                grid[x + dx, y + dy] = colour
    return size, grid


def png(size, grid, scale):
    """An RGBA PNG, each grid pixel scale x scale, the rest transparent."""
    rows = []
    for y in range(size):
        row = b"".join((grid[x, y] + b"\xff" if (x, y) in grid else b"\0\0\0\0") * scale
                       for x in range(size))
        rows += [b"\0" + row] * scale  # filter type 0 on each line

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data)))

    side = size * scale
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) < 3:
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    size, grid = pixels(sys.argv[1])
    for target in sys.argv[2:]:
        side, path = target.split(":", 1)
        if int(side) % size:
            print(f"make_icons.py: {side} is no multiple of {size}", file=sys.stderr)
            return 2
        with open(path, "wb") as out:
            out.write(png(size, grid, int(side) // size))
    return 0


if __name__ == "__main__":
    sys.exit(main())
