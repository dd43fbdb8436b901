#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the shipped levels from their files with the game's own pictures: docs/levels.png.

    contact_sheet.py [OUT.png]

Each level is drawn as the game shows it at the start, the player facing right, at half
size (16 pixels a cell), its outermost ring of cells black as the game leaves it, and
numbered above. Only the standard library is needed.
"""
import os
import struct
import sys
import zlib

from levels import ROOT

sys.path.insert(0, os.path.join(ROOT, 'tools', 'art'))
import pngio  # noqa: E402

IMAGES = os.path.join(ROOT, 'assets', 'images')
CELL = 16
COLUMNS = 5
BOX_W, BOX_H = 17 * CELL, 16 * CELL
CAPTION = 16
GAP = 8
BACK = (32, 32, 40)
INK = (230, 230, 230)
DIGITS = ['111101101101111', '010110010010111', '111001111100111', '111001111001111', '101101111001001',
          '111100111001111', '111100111101111', '111001001001001', '111101111101111', '111101111001111']


def load(name, frame=0):
    """A 32 x 32 picture (frame `frame` of a strip) halved to 16 x 16 by averaging."""
    with open(os.path.join(IMAGES, name), 'rb') as f:
        width, height, alpha, rows = pngio.decode(f.read())
    step = 4 if alpha else 3
    out = []
    for y in range(0, 32, 2):
        line = []
        for x in range(frame * 32, frame * 32 + 32, 2):
            px = [rows[y + dy][(x + dx) * step:(x + dx) * step + 3] for dy in (0, 1) for dx in (0, 1)]
            line.append(tuple(sum(p[i] for p in px) // 4 for i in range(3)))
        out.append(line)
    return out


def read_level(path):
    """(grid[x][y], player) of a level file, read the game's way: marks applied last."""
    with open(path, 'rb') as f:
        values = [int(v) if v.strip() else 0 for v in f.read().decode('ascii').replace(',', '\r\n').split('\r\n')]
    maxx, maxy, jx, jy, gx, gy, px, py = values[:8]
    cells = values[9:9 + (maxx + 1) * (maxy + 1)]
    grid = [cells[x * (maxy + 1):(x + 1) * (maxy + 1)] for x in range(maxx + 1)]
    grid[jx][jy], grid[gx][gy], grid[px][py] = 3, 2, 0
    return grid, (px, py)


class Sheet:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.rows = [bytearray(bytes(BACK) * width) for _ in range(height)]

    def paste(self, picture, left, top):
        for y, line in enumerate(picture):
            self.rows[top + y][left * 3:(left + len(line)) * 3] = bytes(c for p in line for c in p)

    def fill(self, left, top, width, height, colour):
        for y in range(top, top + height):
            self.rows[y][left * 3:(left + width) * 3] = bytes(colour) * width

    def number(self, value, left, top):
        for digit in str(value):
            bits = DIGITS[int(digit)]
            for i, bit in enumerate(bits):
                if bit == '1':
                    self.fill(left + (i % 3) * 2, top + (i // 3) * 2, 2, 2, INK)
            left += 8

    def png(self):
        raw = b''.join(b'\0' + bytes(r) for r in self.rows)

        def chunk(kind, data):
            return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
        header = struct.pack('>IIBBBBB', self.width, self.height, 8, 2, 0, 0, 0)
        return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9))
                + chunk(b'IEND', b''))


def draw(sheet, tiles, grid, player, left, top):
    columns, rows = len(grid), len(grid[0])
    left += (BOX_W - columns * CELL) // 2
    top += (BOX_H - rows * CELL) // 2
    for x in range(columns):
        for y in range(rows):
            if x in (0, columns - 1) or y in (0, rows - 1):
                sheet.fill(left + x * CELL, top + y * CELL, CELL, CELL, (0, 0, 0))
            elif grid[x][y] in tiles:
                sheet.paste(tiles[grid[x][y]], left + x * CELL, top + y * CELL)
    sheet.paste(tiles['player'], left + player[0] * CELL, top + player[1] * CELL)


def render(paths, out):
    tiles = {0: load('blank.png'), 1: load('wall.png'), 2: load('goal.png'), 3: load('jewel.png'),
             4: load('crate.png'), 'player': load('player_right.png')}
    lines = (len(paths) + COLUMNS - 1) // COLUMNS
    sheet = Sheet(COLUMNS * (BOX_W + GAP) + GAP, lines * (BOX_H + CAPTION + GAP) + GAP)
    for i, path in enumerate(paths):
        left = GAP + (i % COLUMNS) * (BOX_W + GAP)
        top = GAP + (i // COLUMNS) * (BOX_H + CAPTION + GAP)
        sheet.number(i + 1, left, top + 2)
        grid, player = read_level(path)
        draw(sheet, tiles, grid, player, left, top + CAPTION)
    with open(out, 'wb') as f:
        f.write(sheet.png())


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, 'docs', 'levels.png')
    maps = os.path.join(ROOT, 'data', 'Maps')
    render([os.path.join(maps, f'maze{n}.txt') for n in range(1, 51)], out)


if __name__ == '__main__':
    main()
