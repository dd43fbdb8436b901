// SPDX-License-Identifier: GPL-3.0-or-later
// The game's modal boxes: messages and confirmations.
#include "game/play/boxes.h"
#include "game/play/window_phrases.h"

namespace kelvaro {

void Boxes::say(const Message& text, std::function<void()> then)
{
    modal([&](auto closed) {
        dialogs_.message(text, [closed, then = std::move(then)] {
            closed();
            then();
        });
    });
}

void Boxes::ifSure(const char* title, std::function<void()> then)
{
    modal([this, title, then = std::move(then)](auto closed) {
        dialogs_.confirm(gameMessage(words::sure), gameMessage(title), [closed, then](bool yes) {
            closed();
            if (yes)
                then();
        });
    });
}

} // namespace kelvaro
