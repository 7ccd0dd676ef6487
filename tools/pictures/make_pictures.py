#!/usr/bin/env python3
"""Makes the program's pictures: the logo (logo.bmp, 300 x 274, 24-bit), the
program icon (kalvena.ico, 32 x 32, 16 colours) and the LinkButtons' hand
cursor (hand.cur, 32 x 32, monochrome).

Usage: make_pictures.py OUTPUT_DIRECTORY"""

import os
import sys

from canvas import Canvas, Capsule, Disc, Outline, RoundRect, Union, coverage_mask
from formats import write_bmp24, write_cur_mono, write_ico16
from lettering import centred_text

HERE = os.path.dirname(os.path.abspath(__file__))

# The MainWindow's background, around the logo's card.
WINDOW_GREY = (230, 230, 230)
CARD = (253, 253, 251)
INK = (38, 50, 72)
BAND = (36, 86, 166)
SOFT_INK = (104, 114, 134)
SHADOW = (60, 60, 60)

# The three forms of a verb, in the order of the program's three edit boxes.
FORM_TILES = [
    ('go', (223, 244, 224), (56, 150, 72)),
    ('went', (221, 233, 251), (52, 104, 188)),
    ('gone', (253, 236, 216), (214, 120, 30)),
]

# The standard 16-colour palette of Windows icons.
ICON_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# The cursor's hotspot: just below the index fingertip.
CURSOR_HOTSPOT = (13, 4)


def arrow(x, y, size, colour, canvas):
    """A small chevron pointing right, centred on (x, y)."""
    half = size / 2
    canvas.draw(Union([Capsule(x - half / 2, y - half, x + half / 2, y, 1.6),
                       Capsule(x + half / 2, y, x - half / 2, y + half, 1.6)]), colour)


def check_mark(cx, cy, size, radius):
    return Union([Capsule(cx - size * 0.5, cy, cx - size * 0.12, cy + size * 0.38, radius),
                  Capsule(cx - size * 0.12, cy + size * 0.38, cx + size * 0.55, cy - size * 0.4,
                          radius)])


def make_logo():
    canvas = Canvas(300, 274, WINDOW_GREY)
    card = RoundRect(10, 8, 288, 264, 22)
    canvas.draw(RoundRect(13, 13, 291, 269, 22), SHADOW, opacity=0.22, softness=7)
    canvas.draw(card, CARD)

    # The name, white on a blue band across the top of the card.
    band = RoundRect(10, 8, 288, 100, 22)
    canvas.draw(band, BAND)
    canvas.draw(RoundRect(10, 60, 288, 100, 0), BAND)
    canvas.draw(centred_text('Kalvena', 149, 73, 30, 0.12, spacing=0.3), (255, 255, 255))

    # go > went > gone, as the learner types them.
    tile_width, tile_top, tile_bottom, gap = 76, 120, 162, 12
    left = 149 - (3 * tile_width + 2 * gap) / 2
    for index, (word, fill, edge) in enumerate(FORM_TILES):
        x = left + index * (tile_width + gap)
        tile = RoundRect(x, tile_top, x + tile_width, tile_bottom, 9)
        canvas.draw(tile, fill)
        canvas.draw(Outline(tile, 2.0), edge)
        canvas.draw(centred_text(word, x + tile_width / 2, 145, 12, 0.12, spacing=0.26), INK)
        if index < 2:
            arrow(x + tile_width + gap / 2, (tile_top + tile_bottom) / 2, 8, SOFT_INK, canvas)

    canvas.draw(centred_text('nepravidelná slovesa', 149, 204, 11.5, 0.1, spacing=0.26),
                SOFT_INK)

    # A test well on its way: a progress bar with a tick at its end.
    canvas.draw(RoundRect(58, 228, 228, 240, 6), (226, 230, 238))
    canvas.draw(RoundRect(58, 228, 178, 240, 6), (76, 175, 80))
    canvas.draw(Disc(240, 234, 13), (76, 175, 80))
    canvas.draw(check_mark(240, 234, 14, 1.9), (255, 255, 255))
    return canvas.rgb_rows()


def nearest_palette_index(colour):
    return min(range(len(ICON_PALETTE)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, ICON_PALETTE[i])))


def make_icon():
    """A blue tile with a white K and a yellow tick."""
    tile = RoundRect(1, 1, 31, 31, 6)
    canvas = Canvas(32, 32, (0, 0, 0))
    canvas.draw(tile, (0, 0, 128))
    canvas.draw(centred_text('K', 11, 24, 12, 0.16), (255, 255, 255))
    canvas.draw(check_mark(24.5, 23, 7, 1.4), (255, 255, 0))
    indices = [[nearest_palette_index(pixel) for pixel in row] for row in canvas.rgb_rows()]
    return indices, coverage_mask(tile, 32, 32)


def read_cursor():
    pixels = {'#': 'black', '.': 'white', '-': None}
    with open(os.path.join(HERE, 'hand_cursor.txt'), encoding='ascii') as source:
        rows = [line.rstrip('\n') for line in source if not line.startswith(';')]
    if len(rows) != 32 or any(len(row) != 32 for row in rows):
        raise SystemExit('hand_cursor.txt: the cursor must be 32 x 32 pixels')
    return [[pixels[c] for c in row] for row in rows]


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_bmp24(os.path.join(out, 'logo.bmp'), make_logo())
    indices, opaque = make_icon()
    write_ico16(os.path.join(out, 'kalvena.ico'), indices, opaque, ICON_PALETTE)
    write_cur_mono(os.path.join(out, 'hand.cur'), read_cursor(), CURSOR_HOTSPOT)


if __name__ == '__main__':
    main()
