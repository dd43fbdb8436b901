#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the shipped levels from the drawings, then their table and contact sheet.

    build_levels.py [--kel-check PATH]

1. Solves every drawing in drawings/ with kel_check and times it by the rule below
   (levels 6 to 50 are made by forge_all.py).
2. Writes data/Maps/maze1.txt .. maze50.txt.
3. Checks the written files with kel_check: every one must pass.
4. Writes docs/levels.md (the table with the depth figures) and docs/levels.png (the
   contact sheet).

The time limit rule: with T the least playing time (0.225 s per action of a shortest
solution) and f falling evenly from 3.0 at level 1 to 1.5 at level 50,
limit = T x f + 15 s, rounded up to whole 5 s.
"""
import argparse
import math
import os

import contact_sheet
from levels import ROOT, check_drawings, check_files, find_kel_check, level_bytes, read_drawing

LEVELS = 50
HERE = os.path.dirname(os.path.abspath(__file__))
MAPS = os.path.join(ROOT, 'data', 'Maps')
DOCS = os.path.join(ROOT, 'docs')


def factor(level):
    return 3.0 - 1.5 * (level - 1) / (LEVELS - 1)


def time_limit(level, actions):
    least = actions * 0.225
    return 5 * math.ceil((least * factor(level) + 15) / 5)


def seconds(actions):
    return f"{actions * 225 / 1000:g} s"


def table(drawings, results):
    lines = ['| Level | Name | Size | Time limit | Walks | Pushes (jewel / crates) | Actions | Least time '
             '| Object changes | Longest run | Crates must move (moved) | Traps | First push can lose '
             '| Search effort | Positions |',
             '|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|']
    for level, ((title, rows), r) in enumerate(zip(drawings, results), start=1):
        size = f"{len(rows[0]) + 4} x {len(rows) + 4}"
        limit = time_limit(level, r['actions'])
        lines.append(f"| {level} | {title} | {size} | {limit} s | {r['walks']} "
                     f"| {r['pushes']} ({r['jewel_pushes']} / {r['crate_pushes']}) | {r['actions']} "
                     f"| {seconds(r['actions'])} | {r['changes']} | {r['run']} "
                     f"| {r['must_move']} ({r['crates_moved']}) | {r['traps']} "
                     f"| {'yes' if r['first_push_loses'] else 'no'} | {r['effort']} | {r['positions']} |")
    return '\n'.join(lines)


def ranks(values):
    """Ranks from 1, ties sharing the mean of the ranks they span."""
    order = sorted(range(len(values)), key=lambda i: values[i])
    rank = [0.0] * len(values)
    i = 0
    while i < len(order):
        j = i
        while j + 1 < len(order) and values[order[j + 1]] == values[order[i]]:
            j += 1
        for k in range(i, j + 1):
            rank[order[k]] = (i + j) / 2 + 1
        i = j + 1
    return rank


def rank_correlation(a, b):
    x, y = ranks(a), ranks(b)
    mx, my = sum(x) / len(x), sum(y) / len(y)
    sxy = sum((p - mx) * (q - my) for p, q in zip(x, y))
    sxx = sum((p - mx) ** 2 for p in x)
    syy = sum((q - my) ** 2 for q in y)
    return sxy / math.sqrt(sxx * syy)


def summary(results):
    changes = [r['changes'] for r in results]
    late = results[40:]
    return (f"Rank correlation of object changes with the level number, levels 1 to 50: "
            f"{rank_correlation(list(range(1, len(results) + 1)), changes):.3f}. "
            f"Levels 41 to 50: {min(r['changes'] for r in late)} to {max(r['changes'] for r in late)} object "
            f"changes, {min(r['must_move'] for r in late)} to {max(r['must_move'] for r in late)} crates that "
            f"must move, {min(r['traps'] for r in late)} to {max(r['traps'] for r in late)} traps, longest run "
            f"{max(r['run'] for r in late)}.")


def write_docs(drawings, results):
    with open(os.path.join(HERE, 'levels_intro.md'), encoding='utf-8') as f:
        intro = f.read()
    with open(os.path.join(DOCS, 'levels.md'), 'w', encoding='utf-8') as f:
        f.write(intro.rstrip() + '\n\n' + table(drawings, results) + '\n\n' + summary(results) + '\n')


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--kel-check')
    args = parser.parse_args()
    kel_check = find_kel_check(args.kel_check)

    drawings = [read_drawing(os.path.join(HERE, 'drawings', f'maze{n}.txt')) for n in range(1, LEVELS + 1)]
    solved = check_drawings(kel_check, [rows for _, rows in drawings])
    for level, result in enumerate(solved, start=1):
        if not result or not result['shortest']:
            raise SystemExit(f"drawing {level} has no proven shortest solution:\n{result and result['text']}")
        with open(os.path.join(MAPS, f'maze{level}.txt'), 'wb') as f:
            f.write(level_bytes(drawings[level - 1][1], time_limit(level, result['actions'])))

    paths = [os.path.join(MAPS, f'maze{n}.txt') for n in range(1, LEVELS + 1)]
    checked = check_files(kel_check, paths)
    failed = [p for p in paths if not checked[p]['passed']]
    if failed:
        raise SystemExit('\n\n'.join(checked[p]['text'] for p in failed))
    os.makedirs(DOCS, exist_ok=True)
    write_docs(drawings, [checked[p] for p in paths])
    contact_sheet.render(paths, os.path.join(DOCS, 'levels.png'))
    print(f"{LEVELS} levels written and checked; docs/levels.md and docs/levels.png made")


if __name__ == '__main__':
    main()
