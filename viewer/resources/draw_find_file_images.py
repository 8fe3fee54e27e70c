#!/usr/bin/env python3
"""Draws the Find File dialog's list pictures as 24-bit bitmaps (16 x 14):
a closed folder (a subdirectory), an open folder (a path component above the
current directory), an open folder with a dot (the current directory), and
one picture per drive type: removable, fixed, remote, CD-ROM, RAM disk.
Blue (0, 0, 255) is the transparent colour.  Writes find_*.bmp next to this
script; run it again after changing the pictures."""
import os, struct

COLOURS = {'b': (0, 0, 255), 'k': (0, 0, 0), 'y': (255, 255, 0), 'o': (128, 128, 0),
           'w': (255, 255, 255), '.': (192, 192, 192), 'd': (128, 128, 128), 'g': (0, 255, 0),
           'r': (255, 0, 0), 'n': (0, 0, 128), 'c': (0, 255, 255)}

PICTURES = {
'find_closed': """
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bbkkkkbbbbbbbbbb
bkyyyykbbbbbbbbb
bkkkkkkkkkkkkbbb
bkyyyyyyyyyyykbb
bkyyyyyyyyyyykbb
bkyyyyyyyyyyykbb
bkyyyyyyyyyyykbb
bkyyyyyyyyyyykbb
bkyyyyyyyyyyykbb
bkkkkkkkkkkkkkbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb""",
'find_open': """
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bbkkkkbbbbbbbbbb
bkwwwwkbbbbbbbbb
bkwkkkkkkkkkbbbb
bkwkyyyyyyyyykbb
bkkyyyyyyyyyykbb
bkkkkkkkkkkkkkkb
bkoyyyyyyyyyykbb
bkoyyyyyyyyykbbb
bkoyyyyyyyykbbbb
bkkkkkkkkkkbbbbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb""",
'find_current': """
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bbkkkkbbbbbbbbbb
bkwwwwkbbbbbbbbb
bkwkkkkkkkkkbbbb
bkwkyyyyyyyyykbb
bkkyyyyyyyyyykbb
bkkkkkkkkkkkkkkb
bkoyyyyrryyyykbb
bkoyyyyrryyykbbb
bkoyyyyyyyykbbbb
bkkkkkkkkkkbbbbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb""",
'find_removable': """
bbbbbbbbbbbbbbbb
bbkkkkkkkkkkkbbb
bbknnwwwwwnnkbbb
bbknnwwwwwnnkbbb
bbknnwwwwwnnkbbb
bbknnnnnnnnnkbbb
bbknnnnnnnnnkbbb
bbknn.....nnkbbb
bbknn.dd..nnkbbb
bbknn.dd..nnkbbb
bbknn.....nnkbbb
bbkkkkkkkkkkkbbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb""",
'find_fixed': """
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bkkkkkkkkkkkkkkb
bk............kb
bk............kb
bk.........gg.kb
bk............kb
bkddddddddddddkb
bkkkkkkkkkkkkkkb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb""",
'find_remote': """
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bkkkkkkkkkkkkkkb
bk............kb
bk.........gg.kb
bkddddddddddddkb
bkkkkkkkkkkkkkkb
bbbbbbbkkbbbbbbb
bbbbbbbkkbbbbbbb
bkkkkkkkkkkkkkkb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb""",
'find_cdrom': """
bbbbbbbbbbbbbbbb
bbbbbkkkkkbbbbbb
bbbkk.....kkbbbb
bbk....c....kbbb
bbk...ccc...kbbb
bk....ckc....kbb
bk...ckbkc...kbb
bk....ckc....kbb
bbk...ccc...kbbb
bbk.........kbbb
bbbkk.....kkbbbb
bbbbbkkkkkbbbbbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb""",
'find_ramdisk': """
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bkkkkkkkkkkkkkkb
bkggggggggggggkb
bkgkkgkkgkkgkgkb
bkgkkgkkgkkgkgkb
bkggggggggggggkb
bkkkkkkkkkkkkkkb
bbkbkbkbkbkbkbbb
bbkbkbkbkbkbkbbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb
bbbbbbbbbbbbbbbb""",
}


def write_bmp(path, rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for ch in row:
            r, g, b = COLOURS[ch]
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(pixels), 0, 0, 14 + 40)
    with open(path, 'wb') as f:
        f.write(file_header + header + pixels)


here = os.path.dirname(os.path.abspath(__file__))
for name, art in PICTURES.items():
    rows = art.strip().split('\n')
    assert all(len(r) == 16 for r in rows) and len(rows) == 14, name
    write_bmp(os.path.join(here, name + '.bmp'), rows)
