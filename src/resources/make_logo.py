#!/usr/bin/env python3
"""Draws the maker's logo for the info box, 132 x 132 pixels in 16 colours: a
printer sending out a sheet marked with a large M, on a white ground.
python3 make_logo.py OUTPUT.bmp, and beside it OUTPUT_165.bmp, OUTPUT_198.bmp and
OUTPUT_264.bmp for the display scales 125, 150 and 200 %, each pixel of the
drawing a whole block of pixels there."""
import os
import struct
import sys

SIZE = 132
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
SET_SIZES = (165, 198, 264)
BLACK, NAVY, SILVER, GREY, RED, LIME, BLUE, WHITE = 0, 4, 7, 8, 9, 10, 12, 15


def draw():
    pixels = [[WHITE] * SIZE for _ in range(SIZE)]

    def box(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                pixels[y][x] = colour

    def frame(x0, y0, x1, y1, colour, width=2):
        box(x0, y0, x1, y0 + width - 1, colour)
        box(x0, y1 - width + 1, x1, y1, colour)
        box(x0, y0, x0 + width - 1, y1, colour)
        box(x1 - width + 1, y0, x1, y1, colour)

    # The sheet coming out of the printer, with a large M on it.
    box(34, 6, 97, 70, WHITE)
    frame(34, 6, 97, 70, BLACK)
    for x0 in (44, 79):
        box(x0, 16, x0 + 8, 58, NAVY)
    for step in range(22):
        box(52 + step // 2 * 1, 16 + step, 55 + step // 2, 18 + step, NAVY)
        box(76 - step // 2, 16 + step, 79 - step // 2, 18 + step, NAVY)
    # The printer's body, its paper slot and its lamp.
    box(8, 60, 123, 112, SILVER)
    frame(8, 60, 123, 112, BLACK)
    box(10, 100, 121, 110, GREY)
    box(26, 68, 105, 72, BLACK)
    box(104, 82, 113, 89, LIME)
    frame(104, 82, 113, 89, BLACK, 1)
    # Two sheets already printed, in front.
    box(24, 96, 107, 127, WHITE)
    frame(24, 96, 107, 127, BLACK)
    for y in (104, 110, 116):
        box(32, y, 99, y + 1, BLUE)
    box(32, 121, 70, 122, RED)
    return pixels


def scaled(pixels, size):
    return [[pixels[y * SIZE // size][x * SIZE // size] for x in range(size)]
            for y in range(size)]


def bitmap(pixels):
    size = len(pixels)
    row_bytes = (size + 1) // 2
    stride = (row_bytes + 3) & ~3
    data = bytearray()
    for y in reversed(range(size)):
        row = bytearray()
        for x in range(0, size, 2):
            row.append((pixels[y][x] << 4) | (pixels[y][x + 1] if x + 1 < size else 0))
        data += row + bytes(stride - len(row))
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 4, 0, len(data), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + palette + bytes(data)


if __name__ == "__main__":
    drawing = draw()
    with open(sys.argv[1], "wb") as out:
        out.write(bitmap(drawing))
    stem = os.path.splitext(sys.argv[1])[0]
    for size in SET_SIZES:
        with open(f"{stem}_{size}.bmp", "wb") as out:
            out.write(bitmap(scaled(drawing, size)))
