#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the generator on the outlines named in plan.txt, two at a time, into drawings/.

    generate_all.py [--kel-check PATH] [LEVEL...]

With level numbers only those are made again. A person looks at every result (the
contact sheet shows them) and keeps, edits or makes again what the generator gave.
"""
import argparse
import os
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

from levels import find_kel_check

HERE = os.path.dirname(os.path.abspath(__file__))


def plan():
    with open(os.path.join(HERE, 'plan.txt'), encoding='ascii') as f:
        for line in f:
            if line.strip() and not line.startswith('#'):
                yield [int(v) for v in line.split()]


def make(entry, kel_check):
    level, low, high, actions, seed = entry
    command = [sys.executable, os.path.join(HERE, 'generate.py'),
               os.path.join(HERE, 'outlines', f'maze{level}.txt'), os.path.join(HERE, 'drawings', f'maze{level}.txt'),
               '--crates', str(low), str(high), '--max-actions', str(actions), '--seed', str(seed),
               '--rounds', '20', '--batch', '12', '--restarts', '2', '--kel-check', kel_check]
    done = subprocess.run(command, capture_output=True, text=True)
    return done.stdout.strip() or done.stderr.strip()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('levels', type=int, nargs='*')
    parser.add_argument('--kel-check')
    args = parser.parse_args()
    kel_check = find_kel_check(args.kel_check)
    entries = [e for e in plan() if not args.levels or e[0] in args.levels]
    with ThreadPoolExecutor(max_workers=2) as pool:
        for line in pool.map(lambda entry: make(entry, kel_check), entries):
            print(line, flush=True)


if __name__ == '__main__':
    main()
