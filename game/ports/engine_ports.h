// SPDX-License-Identifier: GPL-3.0-or-later
// What the engine is handed from outside: the tick count, the keys, the sound and the level files.
#pragma once

#include "level/game_level.h"
#include "level/result.h"

#include <cstdint>
#include <functional>

namespace kelvaro {

// A 32-bit millisecond count that wraps after about 49.7 days; differences are taken unsigned.
using TickSource = std::function<std::uint32_t()>;

inline std::uint32_t elapsed(std::uint32_t now, std::uint32_t since) { return now - since; }

enum class Key { left, right, up, down, ctrl };

// Which keys are held, as last seen by the main window's own key events.
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual bool down(Key key) const = 0;
};

// The seven sounds, in the order they are loaded.
enum class Sound { win, lose, ready, moving, hurryup, sfyrixtra, music };

class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void playOnce(Sound sound) = 0;
    virtual void playMusicLooping() = 0;
    virtual void stopMusic() = 0;    // stops; the position stays
    virtual void rewindMusic() = 0;  // the next play starts at the beginning
};

// Reads level N ("maze" N ".txt" in the maps folder).
using LevelLoader = std::function<Result<GameLevel>(int level)>;

} // namespace kelvaro
