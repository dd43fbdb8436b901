# SPDX-License-Identifier: GPL-3.0-or-later
"""A small RGBA raster plus the shape-filling helpers every picture is drawn with."""
import math

import pngio

CLEAR = (0, 0, 0, 0)


def rgba(colour):
    return colour if len(colour) == 4 else (colour[0], colour[1], colour[2], 255)


class Canvas:
    def __init__(self, width, height, fill=(0, 0, 0)):
        self.w, self.h = width, height
        self.px = [rgba(fill)] * (width * height)

    def get(self, x, y):
        return self.px[y * self.w + x]

    def set(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = rgba(colour)

    def rect(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.set(xx, yy, colour)

    def plot(self, points, colour, dx=0, dy=0):
        for x, y in points:
            self.set(x + dx, y + dy, colour)

    def blit(self, src, x, y, skip_black=True):
        """Copies src at (x, y); pure black (or clear) pixels count as empty so sprites can be layered."""
        for sy in range(src.h):
            for sx in range(src.w):
                p = src.get(sx, sy)
                if skip_black and (p[3] == 0 or p[:3] == (0, 0, 0)):
                    continue
                self.set(x + sx, y + sy, p)

    def flipped(self):
        out = Canvas(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                out.px[y * self.w + x] = self.px[y * self.w + self.w - 1 - x]
        return out

    def scaled(self, k):
        out = Canvas(self.w * k, self.h * k)
        for y in range(out.h):
            for x in range(out.w):
                out.px[y * out.w + x] = self.px[(y // k) * self.w + x // k]
        return out

    def png(self, alpha=False):
        return pngio.encode(self.w, self.h, self.px, alpha)


class View:
    """Maps design units to pixels so one drawing routine serves a 32 px sprite and a large portrait."""

    def __init__(self, scale=1.0, ox=0.0, oy=0.0):
        self.s, self.ox, self.oy = scale, ox, oy

    def to_design(self, px, py):
        return (px + 0.5 - self.ox) / self.s, (py + 0.5 - self.oy) / self.s

    def to_pixel(self, u, v):
        return u * self.s + self.ox, v * self.s + self.oy


def fill(cv, view, inside, colour, outline=None, width=1, box=None):
    """Fills every pixel whose centre lies inside the shape, ringing its own border with `outline`.

    The ring is drawn inside the shape, so a part laid over another gets a crisp dividing line."""
    if box is None:
        x0, y0, x1, y1 = 0, 0, cv.w, cv.h
    else:
        a = view.to_pixel(box[0], box[1])
        b = view.to_pixel(box[2], box[3])
        x0, y0 = max(0, int(a[0]) - 1), max(0, int(a[1]) - 1)
        x1, y1 = min(cv.w, int(b[0]) + 2), min(cv.h, int(b[1]) + 2)
    mask = set()
    for py in range(y0, y1):
        for px in range(x0, x1):
            u, v = view.to_design(px, py)
            if inside(u, v):
                mask.add((px, py))
    edge = set()
    if outline is not None:
        ring = [(dx, dy) for dy in range(-width, width + 1) for dx in range(-width, width + 1)
                if abs(dx) + abs(dy) <= width + (1 if width > 1 else 0) and (dx or dy)]
        # A pixel of the shape is on its ring when some pixel outside lies within `ring` of it; the
        # ring is closed under shortening an offset, so the nearest such pixel is one that touches
        # the shape, and only those need be looked round.
        outside = {(x + dx, y + dy) for x, y in mask for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))}
        outside -= mask
        edge = {(x + dx, y + dy) for x, y in outside for dx, dy in ring} & mask
    for x, y in mask:
        if (x, y) in edge:
            cv.set(x, y, outline)
        else:
            cv.set(x, y, colour(*view.to_design(x, y)) if callable(colour) else colour)
    return mask


# Shape predicates, all in design units.

def ellipse(cx, cy, a, b):
    return lambda u, v: ((u - cx) / a) ** 2 + ((v - cy) / b) ** 2 < 1.0


def egg_halfwidth(a, k, t):
    return a * math.sqrt(max(0.0, 1.0 - t * t)) * (1.0 + k * t)


def egg(cx, cy, a, b, k=0.1):
    """An egg: k > 0 makes the lower half fuller than the top."""
    def inside(u, v):
        t = (v - cy) / b
        return -1.0 < t < 1.0 and abs(u - cx) < egg_halfwidth(a, k, t)
    return inside


def triangle(p0, p1, p2):
    def side(a, b, u, v):
        return (b[0] - a[0]) * (v - a[1]) - (b[1] - a[1]) * (u - a[0])

    def inside(u, v):
        d0, d1, d2 = side(p0, p1, u, v), side(p1, p2, u, v), side(p2, p0, u, v)
        return (d0 >= 0 and d1 >= 0 and d2 >= 0) or (d0 <= 0 and d1 <= 0 and d2 <= 0)
    return inside


def polygon(points):
    """Even-odd polygon test; handy for hair outlines with many spikes."""
    def inside(u, v):
        hit = False
        n = len(points)
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if (ya > v) != (yb > v) and u < xa + (v - ya) * (xb - xa) / (yb - ya):
                hit = not hit
        return hit
    return inside


def segment(p0, p1, r):
    """A capsule: everything within r of the line from p0 to p1 (brows, limp arms, tear trails)."""
    (xa, ya), (xb, yb) = p0, p1
    dx, dy = xb - xa, yb - ya
    span = dx * dx + dy * dy or 1e-9

    def inside(u, v):
        t = max(0.0, min(1.0, ((u - xa) * dx + (v - ya) * dy) / span))
        return (u - xa - t * dx) ** 2 + (v - ya - t * dy) ** 2 < r * r
    return inside


def rect(x0, y0, x1, y1):
    return lambda u, v: x0 <= u < x1 and y0 <= v < y1


def union(*shapes):
    return lambda u, v: any(s(u, v) for s in shapes)


def both(a, b):
    return lambda u, v: a(u, v) and b(u, v)


def minus(a, b):
    return lambda u, v: a(u, v) and not b(u, v)


def lit(nx, ny, light=(-0.5, -0.62, 0.6)):
    """Lambert term for a unit-sphere normal seen face-on, light from the upper left."""
    nz = math.sqrt(max(0.0, 1.0 - nx * nx - ny * ny))
    length = math.sqrt(sum(c * c for c in light))
    return (nx * light[0] + ny * light[1] + nz * light[2]) / length


def ramp(level, colours, cuts):
    """Picks a flat tone for a light level: pixel art prefers bands to smooth gradients."""
    for colour, cut in zip(colours, cuts):
        if level >= cut:
            return colour
    return colours[-1]
