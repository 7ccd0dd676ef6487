"""A small anti-aliased renderer: shapes are signed distance functions, so
edges come out smooth without any imaging library."""

import math


def _clamp(value, low=0.0, high=1.0):
    return max(low, min(high, value))


class Shape:
    """Signed distance in pixels (negative inside) and a bounding box."""

    def distance(self, x, y):
        raise NotImplementedError

    def bounds(self):
        raise NotImplementedError


class Capsule(Shape):
    """A straight stroke with round ends."""

    def __init__(self, ax, ay, bx, by, radius):
        self.ax, self.ay, self.bx, self.by, self.radius = ax, ay, bx, by, radius
        self.dx, self.dy = bx - ax, by - ay
        self.length2 = self.dx * self.dx + self.dy * self.dy

    def distance(self, x, y):
        px, py = x - self.ax, y - self.ay
        t = 0.0 if self.length2 == 0 else _clamp((px * self.dx + py * self.dy) / self.length2)
        return math.hypot(px - t * self.dx, py - t * self.dy) - self.radius

    def bounds(self):
        r = self.radius
        return (min(self.ax, self.bx) - r, min(self.ay, self.by) - r,
                max(self.ax, self.bx) + r, max(self.ay, self.by) + r)


class Arc(Shape):
    """A stroke along a circle, from start to end degrees, counter-clockwise
    as on paper (0 is to the right, 90 is up)."""

    def __init__(self, cx, cy, circle_radius, start, end, radius):
        self.cx, self.cy, self.circle_radius, self.radius = cx, cy, circle_radius, radius
        self.start = start % 360.0
        self.sweep = (end - start) % 360.0 or 360.0
        self.ends = [self._point(start), self._point(end)]

    def _point(self, degrees):
        angle = math.radians(degrees)
        return (self.cx + self.circle_radius * math.cos(angle),
                self.cy - self.circle_radius * math.sin(angle))

    def distance(self, x, y):
        degrees = math.degrees(math.atan2(self.cy - y, x - self.cx))
        if (degrees - self.start) % 360.0 <= self.sweep:
            along = abs(math.hypot(x - self.cx, y - self.cy) - self.circle_radius)
        else:
            along = min(math.hypot(x - ex, y - ey) for ex, ey in self.ends)
        return along - self.radius

    def bounds(self):
        r = self.circle_radius + self.radius
        return (self.cx - r, self.cy - r, self.cx + r, self.cy + r)


class Disc(Shape):
    def __init__(self, cx, cy, radius):
        self.cx, self.cy, self.radius = cx, cy, radius

    def distance(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.radius

    def bounds(self):
        r = self.radius
        return (self.cx - r, self.cy - r, self.cx + r, self.cy + r)


class RoundRect(Shape):
    def __init__(self, left, top, right, bottom, corner):
        self.left, self.top, self.right, self.bottom, self.corner = left, top, right, bottom, corner

    def distance(self, x, y):
        cx, cy = (self.left + self.right) / 2, (self.top + self.bottom) / 2
        hx = (self.right - self.left) / 2 - self.corner
        hy = (self.bottom - self.top) / 2 - self.corner
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - self.corner

    def bounds(self):
        return (self.left, self.top, self.right, self.bottom)


class Union(Shape):
    """Several strokes drawn as one, so that their overlaps do not darken."""

    def __init__(self, shapes):
        self.shapes = list(shapes)

    def distance(self, x, y):
        return min(shape.distance(x, y) for shape in self.shapes)

    def bounds(self):
        boxes = [shape.bounds() for shape in self.shapes]
        return (min(b[0] for b in boxes), min(b[1] for b in boxes),
                max(b[2] for b in boxes), max(b[3] for b in boxes))


class Outline(Shape):
    """The rim of a shape, width pixels wide, just inside its edge."""

    def __init__(self, shape, width):
        self.shape, self.width = shape, width

    def distance(self, x, y):
        d = self.shape.distance(x, y)
        return max(d, -d - self.width)

    def bounds(self):
        return self.shape.bounds()


class Canvas:
    """Rows of (r, g, b) floats, top row first."""

    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.pixels = [[tuple(map(float, background)) for _ in range(width)]
                       for _ in range(height)]

    def draw(self, shape, colour, opacity=1.0, softness=1.0):
        """Blends the shape over the picture. softness widens the edge (in
        pixels) for shadows and glows."""
        left, top, right, bottom = shape.bounds()
        margin = softness + 1
        x0, y0 = max(0, int(left - margin)), max(0, int(top - margin))
        x1, y1 = min(self.width, int(right + margin) + 1), min(self.height, int(bottom + margin) + 1)
        for y in range(y0, y1):
            row = self.pixels[y]
            for x in range(x0, x1):
                coverage = _clamp(0.5 - shape.distance(x + 0.5, y + 0.5) / softness) * opacity
                if coverage > 0.0:
                    old = row[x]
                    row[x] = tuple(o + (c - o) * coverage for o, c in zip(old, colour))

    def rgb_rows(self):
        return [[tuple(int(round(_clamp(c, 0, 255))) for c in pixel) for pixel in row]
                for row in self.pixels]


def coverage_mask(shape, width, height):
    """1 where the pixel's centre lies inside the shape: the hard edge of an
    icon's transparency mask."""
    return [[1 if shape.distance(x + 0.5, y + 0.5) <= 0 else 0 for x in range(width)]
            for y in range(height)]
