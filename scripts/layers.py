#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every include points down the layers of the table below or stays in its own
# group, that the folders include one another without a cycle, and that the plain C++ core
# includes no Qt or SDL. A folder's tests count with the folder they test.
# Prints each fault and exits 1 on any. `--root DIR` checks another copy of the tree.
import argparse
import os
import re
import sys

# The layers, bottom to top. A row holds groups side by side; a group names its folders, each
# with the folders under it, and may name a folder twice, by an old and a new name. A folder
# includes its own group and the rows below, never a group beside it or above it. A folder
# goes to the group naming the longest part of its path. PLAIN groups include no Qt or SDL.
PLAIN, SHELL = True, False
LAYERS = [
    [('level', PLAIN)],                                    # the level data, solver, sets, forge
    [('game/records', PLAIN), ('tools/options', SHELL), ('i18n', SHELL), ('assets', SHELL)],
    [('game/ports', PLAIN)],                               # what a shell implements for the game
    [('game/engine', PLAIN), ('editor/core', PLAIN)],
    [('game/aid', PLAIN)],
    [('game/play', PLAIN)],                                # the game's middle
    [('game/desktop/sound', SHELL), ('game/desktop/controller', SHELL)],
    [('game/desktop', SHELL), ('editor/qt', SHELL), ('web', SHELL)],  # the shells and their programs
    [('tools', SHELL)],                                    # kel_check, level_forge
    [('bench', SHELL), ('translations', SHELL)],
]
# Folders that include nothing of each other, each with the folders under it, whatever their rows.
APART = [('game', 'editor')]
SOURCES = ('level', 'game', 'editor', 'web', 'tools', 'bench', 'assets', 'i18n', 'translations')
INCLUDE = re.compile(r'^\s*#\s*include\s+[<"]([^">]+)[">]', re.M)
PLATFORM = re.compile(r'^(Q[A-Za-z]|qt|SDL)')


def unit(path):
    parts = os.path.dirname(path).split('/')
    for cut in ('tests', 'fuzz'):
        if cut in parts:
            parts = parts[:parts.index(cut) + (cut == 'fuzz')]
    return '/'.join(parts)


def under(folder, name):
    return folder == name or folder.startswith(name + '/')


def place(folder):
    """The (row, group, plain) of a folder, or None when no group names it."""
    best = None
    for row, groups in enumerate(LAYERS):
        for group, (names, plain) in enumerate(groups):
            for name in names.split():
                if under(folder, name) and (best is None or len(name) > best[0]):
                    best = (len(name), (row, group, plain))
    return best and best[1]


def sources(root):
    for top in SOURCES:
        for folder, dirs, files in os.walk(os.path.join(root, top)):
            dirs[:] = sorted(d for d in dirs if d != 'corpus')
            for name in sorted(files):
                if name.endswith(('.h', '.cpp')):
                    yield os.path.relpath(os.path.join(folder, name), root)


def layer_faults(path, here, there):
    """What is wrong with an include from folder `here` of `path` into folder `there`."""
    for one, other in APART:
        if (under(here, one) and under(there, other)) or (under(here, other) and under(there, one)):
            return [f'{path}: includes {there}, which {here} must keep apart from']
    a, b = place(here), place(there)
    if a is None:
        return [f'{path}: the folder {here} is in no layer']
    if b is None or b[0] < a[0] or b[:2] == a[:2]:
        return []
    side = 'beside' if b[0] == a[0] else 'above'
    return [f'{path}: includes {there}, a layer {side} {here}']


def cycles(graph):
    faults, state = [], {}

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
    return faults


def check(root):
    graph, faults = {}, []
    for path in sources(root):
        with open(os.path.join(root, path), encoding='utf-8') as f:
            text = f.read()
        here = unit(path)
        plain = (place(here) or (0, 0, False))[2]
        for header in INCLUDE.findall(text):
            if PLATFORM.match(header) and plain and '/tests/' not in path:
                faults.append(f'{path}: the plain C++ core includes <{header}>')
            if '/' in header and os.path.exists(os.path.join(root, header)) and unit(header) != here:
                if unit(header) not in graph.get(here, ()):
                    faults += layer_faults(path, here, unit(header))
                graph.setdefault(here, set()).add(unit(header))
    return faults + cycles(graph)


def main():
    parser = argparse.ArgumentParser(description='Checks the include layers of the source tree.')
    parser.add_argument('--root', default=os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'),
                        help='the top of the tree to check (default: this script\'s tree)')
    faults = check(os.path.normpath(parser.parse_args().root))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
