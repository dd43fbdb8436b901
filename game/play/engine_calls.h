// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's state the game's middle changes, in one place: each change a call of its own.
#pragma once

#include "game/engine/engine.h"

#include <cstdint>

namespace kelvaro::engine_calls {

inline void setPaused(Engine& engine, bool paused) { engine.paused = paused ? 1 : 0; }

inline void setLevel(Engine& engine, int number) { engine.level = number; }

// The countdown's second: the time left, and at none the time is up.
inline void setTimeLeft(Engine& engine, int left)
{
    if (left < 1) {
        engine.timeleft = 0;
        engine.timeup = true;
    } else {
        engine.timeleft = static_cast<std::int16_t>(left);
    }
}

} // namespace kelvaro::engine_calls
