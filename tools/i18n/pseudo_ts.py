#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a pseudo-translation from a .ts: every text wrapped in ⟦ ⟧ with its letters accented, its
# %1-style places, %n and line breaks kept, so a test can spot any text that escapes translation.
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans('aceinosuyAEIOUYCN', 'àçéîñöšûÿÀÉÎÖÜŸÇÑ')
OPEN, CLOSE = '⟦', '⟧'


def pseudo(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == '%' and i + 1 < len(text) and (text[i + 1].isdigit() or text[i + 1] == 'n'):
            out.append(text[i:i + 2])
            i += 2
        else:
            out.append(text[i].translate(ACCENTED))
            i += 1
    # Each line is marked, so a text shown line by line still carries the markers.
    return '\n'.join(OPEN + line + CLOSE if line.strip() else line for line in ''.join(out).split('\n'))


def main(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set('language', 'eo')
    for message in root.iter('message'):
        translation = message.find('translation')
        for child in list(translation):
            translation.remove(child)
        translation.attrib.pop('type', None)
        text = pseudo(message.find('source').text or '')
        if message.get('numerus') == 'yes':
            translation.text = None
            for _ in range(2):  # Esperanto's two forms, one and other
                ET.SubElement(translation, 'numerusform').text = text
        else:
            translation.text = text
    tree.write(target, encoding='utf-8', xml_declaration=True)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
