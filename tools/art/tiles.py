# SPDX-License-Identifier: GPL-3.0-or-later
"""The 32x32 playfield tiles: wall, ball, goal, blank, crate, the READY! banner and the editor's start mark."""
import math
import random

from canvas import Canvas, lit, ramp
from font import SMALL, draw_text, glyph_width
from palette import (BLACK, WHITE, G0, G1, G2, G3, G4, TEXT, TEXT_HI, B0, B1, B2, B3, B4,
                     S0, S1, S2, S3, R0, R1, R2, J0, J1, J2, J3, J4, V1, V2)

SIZE = 32


def bevel_side(x, y, x0=0, y0=0, x1=SIZE - 1, y1=SIZE - 1):
    """Distance to the nearest edge of a box, and whether that edge faces the light (top or left)."""
    d = min(x - x0, y - y0, x1 - x, y1 - y)
    lit_side = (y - y0 == d or x - x0 == d) and not (x1 - x < y - y0 or y1 - y < x - x0)
    return d, lit_side


def wall():
    cv = Canvas(SIZE, SIZE)
    rng = random.Random(1234)
    top, shade = [G4, G3, G3], [G0, G1, G1]
    for y in range(SIZE):
        for x in range(SIZE):
            d, up = bevel_side(x, y)
            if d < 3:
                cv.set(x, y, top[d] if up else shade[d])
                continue
            r = rng.random()
            cv.set(x, y, G1 if r < 0.07 else G3 if r > 0.95 else G2)
    # The diagonals are cut into the face: a dark groove with a lit lip below it reads as engraved.
    for i in range(4, SIZE - 4):
        for x, y in ((i, i), (SIZE - 1 - i, i)):
            cv.set(x, y, G1)
        if i < SIZE - 5:
            cv.set(i + 1, i, G3 if i != 15 else G1)
            cv.set(SIZE - 2 - i, i, G3 if i != 15 else G1)
    return cv


def jewel():
    cv = Canvas(SIZE, SIZE)
    cx = cy = 15.5
    radius = 14.0
    normals = {}
    for y in range(SIZE):
        for x in range(SIZE):
            nx, ny = (x + 0.5 - cx) / radius, (y + 0.5 - cy) / radius
            if nx * nx + ny * ny < 1.0:
                normals[(x, y)] = (nx, ny)
                cv.set(x, y, ramp(lit(nx, ny), [J3, J2, J1, J0], [0.78, 0.4, 0.0, -9]))
    # Two spiral arms of vein, each trailed by a paler band, give the marbled swirl; drawn as
    # sampled curves so every vein stays one unbroken pixel line.
    band, vein = set(), set()
    for arm in range(2):
        start = arm * math.pi + 1.3
        for i in range(600):
            r = 0.5 + 15.0 * i / 600
            ang = start + 0.42 * r
            x, y = 16.5 + r * math.cos(ang), 15.0 + 0.9 * r * math.sin(ang)
            vein.add((int(x), int(y)))
            for k in range(1, int(0.6 + r * 0.09) + 2):
                band.add((int(x + 0.7 * k * math.cos(ang + 1.2)), int(y + 0.7 * k * math.sin(ang + 1.2))))
    for p in band - vein:
        if p in normals:
            cv.set(*p, ramp(lit(*normals[p]), [J4, J3, J2, J1], [0.8, 0.45, 0.05, -9]))
    for p in vein:
        if p in normals:
            cv.set(*p, ramp(lit(*normals[p]), [V2, V1, J1], [0.4, -0.1, -9]))
    for (x, y), (nx, ny) in normals.items():
        if any((x + dx, y + dy) not in normals for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
            cv.set(x, y, J0 if lit(nx, ny) < 0.3 else J1)
        elif nx + ny > 0.95 and nx * nx + ny * ny > 0.72:
            cv.set(x, y, J2)  # light bounced off the floor keeps the shadow side from melting into black
    cv.plot([(9, 6), (10, 6), (8, 7), (9, 7), (7, 8), (8, 8), (7, 9)], WHITE)
    cv.plot([(11, 6), (10, 7), (9, 8), (8, 9), (6, 10), (12, 5)], J4)
    return cv


def goal():
    cv = Canvas(SIZE, SIZE)
    for y in range(SIZE):
        for x in range(SIZE):
            d, up = bevel_side(x, y)
            if d == 0:
                cv.set(x, y, S1 if up else S0)
            elif d == 1:
                cv.set(x, y, S3 if up else S1)
            elif d == 2:
                cv.set(x, y, S2 if up else S1)
    draw_text(cv, "GOAL", 4, 12, TEXT, shadow=G2)
    return cv


def blank():
    return Canvas(SIZE, SIZE)


def crate():
    cv = Canvas(SIZE, SIZE)
    rng = random.Random(77)
    lo, hi = 1, SIZE - 2
    for y in range(lo, hi + 1):
        for x in range(lo, hi + 1):
            d, up = bevel_side(x, y, lo, lo, hi, hi)
            if d == 0:
                c = B0
            elif d == 1:
                c = B4 if up else B2
            elif d < 4:
                c = B3 if up else B2
            elif d == 4:
                c = B1 if up else B3  # the frame's inner edge: shadow falls on the panel below the top board
            else:
                seam = (y - 5) % 5 == 0
                c = B1 if seam else (B1 if rng.random() < 0.08 else B2)
            cv.set(x, y, c)
    # A diagonal brace from bottom left to top right, lit on its upper edge.
    for i in range(-1, 22):
        x = 5 + i
        for k in range(4):
            y = 26 - i - k + 1
            if 5 <= x <= 26 and 5 <= y <= 26:
                cv.set(x, y, B4 if k == 3 else B3 if k > 0 else B0)
    for x, y in ((3, 3), (28, 3), (3, 28), (28, 28), (15, 3), (15, 28), (3, 15), (28, 15)):
        cv.set(x, y, S3)
        cv.set(x + 1, y + 1, B0)
    return cv


def ready():
    cv = Canvas(SIZE, SIZE)
    # Letters climb a staircase so the word runs bottom-left to top-right and carries on into the next tile.
    x, y = 0, 25
    for ch in "READY!":
        draw_text(cv, ch, x, y, TEXT, shadow=G2, font=SMALL)
        x += glyph_width(ch, SMALL) + 1
        y -= 5
    return cv


# The editor's S is drawn big, where a rounder letter than the text font's reads better.
ROUND_S = {"S": [".###.", "#...#", "#....", ".###.", "....#", "#...#", ".###."]}


def start():
    cv = Canvas(SIZE, SIZE)
    for y in range(SIZE):
        for x in range(SIZE):
            edge = min(x, y, SIZE - 1 - x, SIZE - 1 - y)
            dark, light = (R0, R1) if edge < 2 else (R1, R2)
            cv.set(x, y, light if (x + y) % 2 else dark)
    letter = Canvas(SIZE, SIZE)
    draw_text(letter, "S", 9, 5, TEXT, scale=3, font=ROUND_S)
    # Blocks of a scaled glyph meet only at their corners; filling each inside corner rounds the curves.
    ink = {(x, y) for y in range(SIZE) for x in range(SIZE) if letter.get(x, y)[:3] != (0, 0, 0)}
    for x in range(SIZE):
        for y in range(SIZE):
            if (x, y) not in ink and any((x + dx, y) in ink and (x, y + dy) in ink
                                         for dx in (-1, 1) for dy in (-1, 1)):
                letter.set(x, y, TEXT)
    # Outline the letter in black so it stands clear of the busy red.
    for y in range(SIZE):
        for x in range(SIZE):
            if letter.get(x, y)[:3] != (0, 0, 0):
                continue
            near = [letter.get(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)
                    if 0 <= x + dx < SIZE and 0 <= y + dy < SIZE]
            if any(p[:3] != (0, 0, 0) for p in near):
                cv.set(x, y, BLACK)
    for y in range(SIZE):
        for x in range(SIZE):
            if letter.get(x, y)[:3] != (0, 0, 0):
                top = y == 0 or letter.get(x, y - 1)[:3] == (0, 0, 0)
                cv.set(x, y, TEXT_HI if top else TEXT)
    return cv
