#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns a level drawn in characters into a level file.

Legend: '#' border, '.' or ' ' blank, 'o' obstacle (crate), '*' jewel, 'G' goal,
'S' start. The drawing is the whole grid, outer ring included; rows may be ragged
(short rows are padded with border). The time limit comes from the command line.

    ascii2level.py DRAWING.txt TIME OUT.txt
"""
import sys

CODES = {'#': 1, '.': 0, ' ': 0, 'o': 4, '*': 3, 'G': 2, 'S': 0}


def convert(drawing, time):
    rows = [r.rstrip('\n') for r in drawing.splitlines() if r.strip()]
    width = max(len(r) for r in rows)
    rows = [r.ljust(width, '#') for r in rows]
    marks = {}
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch not in CODES:
                raise ValueError(f"unknown character {ch!r} at column {x}, row {y}")
            if ch in '*GS':
                if ch in marks:
                    raise ValueError(f"more than one {ch!r}")
                marks[ch] = (x, y)
    for ch in '*GS':
        if ch not in marks:
            raise ValueError(f"no {ch!r} in the drawing")
    values = [width - 1, len(rows) - 1]
    for ch in '*GS':
        values += list(marks[ch])
    values.append(time)
    for x in range(width):
        for y in range(len(rows)):
            values.append(CODES[rows[y][x]])
    return ''.join(f"{v}\r\n" for v in values).encode('ascii')


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    with open(argv[1], encoding='ascii') as f:
        data = convert(f.read(), int(argv[2]))
    with open(argv[3], 'wb') as f:
        f.write(data)


if __name__ == '__main__':
    main(sys.argv)
