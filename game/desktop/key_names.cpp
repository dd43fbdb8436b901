// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard keys by their portable names, as the player's bindings keep them.
#include "game/desktop/key_names.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace kelvaro {
namespace {

struct ModifierKey {
    int key;
    const char* name;
};

constexpr ModifierKey modifier_keys[] = {
    {Qt::Key_Control, "Ctrl"}, {Qt::Key_Shift, "Shift"}, {Qt::Key_Alt, "Alt"}, {Qt::Key_Meta, "Meta"}};

bool symbolKey(int key) { return key > Qt::Key_Space && key <= Qt::Key_AsciiTilde && !(key >= Qt::Key_A && key <= Qt::Key_Z); }

} // namespace

bool modifierKey(int qt_key)
{
    for (const ModifierKey& modifier : modifier_keys)
        if (modifier.key == qt_key)
            return true;
    return false;
}

QString keyName(const QKeyEvent& event, bool with_modifiers)
{
    const int key = event.key();
    for (const ModifierKey& modifier : modifier_keys)
        if (modifier.key == key)
            return QString::fromLatin1(modifier.name);
    if (key == 0 || key == Qt::Key_unknown)
        return QString();
    Qt::KeyboardModifiers held =
        with_modifiers ? event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)
                       : Qt::KeyboardModifiers();
    if (symbolKey(key))
        held &= ~Qt::ShiftModifier;
    return QKeySequence(QKeyCombination(held, static_cast<Qt::Key>(key))).toString(QKeySequence::PortableText);
}

bool knownKeyName(const std::string& name)
{
    const QString text = QString::fromStdString(name);
    for (const ModifierKey& modifier : modifier_keys)
        if (text == QLatin1String(modifier.name))
            return true;
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence.toString(QKeySequence::PortableText) != text)
        return false;
    const Qt::Key key = sequence[0].key();
    return key != Qt::Key_Escape && key != Qt::Key_unknown && !modifierKey(key);
}

} // namespace kelvaro
