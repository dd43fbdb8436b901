// SPDX-License-Identifier: GPL-3.0-or-later
// The page's keys read through the player's bindings, and the key names the page may choose, without Qt.
#pragma once

#include "game/ports/key_bindings.h"
#include "game/ports/keys.h"

#include <string>

namespace kelvaro {

// Whether `name` is a key a player may choose, as the desktop names it: a modifier alone
// ("Ctrl"), or a key ("Left", "W", "F5", "?") after any of Ctrl+, Alt+, Shift+, Meta+ in that
// order. Esc is not: it stops the wait for a key, and closes the box.
bool webKeyName(const std::string& name);

// A key pressed or let go on the page: its name with the modifiers held ("Shift+U"), the bare
// key's ("U"), and the ASCII character it types, 0 for none.
struct PageKey {
    std::string name;
    std::string bare;
    char character = 0;
    bool down = true;
    bool repeat = false;
};

// What a key does.
struct KeyDeed {
    enum class Kind { nothing, held, redo, character };
    Kind kind = Kind::nothing;
    Key key = Key::left;  // held: the play loop's key and whether it is down now
    bool down = false;
    bool changed = false;  // held: false for a key's repeat, which changes nothing
    char character = 0;    // character: what the model reads
};

// Reads the page's keys as the desktop's window reads its own.
class KeyReader {
public:
    KeyDeed read(const KeyBindings& bindings, const PageKey& key);
    // No release will come for the keys held now.
    void clear() { held_.clear(); }

private:
    KeyDeed hold(const PageKey& key, std::optional<KeyAction> action);
    HeldKeys<std::string> held_;  // by the bare key
};

} // namespace kelvaro
