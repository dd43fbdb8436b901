// SPDX-License-Identifier: GPL-3.0-or-later
// The Help and About windows' words, shown line for line by every shell.
#pragma once

#include "level/message.h"

#include <vector>

namespace kelvaro {

// A small window of text: its title and its lines, in order (a line may be empty).
struct WindowText {
    Message title;
    std::vector<Message> lines;
};

WindowText helpText();
WindowText aboutText();

} // namespace kelvaro
