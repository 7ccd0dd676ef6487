"""A geometric stroke alphabet (circles and straight strokes, round ends),
enough for the words on the logo and the icon.

A glyph is drawn in units of its x-height, with y upward from the baseline
and x from the glyph's left edge; the ascent is 1.45 and the descent 0.5."""

from canvas import Arc, Capsule, Disc, Union

# Each stroke: ('line', x0, y0, x1, y1), ('arc', cx, cy, r, start, end) or
# ('dot', x, y, scale of the stroke radius).
_O = ('arc', 0.5, 0.5, 0.5, 0, 360)

GLYPHS = {
    'K': (0.9, [('line', 0, 0, 0, 1.4), ('line', 0.85, 1.4, 0.02, 0.5),
                ('line', 0.32, 0.82, 0.9, 0)]),
    'a': (1.0, [_O, ('line', 1, 0, 1, 1)]),
    'á': (1.0, [_O, ('line', 1, 0, 1, 1), ('line', 0.45, 1.2, 0.72, 1.48)]),
    'd': (1.0, [_O, ('line', 1, 0, 1, 1.45)]),
    'e': (1.0, [('arc', 0.5, 0.5, 0.5, 0, 318), ('line', 0, 0.5, 1, 0.5)]),
    'g': (1.0, [_O, ('line', 1, 1, 1, -0.05), ('arc', 0.55, -0.05, 0.45, 205, 360)]),
    'i': (0.0, [('line', 0, 0, 0, 1), ('dot', 0, 1.38, 1.3)]),
    'l': (0.0, [('line', 0, 0, 0, 1.45)]),
    'n': (0.9, [('line', 0, 0, 0, 1), ('arc', 0.45, 0.55, 0.45, 0, 180),
                ('line', 0.9, 0.55, 0.9, 0)]),
    'o': (1.0, [_O]),
    'p': (1.0, [_O, ('line', 0, 1, 0, -0.5)]),
    'r': (0.62, [('line', 0, 0, 0, 1), ('arc', 0.45, 0.55, 0.45, 62, 180)]),
    's': (0.56, [('arc', 0.28, 0.75, 0.25, 25, 270), ('arc', 0.28, 0.25, 0.25, 205, 90)]),
    't': (0.6, [('line', 0.22, 1.35, 0.22, 0), ('line', 0, 1, 0.6, 1)]),
    'v': (0.9, [('line', 0, 1, 0.45, 0), ('line', 0.45, 0, 0.9, 1)]),
    'w': (1.3, [('line', 0, 1, 0.325, 0), ('line', 0.325, 0, 0.65, 1),
                ('line', 0.65, 1, 0.975, 0), ('line', 0.975, 0, 1.3, 1)]),
    ' ': (0.3, []),
}


def text_width(text, spacing):
    """Width in units between the centre lines of the outermost strokes."""
    return sum(GLYPHS[c][0] for c in text) + spacing * (len(text) - 1)


def text_shape(text, left, baseline, size, stroke, spacing=0.28):
    """The text as one shape. left and baseline in pixels, size the pixels of
    one unit, stroke the stroke radius in units."""
    radius = stroke * size
    shapes = []
    x = left
    for character in text:
        advance, strokes = GLYPHS[character]
        for kind, *values in strokes:
            if kind == 'line':
                x0, y0, x1, y1 = values
                shapes.append(Capsule(x + x0 * size, baseline - y0 * size,
                                      x + x1 * size, baseline - y1 * size, radius))
            elif kind == 'arc':
                cx, cy, r, start, end = values
                shapes.append(Arc(x + cx * size, baseline - cy * size, r * size, start, end,
                                  radius))
            else:
                cx, cy, scale = values
                shapes.append(Disc(x + cx * size, baseline - cy * size, radius * scale))
        x += (advance + spacing) * size
    return Union(shapes)


def centred_text(text, centre_x, baseline, size, stroke, spacing=0.28):
    left = centre_x - text_width(text, spacing) * size / 2
    return text_shape(text, left, baseline, size, stroke, spacing)
