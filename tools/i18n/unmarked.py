#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the plain core words a text a person reads without marking it: a string literal
# outside QT_TRANSLATE_NOOP that is a marked text of the .ts, or a piece of one between its
# %1-style places. The shells translate such a copy only while it happens to match the marked
# one word for word, so the pseudo-translation cannot see it; lupdate never sees it at all.
# usage: unmarked.py SOURCE_ROOT TS
import os
import re
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'scripts'))
import layers  # noqa: E402  (which folders are the plain core)

# Literals that only look like a person's text: words for logs and tests, a folder's name, widget names.
NOT_FOR_A_PERSON = {
    ('level/sets/level_home.cpp', 'levels'),
    ('level/solver/solver.cpp', 'solvable'),
    ('level/solver/solver.cpp', 'unsolvable'),
    ('level/solver/solver.cpp', 'unknown (limit reached)'),
    # The records file's keyword for a level whose solution was shown.
    ('game/records/records.cpp', 'seen'),
    # The editor's tools by the names its widgets carry, never shown.
    ('editor/core/palette.h', 'jewel'),
    ('editor/core/palette.h', 'goal'),
    ('editor/core/palette.h', 'start'),
    # The words of a level's picture, which are part of its format and never translated.
    ('level/picture_words.h', 'jewel'),
    ('level/picture_words.h', 'goal'),
    ('level/picture_words.h', 'start'),
    # The game's pictures by their file names.
    ('game/engine/images.h', 'jewel'),
    ('game/engine/images.h', 'goal'),
    # The arrow keys by the portable names the settings file keeps them by.
    ('game/ports/key_bindings.cpp', 'Left'),
    ('game/ports/key_bindings.cpp', 'Right'),
    ('game/ports/key_bindings.cpp', 'Up'),
    ('game/ports/key_bindings.cpp', 'Down'),
}
TOKENS = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'|\bQT_TRANSLATE_N?_?NOOP\b|[()]',
                    re.S)
PLACE = re.compile(r'%(?:[1-9]|n)')


def marked_texts(ts):
    """Every text of the translation and each piece of it between two places."""
    texts = set()
    for message in ET.parse(ts).getroot().iter('message'):
        source = message.find('source').text or ''
        texts.add(source)
        texts.update(piece for piece in PLACE.split(source) if re.search('[A-Za-z]', piece))
    return texts


def literals(text):
    """(line, text) of each string literal outside a mark; comments and character literals skipped."""
    depth, opening = 0, False  # parentheses open within a mark; a mark's name just read
    for token in TOKENS.finditer(text):
        word = token.group()
        if word.startswith('QT_'):
            opening = True
        elif word == '(':
            depth += 1 if opening or depth else 0
            opening = False
        elif word == ')':
            depth -= 1 if depth else 0
        elif word.startswith('"') and not depth:
            body = word[1:-1].encode('latin-1', 'backslashreplace').decode('unicode_escape')
            yield text.count('\n', 0, token.start()) + 1, body


def core_sources(root):
    for path in layers.sources(root):
        placed = layers.place(layers.unit(path))
        if placed and placed[2] and '/tests/' not in path and '/fuzz/' not in path:
            yield path


def main(root, ts):
    texts, faults = marked_texts(ts), []
    for path in core_sources(root):
        with open(os.path.join(root, path), encoding='utf-8') as f:
            for line, body in literals(f.read()):
                if body in texts and (path, body) not in NOT_FOR_A_PERSON:
                    faults.append(f'{path}:{line}: "{body}" is a translated text but not marked here')
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
