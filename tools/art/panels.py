# SPDX-License-Identifier: GPL-3.0-or-later
"""Side-panel title artwork and the application icons, built from the same hero and tiles as the playfield."""
from canvas import CLEAR, Canvas, View
from figure import CX, draw_figure, frame, walk_pose
from font import glyph_points, glyph_width
from palette import (BLACK, B0, CHEEK, E0, E1, E2, E3, G0, G1, G2, G3, G4, H0, H1, H2, H3,
                     TEXT, TEXT_HI, J4, WHITE)
from tiles import jewel, wall

TITLE_W, TITLE_H = 100, 150


def title_word(cv, word, top):
    """Chunky two-pixel letters on a gentle wave, with a face gradient, a deep extrusion and a black rim."""
    scale, tall, gap = 2, 3, 2
    width = sum(glyph_width(c) * scale + 1 for c in word) + gap * (len(word) - 1)
    x = (cv.w - width - 3) // 2
    face = {}
    for i, ch in enumerate(word):
        lift = (0, -1, -2, -2, -1, 0, 1)[i % 7]
        for gx, gy in glyph_points(ch):
            for sy in range(tall):
                for sx in range(scale + 1):  # one pixel wider than the grid: bold strokes
                    face[(x + gx * scale + sx, top + lift + gy * tall + sy)] = gy * tall + sy
        x += glyph_width(ch) * scale + 1 + gap
    extrude = {(px + d, py + d) for px, py in face for d in (1, 2, 3)} - set(face)
    for px, py in face.keys() | extrude:
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            cv.set(px + dx, py + dy, BLACK)
    for px, py in extrude:
        cv.set(px, py, G1 if (px + py) % 2 else G0)
    for (px, py), row in face.items():
        cv.set(px, py, TEXT_HI if row < 5 else TEXT if row < 14 else G4 if row < 18 else G3)


def sparkle(cv, x, y, big=False):
    cv.set(x, y, WHITE)
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        cv.set(x + dx, y + dy, J4)
    if big:
        for dx, dy in ((2, 0), (-2, 0), (0, 2), (0, -2)):
            cv.set(x + dx, y + dy, G3)


def title():
    cv = Canvas(TITLE_W, TITLE_H)
    title_word(cv, "KELVARO", 10)
    # The scene is composed at sprite size and doubled, so it has the same pixel grain as the letters.
    scene = Canvas(50, 46)
    brick = wall()
    for x in range(0, 50, 32):
        for y in range(8):
            for bx in range(32):
                scene.set(x + bx - 7, 38 + y, brick.get(bx, y))
    scene.blit(jewel(), 20, 9)
    pose = walk_pose("right", 1)
    pose.update(push=True, hands=(0, 0), sway=1)  # leaning into the ball
    scene.blit(frame("right", pose), -4, 8)
    cv.blit(scene.scaled(2), 0, 58, skip_black=False)
    for x, y, big in ((12, 46, True), (86, 50, True), (50, 54, False), (30, 60, False), (74, 64, False)):
        sparkle(cv, x, y, big)
    return cv


# A 16 px icon is too small for shapes: every pixel is placed by hand.
ICON_16 = [
    "................",
    "........o.......",
    "...o...oho...o..",
    "...oo.ohHho.oo..",
    "...ohHHHhhhhro..",
    "..ohHHHhhhhhhro.",
    "..ohHHhhhhhhrro.",
    "..ohhSShhhSShro.",
    "..kSSSSsssssddk.",
    "..kSSesssssesdk.",
    "..kSSesssssesdk.",
    "..kcssmsssmscdk.",
    "..kssssmmmssddk.",
    "...ksssssssddk..",
    "....kkkkkkkkk...",
    "................",
]


def rounded_plate(size):
    """The icon's dark rounded square, clear in its corners."""
    cv = Canvas(size, size, CLEAR)
    r = max(3, size // 5)
    border = max(1, size // 32)
    for y in range(size):
        for x in range(size):
            dx = max(0, r - x - 0.5, x + 0.5 - (size - r))
            dy = max(0, r - y - 0.5, y + 0.5 - (size - r))
            dist = (dx * dx + dy * dy) ** 0.5
            if dist <= r:
                cv.set(x, y, G2 if dist > r - border or min(x, y, size - 1 - x, size - 1 - y) < border else G0)
    return cv


def icon(size):
    cv = rounded_plate(size)
    if size == 16:
        key = {"o": H0, "h": H2, "H": H3, "r": H1, "k": E0, "s": E2, "S": E3, "d": E1,
               "e": B0, "c": CHEEK, "m": E0}
        for y, row in enumerate(ICON_16):
            for x, ch in enumerate(row):
                if ch in key:
                    cv.set(x, y, key[ch])
        return cv
    if size == 32:
        cv.blit(frame("down", None), 0, 0)
        return cv
    # Larger icons draw the hero from shapes at a whole-number-ish scale, head and body filling the plate.
    s = size / 30.0
    view = View(s, size / 2 - CX * s, size / 2 - 15.5 * s)
    art = Canvas(size, size)
    draw_figure(art, view, "down")
    cv.blit(art, 0, 0)
    return cv
