// SPDX-License-Identifier: GPL-3.0-or-later
// What the game's middle reads of the engine's state and asks it to change, in one place: each a call of its own.
#pragma once

#include "game/engine/engine.h"

#include <cstdint>
#include <optional>

namespace kelvaro::engine_calls {

inline bool playing(const Engine& engine) { return engine.playing; }
inline bool timeUp(const Engine& engine) { return engine.timeup; }
inline bool paused(const Engine& engine) { return engine.paused != 0; }
inline int level(const Engine& engine) { return engine.level; }
inline int timeLeft(const Engine& engine) { return engine.timeleft; }
inline std::uint32_t lastStep(const Engine& engine) { return engine.lasttick; }

inline void setPaused(Engine& engine, bool paused) { engine.paused = paused ? 1 : 0; }

// Starts level `number`: the one Restart, Retry and Next then count from.
inline std::optional<LevelError> startLevel(Engine& engine, int number)
{
    engine.level = number;
    return engine.startlevel(number);
}

// A second of the countdown: the time left, with the warning at ten; at none the time is up.
inline int tickCountdown(Engine& engine)
{
    // Counted in a wider integer: a limit of -32768 ends at the first tick like any negative one.
    const int left = engine.timeleft - 1;
    if (left == 10)
        engine.playOnce(Sound::hurryup);
    engine.timeleft = static_cast<std::int16_t>(left < 1 ? 0 : left);
    engine.timeup = left < 1;
    return left;
}

} // namespace kelvaro::engine_calls
