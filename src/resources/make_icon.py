#!/usr/bin/env python3
"""Draws the program icon (a printer with a sheet coming out of it) and
writes it as a 32 x 32, 16-colour Windows icon: python3 make_icon.py morvane.ico"""
import struct
import sys

SIZE = 32
# The 16-colour palette, as (blue, green, red) triples.
PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
           (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
           (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255)]
BLACK, DARK_GREY, LIGHT_GREY, WHITE, BLUE = 0, 8, 7, 15, 12


def draw():
    pixels = [[None] * SIZE for _ in range(SIZE)]  # None is transparent

    def box(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                pixels[y][x] = colour

    def frame(x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            pixels[y0][x] = pixels[y1][x] = colour
        for y in range(y0, y1 + 1):
            pixels[y][x0] = pixels[y][x1] = colour

    box(9, 2, 22, 13, WHITE)          # the sheet waiting at the back
    frame(9, 2, 22, 13, BLACK)
    for y in (5, 7, 9):
        box(11, y, 20, y, BLUE)       # lines of print on it
    box(2, 12, 29, 24, LIGHT_GREY)    # the printer's body
    frame(2, 12, 29, 24, BLACK)
    box(3, 21, 28, 23, DARK_GREY)
    box(24, 14, 26, 15, 10)           # the green lamp
    box(7, 20, 24, 29, WHITE)         # the printed sheet in front
    frame(7, 20, 24, 29, BLACK)
    for y in (23, 25, 27):
        box(9, y, 22, y, BLUE)
    return pixels


def icon(pixels):
    row_bytes = SIZE // 2
    mask_row_bytes = 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):
        row = pixels[y]
        for x in range(0, SIZE, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            xor.append((hi << 4) | lo)
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += bits.to_bytes(mask_row_bytes, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for b, g, r in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    assert row_bytes * SIZE == len(xor)
    return directory + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon(draw()))
