// SPDX-License-Identifier: GPL-3.0-or-later
// Game controllers through SDL's game-controller API: taken and dropped as they come and go,
// their D-pad, left stick and buttons read as the game's keys and a few commands.
#pragma once

#include "game/ports/engine_ports.h"

#include <array>
#include <cstdint>
#include <map>
#include <vector>

struct _SDL_GameController;

namespace kelvaro {

// What a controller button does beyond the held keys, on its press.
enum class PadCommand {
    pause,          // Start: the P key
    pressFocused,   // B (east): press the focused Next or Retry button
    newGame,        // Back (Select): New game
};

class GameControllers {
public:
    using Keys = std::array<bool, 5>;  // indexed by Key

    // Starts SDL's game-controller subsystem; without it there are simply no controllers.
    GameControllers();
    GameControllers(const GameControllers&) = delete;
    GameControllers& operator=(const GameControllers&) = delete;
    ~GameControllers();

    // Reads what SDL has seen since the last call: controllers connected or removed, buttons
    // pressed and released, the stick moved. Returns the commands pressed, in order.
    std::vector<PadCommand> poll();

    // The keys held on all connected controllers together; a removed controller holds none.
    const Keys& keys() const { return keys_; }
    int connected() const { return static_cast<int>(pads_.size()); }
    bool available() const { return started_; }

private:
    struct Pad {
        _SDL_GameController* controller = nullptr;
        Keys buttons{};  // the D-pad and A
        Keys stick{};    // the left stick past its dead zone
    };

    void open(int device_index);
    void close(std::int32_t instance);
    void recompute();

    bool started_ = false;
    std::map<std::int32_t, Pad> pads_;  // by SDL's joystick instance id
    Keys keys_{};
};

} // namespace kelvaro
