#!/usr/bin/python3
"""Writes the source of the page's face, as a CSS @font-face src: a subset of a Times-metric font,
inlined as WOFF2, so that the page lays out the same on every system and
opened from the disk as well as served.

usage: make_face.py FONT.ttf FACE_SRC.css

The subset holds Latin, Cyrillic and the punctuation the page's texts use;
anything else a visitor types falls back to the next family. The layout
features go, as the desktop's text does not kern either; the hinting stays,
without which WebKitGTK draws light text on a dark face as if bold. Where the
visitor has Times New Roman itself, the source is that, named by its
PostScript name: WebKitGTK takes a family name's fontconfig stand-in too.
"""
import base64
import io
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

UNICODES = [*range(0x20, 0x7F), 0xA0, 0xAB, 0xBB, *range(0x400, 0x460),
            0x2013, 0x2014, *range(0x2018, 0x201F), 0x2026, 0x2116]


def face_source(font_path):
    options = subset.Options()
    options.flavor = "woff2"
    options.desubroutinize = True
    options.layout_features = []
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]  # with the copyright and the licence
    font = TTFont(font_path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=UNICODES)
    subsetter.subset(font)
    data = io.BytesIO()
    subset.save_font(font, data, options)
    return ('local("TimesNewRomanPSMT"),'
            'url(data:font/woff2;base64,%s) format("woff2")'
            % base64.b64encode(data.getvalue()).decode("ascii"))


def main():
    if len(sys.argv) != 3:
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    source = face_source(sys.argv[1])
    with open(sys.argv[2], "w", encoding="ascii") as out:
        out.write(source)
    return 0


if __name__ == "__main__":
    sys.exit(main())
