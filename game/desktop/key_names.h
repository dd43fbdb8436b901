// SPDX-License-Identifier: GPL-3.0-or-later
// The stable names the bindings keep keyboard keys by, read from Qt's key events.
#pragma once

#include <QString>

#include <string>

class QKeyEvent;

namespace kelvaro {

// The key an event is about, by Qt's portable name: "Ctrl" for the Ctrl key itself, "Shift+U"
// with the modifiers held, or the bare "U". Shift is never named with a symbol key: it is what
// typed the symbol ("?", not "Shift+?").
QString keyName(const QKeyEvent& event, bool with_modifiers);

// The name a key takes when the player presses it to choose it: with its modifiers.
inline QString chosenKeyName(const QKeyEvent& event) { return keyName(event, true); }

// Whether the name is one of a key a player may choose: a single key, with or without
// modifiers. Esc is not: it drops a pick, and leaves the boxes.
bool knownKeyName(const std::string& name);

// Whether the Qt key is a modifier key (Ctrl, Shift, Alt, Meta), which another key may be held with.
bool modifierKey(int qt_key);

} // namespace kelvaro
