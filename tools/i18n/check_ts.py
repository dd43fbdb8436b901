#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a translation is not finished or out of date with the sources (lupdate run on a copy
# finds a new or vanished text), or when a translation drops or adds a %1-style place.
# usage: check_ts.py LUPDATE SOURCE_ROOT TS...
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACE = re.compile(r'%(?:[1-9]|n)')


def faults_in(path, name):
    faults = []
    for context in ET.parse(path).getroot().iter('context'):
        for message in context.iter('message'):
            source = message.find('source').text or ''
            translation = message.find('translation')
            where = f'{name}: {context.find("name").text}: {source!r}'
            kind = translation.get('type')
            if kind in ('unfinished', 'obsolete', 'vanished'):
                faults.append(f'{where}: {kind}')
                continue
            forms = [f.text or '' for f in translation.iter('numerusform')] or [translation.text or '']
            wanted = sorted(set(PLACE.findall(source)))
            for form in forms:
                if not form.strip() and source.strip():
                    faults.append(f'{where}: empty translation')
                elif sorted(set(PLACE.findall(form))) != wanted:
                    faults.append(f'{where}: places {sorted(set(PLACE.findall(form)))} in {form!r}, not {wanted}')
    return faults


def main(lupdate, root, files):
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for path in files:
            copy = os.path.join(scratch, os.path.basename(path))
            shutil.copy(path, copy)
            copies.append(copy)
        # Without -no-obsolete: a text gone from the sources shows as vanished, a new one as unfinished.
        subprocess.run([lupdate, '-silent', '-locations', 'none', '-I', root, '-extensions', 'cpp,h',
                        *[os.path.join(root, d) for d in ('game', 'editor', 'level', 'i18n', 'tools', 'web')],
                        '-ts', *copies], check=True, stdout=subprocess.DEVNULL)
        for copy in copies:
            faults += faults_in(copy, os.path.basename(copy))
    for fault in faults:
        print(fault)
    print(f'{len(files)} translations checked, {len(faults)} faults')
    return 1 if faults or not files else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
