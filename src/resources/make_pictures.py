#!/usr/bin/env python3
"""Turns the button pictures' pixel maps into 16-colour Windows bitmaps:
python3 make_pictures.py OUTPUT_FOLDER MAP.txt...  writes OUTPUT_FOLDER/MAP.bmp,
and the same picture for the larger display scales as MAP_20.bmp, MAP_24.bmp
and MAP_32.bmp: each pixel of the map becomes a whole block of pixels, so the
larger pictures stay as sharp as the map.

A map is 16 lines of 16 letters, one letter a pixel, from the standard
16-colour palette below. The program shows the button face wherever a picture
has the colour of its bottom-left pixel, so every map starts its last line
with "." (olive), which no picture uses for anything else."""
import os
import struct
import sys

SIZE = 16
# The sizes for 125, 150 and 200 %, beside the map's own.
SET_SIZES = (20, 24, 32)
# letter: (red, green, blue), in the order of the palette written to the file
PALETTE = {
    "k": (0, 0, 0),        # black
    "r": (128, 0, 0),      # maroon
    "g": (0, 128, 0),      # green
    ".": (128, 128, 0),    # olive: the transparent colour
    "n": (0, 0, 128),      # navy
    "p": (128, 0, 128),    # purple
    "t": (0, 128, 128),    # teal
    "s": (192, 192, 192),  # silver
    "d": (128, 128, 128),  # grey
    "R": (255, 0, 0),      # red
    "G": (0, 255, 0),      # lime
    "Y": (255, 255, 0),    # yellow
    "B": (0, 0, 255),      # blue
    "M": (255, 0, 255),    # fuchsia
    "C": (0, 255, 255),    # aqua
    "w": (255, 255, 255),  # white
}
INDEX = {letter: i for i, letter in enumerate(PALETTE)}


def read_map(path):
    with open(path, encoding="ascii") as source:
        rows = [line.rstrip("\n") for line in source]
    if len(rows) != SIZE or any(len(row) != SIZE for row in rows):
        sys.exit(f"{path}: a picture is {SIZE} lines of {SIZE} letters")
    for y, row in enumerate(rows):
        for x, letter in enumerate(row):
            if letter not in PALETTE:
                sys.exit(f"{path}:{y + 1}:{x + 1}: '{letter}' is not a palette letter")
    if rows[-1][0] != ".":
        sys.exit(f"{path}: the bottom-left pixel must be the transparent '.'")
    return rows


def scaled(rows, size):
    """The map at size x size, each pixel taken from the one it covers."""
    return ["".join(rows[y * SIZE // size][x * SIZE // size] for x in range(size))
            for y in range(size)]


def bitmap(rows):
    size = len(rows)
    stride = (size // 2 + 3) & ~3  # each row padded to a multiple of four bytes
    pixels = bytearray()
    for row in reversed(rows):  # a BMP stores its bottom row first
        line = bytearray()
        for x in range(0, size, 2):
            line.append(INDEX[row[x]] << 4 | INDEX[row[x + 1]])
        pixels += line + bytes(stride - len(line))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE.values())
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 4, 0, len(pixels), 0, 0,
                       len(PALETTE), 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + bytes(pixels)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for path in sys.argv[2:]:
        stem = os.path.splitext(os.path.basename(path))[0]
        rows = read_map(path)
        with open(os.path.join(folder, stem + ".bmp"), "wb") as out:
            out.write(bitmap(rows))
        for size in SET_SIZES:
            with open(os.path.join(folder, f"{stem}_{size}.bmp"), "wb") as out:
                out.write(bitmap(scaled(rows, size)))


if __name__ == "__main__":
    main()
