#!/usr/bin/env python3
"""Turns the button pictures' pixel maps into 16-colour Windows bitmaps:
python3 make_pictures.py OUTPUT_FOLDER MAP.txt...  writes OUTPUT_FOLDER/MAP.bmp

A map is 16 lines of 16 letters, one letter a pixel, from the standard
16-colour palette below. The program shows the button face wherever a picture
has the colour of its bottom-left pixel, so every map starts its last line
with "." (olive), which no picture uses for anything else."""
import os
import struct
import sys

SIZE = 16
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


def bitmap(rows):
    pixels = bytearray()
    for row in reversed(rows):  # a BMP stores its bottom row first
        for x in range(0, SIZE, 2):
            pixels.append(INDEX[row[x]] << 4 | INDEX[row[x + 1]])
        # rows of 8 bytes are already a multiple of four long
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE.values())
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 4, 0, len(pixels), 0, 0,
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
        name = os.path.splitext(os.path.basename(path))[0] + ".bmp"
        with open(os.path.join(folder, name), "wb") as out:
            out.write(bitmap(read_map(path)))


if __name__ == "__main__":
    main()
