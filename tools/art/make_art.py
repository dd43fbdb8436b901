#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Regenerates every picture in assets/images from code: run it after changing any of the art modules."""
import hashlib
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of compiled caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import figure  # noqa: E402
import panels  # noqa: E402
import pngio  # noqa: E402
import tiles  # noqa: E402

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "images")

# name: (builder, width, height, keeps alpha)
PICTURES = {
    "wall.png": (tiles.wall, 32, 32, False),
    "jewel.png": (tiles.jewel, 32, 32, False),
    "goal.png": (tiles.goal, 32, 32, False),
    "blank.png": (tiles.blank, 32, 32, False),
    "crate.png": (tiles.crate, 32, 32, False),
    "ready.png": (tiles.ready, 32, 32, False),
    "start.png": (tiles.start, 32, 32, False),
    "player_right.png": (lambda: figure.strip("right"), 512, 32, False),
    "player_left.png": (lambda: figure.strip("left"), 512, 32, False),
    "player_up.png": (lambda: figure.strip("up"), 512, 32, False),
    "player_down.png": (lambda: figure.strip("down"), 512, 32, False),
    "sad.png": (figure.sad, 112, 157, False),
    "title.png": (panels.title, 100, 150, False),
}
for _size in (16, 32, 48, 64, 128, 256):
    PICTURES["icon_%d.png" % _size] = ((lambda s: lambda: panels.icon(s))(_size), _size, _size, True)


def render():
    out = {}
    for name, (build, width, height, alpha) in PICTURES.items():
        cv = build()
        if (cv.w, cv.h) != (width, height):
            raise SystemExit("%s came out %dx%d, expected %dx%d" % (name, cv.w, cv.h, width, height))
        out[name] = cv.png(alpha)
    return out


def check(images):
    """Fails loudly if a picture is the wrong shape, not the colour type the game expects, or not reproducible."""
    again = render()
    for name, data in images.items():
        if again[name] != data:
            raise SystemExit("%s differs between two runs: something is not deterministic" % name)
        width, height, alpha, rows = pngio.decode(data)
        _, want_w, want_h, want_alpha = PICTURES[name]
        if (width, height, alpha) != (want_w, want_h, want_alpha) or len(rows) != height:
            raise SystemExit("%s decodes as %dx%d alpha=%s" % (name, width, height, alpha))
    if any(b for row in pngio.decode(images["blank.png"])[3] for b in row):
        raise SystemExit("blank.png is not pure black")
    strip = pngio.decode(images["player_down.png"])[3]
    rest = [row[:96] for row in strip]
    for k in range(9, 16):
        if [row[k * 96:(k + 1) * 96] for row in strip] != rest:
            raise SystemExit("player_down.png frame %d should repeat the resting frame" % k)


def main():
    images = render()
    if "--check" in sys.argv:
        check(images)
    os.makedirs(OUT, exist_ok=True)
    for name, data in sorted(images.items()):
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)
        print("%-18s %6d bytes  %s" % (name, len(data), hashlib.sha256(data).hexdigest()[:16]))


if __name__ == "__main__":
    main()
