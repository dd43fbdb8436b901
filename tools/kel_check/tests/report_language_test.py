#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# kel_check's report in the reader's language: English byte for byte as scripts read it, German with
# the same figures and file names, the kept Options > Language choice before the desktop's, and
# no report word escaping the pseudo-translation.
# usage: report_language_test.py KEL_CHECK DATA_DIR TRANSLATIONS_DIR PSEUDO_QM ENGLISH_EXPECTED
import os
import re
import shutil
import subprocess
import sys
import tempfile

# Every kind of finding, set line, table cell, --help and option error, in one listing.
RUNS = [
    ['--moves', 'damaged.txt', 'broken.txt', 'open_frame.txt', 'short_time.txt', 'truncated.txt',
     'unsolvable.txt', 'gapped_set', 'no_level_set', 'missing.txt'],
    ['--quick', 'good.txt', 'good.txt', 'broken_picture.txt'],
    ['--picture', 'good.txt', 'good_picture.txt', 'broken_picture.txt'],
    ['--markdown', 'good.txt', 'broken.txt', 'unsolvable.txt'],
    ['--help'],
    ['--limit', 'x'], ['--seconds', '0'], ['--limit'], ['--moves=1', 'a'], ['--frob'], [],
]
# What stays as it is in every language: figures with their units, file and set names, the
# program and its options, the set's own title, the moves and a level's picture.
KEPT = re.compile(r'\S+\.txt|gapped_set|no_level_set|kel_check|--[a-z]+|Three with a gap|\brR\b|'
                  r'\d+(?:\.\d+)? s\b|\d+ x \d+|^\| [\w.-]+ \||'  # a table row begins with the file's stem
                  r'^time -?\d+$|^[.#o*GS?]+$')  # a level's picture: its time line and rows
MARKED = re.compile('⟦[^⟦⟧]*⟧')
FIGURES = re.compile(r'\d+(?:\.\d+)?')


def listing(kel_check, data, env):
    """Every run's standard output, standard error and status, one after the other."""
    out = []
    for args in RUNS:
        done = subprocess.run([kel_check, *args], cwd=data, env=env, capture_output=True, text=True)
        out.append(f'$ kel_check {" ".join(args)}\n{done.stdout}[stderr]\n{done.stderr}[status {done.returncode}]\n')
    return ''.join(out)


def environment(config, **settings):
    env = {k: v for k, v in os.environ.items() if k not in ('LANGUAGE', 'LC_ALL', 'LC_MESSAGES', 'LANG')}
    env.update(LANG='C.UTF-8', XDG_CONFIG_HOME=config, **settings)
    return env


def keep_choice(config, code):
    os.makedirs(os.path.join(config, 'kelvaro'), exist_ok=True)
    with open(os.path.join(config, 'kelvaro', 'kelvaro.ini'), 'w') as f:
        f.write(f'[options]\nlanguage={code}\n')


def report_lines(text):
    return [line for line in text.split('\n') if not line.startswith(('$ ', '[stderr]', '[status '))]


def help_text(text):
    return text.split('$ kel_check --help\n')[1].split('[stderr]')[0]


def words_left(line):
    return re.findall(r'[^\W\d_]+', KEPT.sub(' ', line))


def main(kel_check, data, translations, pseudo_qm, expected_file):
    faults = []
    with open(expected_file, encoding='utf-8') as f:
        expected = f.read()
    with tempfile.TemporaryDirectory() as scratch:
        blank = os.path.join(scratch, 'blank')
        english = listing(kel_check, data, environment(blank, LANGUAGE='en'))
        if english != expected:
            faults.append('LANGUAGE=en: the English output changed')
        if listing(kel_check, data, environment(blank)) != expected:
            faults.append('LANG=C.UTF-8: the English output changed')

        german = listing(kel_check, data, environment(blank, LANGUAGE='de', LC_ALL='de_DE.UTF-8'))
        if sorted(FIGURES.findall(german)) != sorted(FIGURES.findall(english)):
            faults.append('LANGUAGE=de: the figures differ from the English ones')
        if sorted(re.findall(r'\S+\.txt', german)) != sorted(re.findall(r'\S+\.txt', english)):
            faults.append('LANGUAGE=de: the file names differ from the English ones')
        en_lines = report_lines(english.replace(help_text(english), ''))
        de_lines = report_lines(german.replace(help_text(german), ''))
        if len(en_lines) != len(de_lines):
            faults.append(f'LANGUAGE=de: {len(de_lines)} lines, not {len(en_lines)} as in English')
        for en, de in zip(en_lines, de_lines):
            if words_left(en) and en == de:
                faults.append(f'LANGUAGE=de: left in English: {de!r}')
        if not help_text(german).startswith('Aufruf: kel_check'):
            faults.append('LANGUAGE=de: --help is not German')

        # A value the reader typed is shown as it is, even where it spells one of the words.
        done = subprocess.run([kel_check, '--limit', 'goal', 'good.txt'], cwd=data,
                              env=environment(blank, LANGUAGE='de', LC_ALL='de_DE.UTF-8'), capture_output=True, text=True)
        if 'goal' not in done.stderr or 'Ziel' in done.stderr:
            faults.append(f'LANGUAGE=de: a value on the command line was translated: {done.stderr!r}')

        # The choice kept in Options > Language comes before the desktop's language.
        chosen = os.path.join(scratch, 'chosen')
        keep_choice(chosen, 'fr')
        french = listing(kel_check, data, environment(chosen, LANGUAGE='de'))
        if 'damaged.txt: ÉCHEC' not in french:
            faults.append('kept choice fr: the report is not French')

        # The pseudo-translation beside a copy of the program: every word outside its marks is a fault.
        folder = os.path.join(scratch, 'program')
        os.makedirs(os.path.join(folder, 'translations'))
        copy = shutil.copy(kel_check, folder)
        shutil.copy(pseudo_qm, os.path.join(folder, 'translations'))
        pseudo = listing(copy, data, environment(blank, LANGUAGE='eo'))
        if sorted(FIGURES.findall(pseudo)) != sorted(FIGURES.findall(english)):
            faults.append('pseudo-translation: the figures differ from the English ones')
        for line in report_lines(pseudo):
            unmarked = line
            while MARKED.search(unmarked):  # a translated text may hold translated places
                unmarked = MARKED.sub(' ', unmarked)
            if words_left(unmarked):
                faults.append(f'pseudo-translation: not translated: {line!r}')
    for fault in faults:
        print(fault)
    print(f'{len(RUNS)} runs in English, German, French and the pseudo-translation, {len(faults)} faults')
    return 1 if faults else 0


if __name__ == '__main__':
    if sys.argv[1] == '--print':  # the English listing, for a new expected file
        sys.stdout.write(listing(sys.argv[2], sys.argv[3], environment('/nonexistent', LANGUAGE='en')))
        sys.exit(0)
    sys.exit(main(*sys.argv[1:]))
