#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs layers.py on a copy of the tree's sources: the copy passes, and each planted fault
# (an include up a layer, one across to a group beside, one between the game and the editor,
# Qt in the plain core, a cycle) fails it with a line that names the fault.
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = os.path.join(HERE, '..', 'layers.py')
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
TOPS = ('level', 'game', 'editor', 'tools', 'bench', 'assets', 'i18n', 'translations')


class LayersTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = tempfile.mkdtemp(prefix='kelvaro-layers-')
        for top in TOPS:
            shutil.copytree(os.path.join(ROOT, top), os.path.join(cls.root, top),
                            ignore=lambda folder, names: [n for n in names if n == 'corpus' or (
                                os.path.isfile(os.path.join(folder, n)) and not n.endswith(('.h', '.cpp')))])

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.root)

    def setUp(self):
        self.planted = []

    def tearDown(self):
        for path in self.planted:
            os.remove(os.path.join(self.root, path))

    def run_check(self):
        done = subprocess.run([sys.executable, SCRIPT, '--root', self.root], capture_output=True, text=True)
        return done.returncode, done.stdout

    def plant(self, path, line):
        with open(os.path.join(self.root, path), 'x', encoding='utf-8') as f:
            f.write(line + '\n')
        self.planted.append(path)

    def assertFails(self, path, line, fault):
        self.plant(path, line)
        status, out = self.run_check()
        self.assertEqual(status, 1, out)
        self.assertIn(fault, out)

    def test_the_tree_as_it_is_passes(self):
        self.assertEqual(self.run_check(), (0, ''))

    def test_an_include_up_a_layer_fails(self):
        self.assertFails('game/engine/planted.cpp', '#include "game/play/game_window_model.h"',
                         'game/engine/planted.cpp: includes game/play, a layer above game/engine')

    def test_an_include_of_a_group_beside_fails(self):
        self.assertFails('game/records/planted.cpp', '#include "assets/art.h"',
                         'game/records/planted.cpp: includes assets, a layer beside game/records')

    def test_the_game_and_the_editor_keep_apart(self):
        self.assertFails('editor/core/tests/planted.cpp', '#include "game/engine/engine.h"',
                         'editor/core/tests/planted.cpp: includes game/engine, which editor/core must keep apart from')

    def test_qt_in_the_plain_core_fails(self):
        self.assertFails('level/solver/planted.cpp', '#include <QString>',
                         'level/solver/planted.cpp: the plain C++ core includes <QString>')

    def test_a_cycle_within_a_layer_fails(self):
        self.assertFails('level/solver/planted.h', '#include "level/analysis/level_analysis.h"',
                         'include cycle: level/analysis -> level/solver -> level/analysis')


if __name__ == '__main__':
    unittest.main()
