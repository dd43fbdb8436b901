#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the folders include one another without a cycle, and that the plain C++ core
# (the level data, the engine, the window's behaviour, records and aid) includes no Qt or SDL.
# A folder's tests count with the folder they test. Prints each fault and exits 1 on any.
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
SOURCES = ('level', 'game', 'editor', 'tools', 'bench', 'assets', 'i18n', 'translations')
PLAIN = ('level', 'game/ports', 'game/engine', 'game/records', 'game/aid', 'game/play', 'editor/core')
INCLUDE = re.compile(r'^\s*#\s*include\s+[<"]([^">]+)[">]', re.M)
PLATFORM = re.compile(r'^(Q[A-Za-z]|qt|SDL)')


def unit(path):
    parts = os.path.dirname(path).split('/')
    for cut in ('tests', 'fuzz'):
        if cut in parts:
            parts = parts[:parts.index(cut) + (cut == 'fuzz')]
    return '/'.join(parts)


def sources():
    for top in SOURCES:
        for folder, dirs, files in os.walk(os.path.join(ROOT, top)):
            dirs[:] = [d for d in dirs if d != 'corpus']
            for name in files:
                if name.endswith(('.h', '.cpp')):
                    yield os.path.relpath(os.path.join(folder, name), ROOT)


def main():
    graph, faults = {}, []
    for path in sources():
        with open(os.path.join(ROOT, path), encoding='utf-8') as f:
            text = f.read()
        here = unit(path)
        for header in INCLUDE.findall(text):
            if PLATFORM.match(header) and here in PLAIN and '/tests/' not in path:
                faults.append(f'{path}: the plain C++ core includes <{header}>')
            if '/' in header and os.path.exists(os.path.join(ROOT, header)) and unit(header) != here:
                graph.setdefault(here, set()).add(unit(header))
    # Depth-first search for a cycle among the folders.
    state = {}

    def visit(node, trail):
        state[node] = 'open'
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 'open':
                faults.append('include cycle: ' + ' -> '.join(trail[trail.index(nxt):] + [nxt]))
            elif nxt not in state:
                visit(nxt, trail + [nxt])
        state[node] = 'done'

    for node in sorted(graph):
        if node not in state:
            visit(node, [node])
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
