#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes levels 6 to 50 with level_forge, as plan.txt sets, and puts 11 to 50 in order.

    forge_all.py [--forge PATH] [--kel-check PATH] [--jobs N] [LEVEL...]

Each plan line is forged into build/forged/N.txt (two at a time by default; the forge is
deterministic, so a rerun gives the same levels). With level numbers only those are made
again. Levels 6 to 10 go straight to drawings/. Once all forty of 11 to 50 are there, they are measured with kel_check and written to
drawings/maze11.txt .. maze50.txt in order of their object changes (then of their traps,
then of their pushes), so the depth rises with the level number; each gets the title of
its new place. build_levels.py then makes the level files, the table and the sheet.
"""
import argparse
import os
import subprocess
from concurrent.futures import ThreadPoolExecutor

from levels import ROOT, check_drawings, find_kel_check, read_drawing

HERE = os.path.dirname(os.path.abspath(__file__))
FORGED = os.path.join(ROOT, 'build', 'forged')
FIRST, LAST = 11, 50
TITLES = {
    6: 'Pocket', 7: 'Which first', 8: 'Cornered', 9: 'Crossover', 10: 'Little box',
    11: 'Warm-up', 12: 'Side door', 13: 'Shuffle', 14: 'Elbow room', 15: 'Two steps',
    16: 'Narrow gap', 17: 'Backtrack', 18: 'Pantry', 19: 'Crosswind', 20: 'Knot',
    21: 'Cupboards', 22: 'Detour', 23: 'Loading bay', 24: 'Cellar door', 25: 'Atrium',
    26: 'Switchback', 27: 'Attic', 28: 'Sidings', 29: 'Tangle', 30: 'Vestibule',
    31: 'Sliding doors', 32: 'Burrow', 33: 'Pinch', 34: 'Gallery', 35: 'Quarry',
    36: 'Junction', 37: 'Lock step', 38: 'Rat run', 39: 'Strongroom', 40: 'Keystone',
    41: 'Gridlock', 42: 'Puzzle box', 43: 'Labyrinth', 44: 'Rush hour', 45: 'Clockwork',
    46: 'Vault', 47: 'Catacombs', 48: 'Deadlock', 49: 'Last orders', 50: 'Grand finale',
}


def plan():
    with open(os.path.join(HERE, 'plan.txt'), encoding='ascii') as f:
        for line in f:
            if line.strip() and not line.startswith('#'):
                yield [int(v) for v in line.split()]


def forge(entry, program):
    level, width, height, low, high, actions, changes, rounds, restarts, seed = entry
    out = os.path.join(FORGED, f'{level}.txt')
    command = [program, '--size', str(width), str(height), '--crates', str(low), str(high),
               '--max-actions', str(actions), '--max-changes', str(changes), '--rounds', str(rounds), '--restarts', str(restarts),
               '--seed', str(seed), out]
    done = subprocess.run(command, capture_output=True, text=True)
    if level < FIRST and done.returncode == 0:
        place(level, read_drawing(out)[1])
    return done.stdout.strip() or done.stderr.strip()


def trimmed(rows):
    """The drawing without rows and columns of border at its edges: the frame goes round anyway."""
    while rows and set(rows[0]) == {'#'}:
        rows = rows[1:]
    while rows and set(rows[-1]) == {'#'}:
        rows = rows[:-1]
    while all(r[0] == '#' for r in rows):
        rows = [r[1:] for r in rows]
    while all(r[-1] == '#' for r in rows):
        rows = [r[:-1] for r in rows]
    return rows


def place(level, rows):
    rows = trimmed(rows)
    with open(os.path.join(HERE, 'drawings', f'maze{level}.txt'), 'w', encoding='ascii') as f:
        f.write(f'; {TITLES[level]}\n' + '\n'.join(rows) + '\n')


def order(kel_check):
    """Writes the forged levels to drawings/ in order of depth, with their new titles."""
    rows = [read_drawing(os.path.join(FORGED, f'{n}.txt'))[1] for n in range(FIRST, LAST + 1)]
    results = check_drawings(kel_check, rows)
    ranked = sorted(range(len(rows)), key=lambda i: (results[i]['changes'], results[i]['traps'],
                                                     results[i]['pushes'], i))
    for level, i in enumerate(ranked, start=FIRST):
        place(level, rows[i])
        r = results[i]
        print(f"level {level} (forged as {FIRST + i}): {r['changes']} changes, {r['must_move']} must move, "
              f"{r['traps']} traps, run {r['run']}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('levels', type=int, nargs='*')
    parser.add_argument('--forge', default=os.path.join(ROOT, 'build', 'default', 'tools', 'level_forge'))
    parser.add_argument('--kel-check')
    parser.add_argument('--jobs', type=int, default=2)
    args = parser.parse_args()
    kel_check = find_kel_check(args.kel_check)
    if not os.access(args.forge, os.X_OK):
        raise SystemExit(f"{args.forge}: no level_forge there: build it first, or pass --forge PATH")
    os.makedirs(FORGED, exist_ok=True)
    entries = [e for e in plan() if not args.levels or e[0] in args.levels]
    with ThreadPoolExecutor(max_workers=args.jobs) as pool:
        for line in pool.map(lambda entry: forge(entry, args.forge), entries):
            print(line, flush=True)
    missing = [n for n in range(FIRST, LAST + 1) if not os.path.exists(os.path.join(FORGED, f'{n}.txt'))]
    if missing:
        print(f"not ordered yet: levels {missing} are still to be forged")
        return
    order(kel_check)


if __name__ == '__main__':
    main()
