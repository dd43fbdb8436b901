# SPDX-License-Identifier: GPL-3.0-or-later
"""Hand-made bitmap fonts (5x7 and a compact 4x6) holding just the letters the artwork spells."""

GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "V": ["#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "!": ["##", "##", "##", "##", "..", "##", "##"],
}

# Compact letters for the READY! tile, where six characters must climb a 32 px diagonal with room to spare.
SMALL = {
    "R": ["###.", "#..#", "#..#", "###.", "#.#.", "#..#"],
    "E": ["####", "#...", "###.", "#...", "#...", "####"],
    "A": [".##.", "#..#", "#..#", "####", "#..#", "#..#"],
    "D": ["###.", "#..#", "#..#", "#..#", "#..#", "###."],
    "Y": ["#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "!": ["#", "#", "#", "#", ".", "#"],
}


def glyph_width(ch, font=GLYPHS):
    return len(font[ch][0])


def glyph_points(ch, font=GLYPHS):
    return [(x, y) for y, row in enumerate(font[ch]) for x, c in enumerate(row) if c == "#"]


def text_width(text, gap=1, font=GLYPHS):
    return sum(glyph_width(c, font) for c in text) + gap * (len(text) - 1)


def draw_text(cv, text, x, y, colour, shadow=None, gap=1, scale=1, font=GLYPHS):
    """Draws text with an optional drop shadow one pixel down-right; shadows go first so letters stay whole."""
    layers = ([(shadow, max(1, scale // 2))] if shadow else []) + [(colour, 0)]
    for col, off in layers:
        cx = x
        for ch in text:
            for gx, gy in glyph_points(ch, font):
                cv.rect(cx + gx * scale + off, y + gy * scale + off, scale, scale, col)
            cx += (glyph_width(ch, font) + gap) * scale
