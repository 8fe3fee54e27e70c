#!/usr/bin/env python3
"""Draws the setup tool's pictures, 16 colours each, 184 x 169 pixels, with
palette entry 6 the background (the program puts the button face there) and
entry 13 magenta, and its icon (32 x 32 and 16 x 16):
  system_picture.bmp (101): the frame where the live video shows through the
      magenta area, with the two bars around which a misaligned card leaves
      pink traces;
  page_picture.bmp (100): a monitor showing a test card, its top-left corner
      marked (the Video page aligns the picture to it);
  kx310stw.ico (110).
Run it again after changing the drawings."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'viewer', 'resources'))
import draw_images as viewer_images  # noqa: E402

# Indices into the standard 16-colour VGA palette (the viewer's writer's).
BLACK, DARK_RED, DARK_GREEN, OLIVE, NAVY, PURPLE, BACKGROUND, SILVER = range(8)
GREY, RED, GREEN, YELLOW, BLUE, MAGENTA, CYAN, WHITE = range(8, 16)

WIDTH, HEIGHT = 184, 169
# Where the System page places the live video inside its picture.
VIDEO = (15, 16, 153, 113)


def canvas(width=WIDTH, height=HEIGHT, colour=BACKGROUND):
    return [[colour] * width for _ in range(height)]


def fill(pic, x, y, w, h, colour):
    for yy in range(max(y, 0), min(y + h, len(pic))):
        for xx in range(max(x, 0), min(x + w, len(pic[0]))):
            pic[yy][xx] = colour


def frame(pic, x, y, w, h, colour):
    fill(pic, x, y, w, 1, colour)
    fill(pic, x, y + h - 1, w, 1, colour)
    fill(pic, x, y, 1, h, colour)
    fill(pic, x + w - 1, y, 1, h, colour)


def bmp4(pixels, with_file_header=True, and_mask=None):
    """4-bit bottom-up DIB of the 16-colour palette (the viewer's writer)."""
    return viewer_images.bmp4(pixels, len(pixels[0]), len(pixels), with_file_header, and_mask)


def system_picture():
    pic = canvas()
    x, y, w, h = VIDEO
    # A sunken frame around the video area, the area itself in the key colour.
    frame(pic, x - 2, y - 2, w + 4, h + 4, GREY)
    frame(pic, x - 1, y - 1, w + 2, h + 2, BLACK)
    fill(pic, x, y, w, h, MAGENTA)
    # The two bars: drawn over the key, so the video never covers them; a
    # misaligned key shows pink beside them.
    for bx in (x + 38, x + 99):
        fill(pic, bx, y + 18, 16, h - 36, BLACK)
        frame(pic, bx, y + 18, 16, h - 36, WHITE)
    # The border marks at the corners of the area.
    for cx, cy in ((x, y), (x + w - 6, y), (x, y + h - 6), (x + w - 6, y + h - 6)):
        fill(pic, cx, cy, 6, 6, WHITE)
    return pic


def page_picture():
    pic = canvas()
    # Monitor: bezel, screen, stand.
    fill(pic, 12, 8, 160, 122, SILVER)
    frame(pic, 12, 8, 160, 122, BLACK)
    frame(pic, 13, 9, 158, 120, WHITE)
    fill(pic, 22, 16, 140, 100, BLACK)
    # The test card: colour bars over a grey ramp.
    bars = [WHITE, YELLOW, CYAN, GREEN, MAGENTA, RED, BLUE]
    bw = 136 // len(bars)
    for i, c in enumerate(bars):
        fill(pic, 24 + i * bw, 18, bw, 62, c)
    for i, c in enumerate([BLACK, GREY, SILVER, WHITE]):
        fill(pic, 24 + i * 34, 82, 34, 32, c)
    # The top-left corner of the screen, which the alignment goes by.
    fill(pic, 22, 16, 14, 3, RED)
    fill(pic, 22, 16, 3, 14, RED)
    # Power light and stand.
    fill(pic, 156, 121, 6, 3, GREEN)
    fill(pic, 76, 130, 32, 14, GREY)
    fill(pic, 52, 144, 80, 8, SILVER)
    frame(pic, 52, 144, 80, 8, BLACK)
    return pic


def icon_pixels():
    pic = canvas(32, 32, -1)
    fill(pic, 2, 4, 28, 20, BLACK)
    fill(pic, 4, 6, 24, 16, MAGENTA)
    fill(pic, 9, 8, 4, 12, BLACK)
    fill(pic, 19, 8, 4, 12, BLACK)
    fill(pic, 12, 24, 8, 3, GREY)
    fill(pic, 7, 27, 18, 3, SILVER)
    frame(pic, 7, 27, 18, 3, BLACK)
    return pic


def icon():
    big = icon_pixels()
    small = [[big[y * 2][x * 2] for x in range(16)] for y in range(16)]
    images = []
    for pix, size in ((big, 32), (small, 16)):
        transparent = [[1 if v < 0 else 0 for v in row] for row in pix]
        shown = [[0 if v < 0 else v for v in row] for row in pix]
        images.append((size, bmp4(shown, with_file_header=False, and_mask=transparent)))
    return viewer_images.icon_file(images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, data in (('system_picture.bmp', bmp4(system_picture())), ('page_picture.bmp', bmp4(page_picture())),
                       ('kx310stw.ico', icon())):
        with open(os.path.join(here, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
