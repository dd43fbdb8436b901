#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the web page's home-screen icons into a folder (the web build's site): the game's icon at the
sizes a phone asks for, and a maskable one whose hero stays inside the circle a launcher may cut."""
import os
import sys

sys.dont_write_bytecode = True  # the build runs this from the source tree: leave it clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import panels  # noqa: E402
from canvas import Canvas, View  # noqa: E402
from figure import CX, draw_figure  # noqa: E402
from palette import G0  # noqa: E402

# A launcher may keep only the circle of 80% of the width: the hero, drawn 30 units tall, fills 70%
# of it, its feet and arms still inside.
MASKABLE_SHARE = 0.70


def maskable(size):
    """The plate's dark green to every edge, the hero smaller in its middle."""
    cv = Canvas(size, size, G0)
    s = size * MASKABLE_SHARE / 30.0
    art = Canvas(size, size)
    draw_figure(art, View(s, size / 2 - CX * s, size / 2 - 15.5 * s), "down")
    cv.blit(art, 0, 0)
    return cv


ICONS = {
    "icon-192.png": lambda: panels.icon(192),
    "icon-512.png": lambda: panels.icon(512),
    "icon-maskable-512.png": lambda: maskable(512),
}


def main():
    if len(sys.argv) != 2:
        raise SystemExit("usage: web_icons.py OUTPUT_FOLDER")
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, draw in ICONS.items():
        with open(os.path.join(sys.argv[1], name), "wb") as f:
            f.write(draw().png(alpha=True))


if __name__ == "__main__":
    main()
