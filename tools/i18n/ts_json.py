#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Turns the .ts translations into what the web page loads: LANG.json for each (context -> source ->
# translation, a list of the plural forms for a %n text), and languages.js, the languages the page
# offers in their own names, English first. What lrelease leaves out is left out here too.
# usage: ts_json.py OUTPUT_DIR TS...
import json
import os
import sys
import xml.etree.ElementTree as ET

# Each language as its speakers name it in a menu, as the desktop's Options > Language does.
NAMES = {'en': 'English', 'de': 'Deutsch', 'fr': 'Français', 'es': 'Español', 'it': 'Italiano',
         'pl': 'Polski', 'pt_BR': 'Português (Brasil)'}


def translations(root):
    """{context: {source: text or [forms]}} of the finished and unfinished texts that have words."""
    table = {}
    for context in root.iter('context'):
        name = context.find('name').text or ''
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation is None or translation.get('type') in ('obsolete', 'vanished'):
                continue
            source = message.find('source').text or ''
            if message.get('numerus') == 'yes':
                forms = [form.text or '' for form in translation.iter('numerusform')]
                if forms and all(forms):
                    table.setdefault(name, {})[source] = forms
            elif translation.text:
                table.setdefault(name, {})[source] = translation.text
    return table


def main(out, files):
    os.makedirs(out, exist_ok=True)
    codes = []
    for path in files:
        root = ET.parse(path).getroot()
        code = root.get('language')
        codes.append(code)
        with open(os.path.join(out, code + '.json'), 'w', encoding='utf-8') as f:
            json.dump({'language': code, 'messages': translations(root)}, f, ensure_ascii=False, sort_keys=True)
    languages = [[code, NAMES.get(code, code)] for code in ['en'] + sorted(codes)]
    with open(os.path.join(out, 'languages.js'), 'w', encoding='utf-8') as f:
        f.write('// Made by tools/i18n/ts_json.py from the .ts files: the languages the page offers.\n')
        f.write('var KelvaroLanguages = ' + json.dumps(languages, ensure_ascii=False) + ';\n')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2:]))
