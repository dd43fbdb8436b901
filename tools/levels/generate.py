#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fills a hand-drawn outline with crates, jewel, goal and start, with the solver as judge.

    generate.py OUTLINE OUT [--crates LOW HIGH] [--max-actions N] [--seed S] [--rounds R]

The outline is a drawing (see levels.py) of '#' and '.'; any 'o', '*', 'G' or 'S' in it
stay where they are drawn. Hill climbing: each round tries a batch of changes (move one
piece, add or take away a crate) and keeps the best level found, scored by its shortest
solution: longer is better, and every push of a crate counts five times, so the level
that needs the most clearing and ordering wins. Crates that change nothing are taken
away at the end. The result is a drawing for a person to look at and keep, or not.
"""
import argparse
import random

from levels import check_drawings, crate_pushes, find_kel_check, read_drawing

PIECES = 'o*GS'
# States a candidate may take to solve: a level that needs more is too slow to judge here.
LIMIT = 40000


def cells_of(rows, ch):
    return [(x, y) for y, r in enumerate(rows) for x, c in enumerate(r) if c == ch]


def put(rows, changes):
    grid = [list(r) for r in rows]
    for (x, y), ch in changes:
        grid[y][x] = ch
    return [''.join(r) for r in grid]


def mutate(rows, fixed, rng, crates):
    free = cells_of(rows, '.')
    movable = [(p, c) for c in PIECES for p in cells_of(rows, c) if p not in fixed]
    count = len(cells_of(rows, 'o'))
    roll = rng.random()
    if roll < 0.15 and count < crates[1] and free:
        return put(rows, [(rng.choice(free), 'o')])
    if roll < 0.25 and count > crates[0]:
        options = [p for p in cells_of(rows, 'o') if p not in fixed]
        if options:
            return put(rows, [(rng.choice(options), '.')])
    if not movable or not free:
        return rows
    where, piece = rng.choice(movable)
    return put(rows, [(where, '.'), (rng.choice(free), piece)])


def seeded(rows, fixed, rng, crates):
    for piece in '*GS':
        if not cells_of(rows, piece):
            rows = put(rows, [(rng.choice(cells_of(rows, '.')), piece)])
    while len(cells_of(rows, 'o')) < crates[0]:
        rows = put(rows, [(rng.choice(cells_of(rows, '.')), 'o')])
    return rows


def score(rows, result, max_actions):
    if not result or not result['shortest'] or result['actions'] > max_actions:
        return None
    return result['actions'] + 5 * crate_pushes(rows, result['moves'])


def prune(kel_check, rows, best, fixed, max_actions):
    """Takes away each crate whose absence leaves the score as it was."""
    for where in cells_of(rows, 'o'):
        if where in fixed:
            continue
        trial = put(rows, [(where, '.')])
        result, = check_drawings(kel_check, [trial], limit=LIMIT)
        if score(trial, result, max_actions) == best:
            rows = trial
    return rows


def climb(kel_check, outline, args):
    rng = random.Random(args.seed)
    fixed = {p for c in PIECES for p in cells_of(outline, c)}
    best_rows, best = None, None
    for _ in range(args.restarts):
        rows = seeded(outline, fixed, rng, args.crates)
        current = score(rows, *check_drawings(kel_check, [rows], limit=LIMIT), args.max_actions)
        for _ in range(args.rounds):
            trials = [mutate(rows, fixed, rng, args.crates) for _ in range(args.batch)]
            scored = [(score(t, r, args.max_actions), t) for t, r in zip(trials, check_drawings(kel_check, trials, limit=LIMIT))]
            scored = [(s, t) for s, t in scored if s is not None]
            if scored:
                s, t = max(scored, key=lambda st: st[0])
                if current is None or s >= current:
                    rows, current = t, s
        if current is not None and (best is None or current > best):
            best_rows, best = rows, current
    if best_rows is None:
        raise SystemExit("no solvable level found: try other settings")
    return prune(kel_check, best_rows, best, fixed, args.max_actions), best


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('outline')
    parser.add_argument('out')
    parser.add_argument('--crates', type=int, nargs=2, default=(2, 6), metavar=('LOW', 'HIGH'))
    parser.add_argument('--max-actions', type=int, default=200)
    parser.add_argument('--seed', type=int, default=1)
    parser.add_argument('--rounds', type=int, default=40)
    parser.add_argument('--batch', type=int, default=24)
    parser.add_argument('--restarts', type=int, default=3)
    parser.add_argument('--kel-check')
    args = parser.parse_args()
    kel_check = find_kel_check(args.kel_check)
    title, outline = read_drawing(args.outline)
    rows, best = climb(kel_check, outline, args)
    with open(args.out, 'w', encoding='ascii') as f:
        f.write(f'; {title}\n' if title else '')
        f.write('\n'.join(rows) + '\n')
    print(f'{args.out}: score {best}')


if __name__ == '__main__':
    main()
