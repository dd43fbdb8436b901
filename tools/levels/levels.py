# SPDX-License-Identifier: GPL-3.0-or-later
"""Shared by the level tools: drawings, level files, and asking kel_check about them.

A drawing is the inside of a level, one text row per grid row: '#' border, '.' blank,
'o' obstacle, '*' jewel, 'G' goal, 'S' start. The tools add the double border frame
every level carries. A first line "; Title" names the level.
"""
import os
import re
import subprocess
import tempfile

from ascii2level import convert

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
FRAME = 2
MAX_COLUMNS, MAX_ROWS = 17, 16


def read_drawing(path):
    """(title, rows) of a drawing file; rows without the frame, padded to one width."""
    with open(path, encoding='ascii') as f:
        lines = [line.rstrip('\n') for line in f]
    title = lines[0][1:].strip() if lines and lines[0].startswith(';') else ''
    rows = [line for line in lines if line.strip() and not line.startswith(';')]
    width = max(len(r) for r in rows)
    return title, [r.ljust(width, '#') for r in rows]


def framed(rows):
    """The whole grid: the drawing inside two rings of border."""
    width = len(rows[0]) + 2 * FRAME
    ring = ['#' * width] * FRAME
    return ring + ['#' * FRAME + r + '#' * FRAME for r in rows] + ring


def level_bytes(rows, time):
    grid = framed(rows)
    if len(grid[0]) > MAX_COLUMNS or len(grid) > MAX_ROWS:
        raise ValueError(f"{len(grid[0])} x {len(grid)} cells is more than {MAX_COLUMNS} x {MAX_ROWS}")
    return convert('\n'.join(grid), time)


def find_kel_check(given=None):
    """The kel_check named, or the one the default preset builds."""
    path = given or os.path.join(ROOT, 'build', 'default', 'app', 'kel_check')
    if not os.access(path, os.X_OK):
        raise SystemExit(f"{path}: no kel_check there: build it first, or pass --kel-check PATH")
    return path


CHANGES = re.compile(r'changes +(\d+) changes? of the pushed object, longest run (\d+)')
MUST_MOVE = re.compile(r'crates +(\d+) must move in any solution, (\d+) moved')
TRAPS = re.compile(r'traps +(\d+) losing push(?:es)? along the shortest solution(, the first push can lose)?')
PUSHES = re.compile(r'pushes +\d+ push(?:es)?: (\d+) of the jewel, (\d+) of crates')
EFFORT = re.compile(r'effort +(\d+) states? expanded to decide(?:, (\d+) positions? in all)?')
SOLUTION = re.compile(r'solution +(\d+) walks? \+ (\d+) push(?:es)? = (\d+) actions? \((shortest)?')


def check_files(kel_check, paths, limit=None):
    """kel_check's findings per file: a dict with passed, solvable, walks, pushes, moves."""
    extra = ['--limit', str(limit)] if limit else []
    with tempfile.TemporaryDirectory() as no_choice:
        # kel_check reports in the player's language (kept in the settings, else the desktop's);
        # these patterns read its English.
        english = {**os.environ, 'LANGUAGE': 'en', 'XDG_CONFIG_HOME': no_choice}
        out = subprocess.run([kel_check, '--moves', *extra, *paths], capture_output=True, text=True, env=english).stdout
    results = {}
    for block in out.split('\n\n'):
        head = block.strip().split('\n')[0]
        if not head.endswith(('PASS', 'FAIL')):
            continue
        name = head.rsplit(': ', 1)[0]
        found = SOLUTION.search(block)
        moves = re.search(r'moves +(\S+)', block)
        changes, must, traps = CHANGES.search(block), MUST_MOVE.search(block), TRAPS.search(block)
        pushes, effort = PUSHES.search(block), EFFORT.search(block)
        results[name] = {
            'passed': head.endswith('PASS'),
            'solvable': bool(found),
            'shortest': bool(found and found.group(4)),
            'walks': int(found.group(1)) if found else None,
            'pushes': int(found.group(2)) if found else None,
            'actions': int(found.group(3)) if found else None,
            'moves': moves.group(1) if moves else '',
            'changes': int(changes.group(1)) if changes else None,
            'run': int(changes.group(2)) if changes else None,
            'must_move': int(must.group(1)) if must else None,
            'crates_moved': int(must.group(2)) if must else None,
            'traps': int(traps.group(1)) if traps else None,
            'first_push_loses': bool(traps and traps.group(2)),
            'jewel_pushes': int(pushes.group(1)) if pushes else None,
            'crate_pushes': int(pushes.group(2)) if pushes else None,
            'effort': int(effort.group(1)) if effort else None,
            'positions': int(effort.group(2)) if effort and effort.group(2) else None,
            'text': block.strip(),
        }
    return results


def check_drawings(kel_check, drawings, time=999, limit=None):
    """Solves drawings (lists of rows) through temporary level files, in one kel_check run."""
    with tempfile.TemporaryDirectory() as folder:
        paths = []
        for i, rows in enumerate(drawings):
            path = os.path.join(folder, f'{i}.txt')
            with open(path, 'wb') as f:
                f.write(level_bytes(rows, time))
            paths.append(path)
        results = check_files(kel_check, paths, limit)
        return [results.get(p) for p in paths]

