#!/usr/bin/env python3
"""Draws the diagnostic tool's picture of the card (bitmap 310: 16 colours,
112 x 196, the background in palette entry 13, which the picture button
replaces by its own fill colour) and its icon (32 x 32 and 16 x 16), writing
card.bmp and kx310tst.ico.  Uses the 16-colour writer of the viewer's image
script.  Run it again after changing the drawing."""
import os
import struct
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, '..', '..', 'viewer', 'resources'))
from draw_images import KEY, bmp4, icon_file  # noqa: E402

BACK = KEY['m']   # palette entry 13


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def box(pix, x0, y0, x1, y1, colour):
    for y in range(max(0, y0), min(len(pix), y1)):
        for x in range(max(0, x0), min(len(pix[0]), x1)):
            pix[y][x] = colour


def frame(pix, x0, y0, x1, y1, colour):
    box(pix, x0, y0, x1, y0 + 1, colour)
    box(pix, x0, y1 - 1, x1, y1, colour)
    box(pix, x0, y0, x0 + 1, y1, colour)
    box(pix, x1 - 1, y0, x1, y1, colour)


def chip(pix, x0, y0, w, h, legs):
    box(pix, x0, y0, x0 + w, y0 + h, KEY['k'])
    box(pix, x0 + 2, y0 + 2, x0 + 5, y0 + 5, KEY['d'])
    for i in range(legs):
        y = y0 + 3 + i * (h - 6) // max(1, legs - 1)
        box(pix, x0 - 2, y, x0, y + 1, KEY['.'])
        box(pix, x0 + w, y, x0 + w + 2, y + 1, KEY['.'])


def card():
    width, height = 112, 196
    pix = canvas(width, height, BACK)
    # The mounting bracket along the top, with its video sockets.
    box(pix, 14, 4, 104, 16, KEY['.'])
    frame(pix, 14, 4, 104, 16, KEY['d'])
    for cx in (34, 58, 82):
        box(pix, cx - 5, 6, cx + 5, 14, KEY['o'])
        box(pix, cx - 2, 8, cx + 2, 12, KEY['k'])
    # The board, with its edge connector on the left.
    box(pix, 20, 16, 100, 186, KEY['G'])
    frame(pix, 20, 16, 100, 186, KEY['k'])
    box(pix, 10, 40, 20, 170, KEY['G'])
    for y in range(44, 168, 6):
        box(pix, 11, y, 19, y + 4, KEY['y'])
    # Chips, the frame memory and the feature connector.
    chip(pix, 34, 28, 30, 30, 6)
    chip(pix, 72, 30, 18, 22, 4)
    for i in range(4):
        chip(pix, 32 + i * 16, 74, 10, 34, 6)
    chip(pix, 38, 124, 40, 20, 4)
    box(pix, 84, 120, 94, 170, KEY['k'])
    for y in range(124, 168, 4):
        box(pix, 87, y, 91, y + 2, KEY['y'])
    # Traces and a crystal.
    for y in (64, 114, 152):
        box(pix, 24, y, 96, y + 1, KEY['g'])
    box(pix, 30, 158, 44, 166, KEY['.'])
    frame(pix, 30, 158, 44, 166, KEY['d'])
    return bmp4(pix, width, height)


def icon_pixels(size):
    pix = canvas(size, size, KEY['.'])
    s = size / 32
    def b(x0, y0, x1, y1, c):
        box(pix, int(x0 * s), int(y0 * s), int(x1 * s), int(y1 * s), c)
    b(6, 2, 28, 6, KEY['d'])
    b(8, 6, 26, 30, KEY['G'])
    b(4, 10, 8, 26, KEY['y'])
    b(12, 9, 22, 16, KEY['k'])
    b(12, 19, 16, 27, KEY['k'])
    b(18, 19, 22, 27, KEY['k'])
    return pix


def icon():
    images = []
    for size in (32, 16):
        pix = icon_pixels(size)
        transparent = [[1 if v == KEY['.'] else 0 for v in row] for row in pix]
        shown = [[0 if t else v for v, t in zip(row, trow)] for row, trow in zip(pix, transparent)]
        images.append((size, bmp4(shown, size, size, with_file_header=False, and_mask=transparent)))
    return icon_file(images)


if __name__ == '__main__':
    with open(os.path.join(here, 'card.bmp'), 'wb') as f:
        f.write(card())
    with open(os.path.join(here, 'kx310tst.ico'), 'wb') as f:
        f.write(icon())
