// SPDX-License-Identifier: GPL-3.0-or-later
// The game's modal boxes: the run is suspended while one is open, and goes on in its callback.
#pragma once

#include "game/engine/engine.h"
#include "game/ports/dialogs.h"

#include <functional>
#include <string>

namespace kelvaro {

class Boxes {
public:
    Boxes(Engine& engine, Dialogs& dialogs) : engine_(engine), dialogs_(dialogs) {}

    Dialogs& dialogs() { return dialogs_; }

    // Opens a modal box: `open` gets the call that says it closed, which resumes the run.
    template <typename Open>
    void modal(Open open)
    {
        engine_.suspend();
        open([this] { engine_.resume(); });
    }
    // An OK box; `then` follows its closing.
    void say(const Message& text, std::function<void()> then = [] {});
    // Asks "Are you sure?" under `title`; only Yes goes on.
    void ifSure(const char* title, std::function<void()> then);

private:
    Engine& engine_;
    Dialogs& dialogs_;
};

} // namespace kelvaro
