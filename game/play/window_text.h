// SPDX-License-Identifier: GPL-3.0-or-later
// The Help and About windows' words, shown line for line by every shell.
#pragma once

#include "game/ports/key_bindings.h"
#include "level/message.h"

#include <vector>

namespace kelvaro {

// A small window of text: its title and its lines, in order (a line may be empty).
struct WindowText {
    Message title;
    std::vector<Message> lines;
};

// With the game's own keys, the Help as it has always read; with others, its lines name them.
WindowText helpText(const KeyBindings& keys = KeyBindings::defaults());
WindowText aboutText();

} // namespace kelvaro
