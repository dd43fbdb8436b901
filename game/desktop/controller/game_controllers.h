// SPDX-License-Identifier: GPL-3.0-or-later
// Game controllers through SDL's game-controller API: taken and dropped as they come and go,
// their D-pad, left stick and buttons read as the game's keys and a few commands.
#pragma once

#include "game/ports/engine_ports.h"
#include "game/ports/key_bindings.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct _SDL_GameController;

namespace kelvaro {

// What a controller button does beyond the held keys, on its press.
enum class PadCommand {
    pause,          // Start: the P key
    pressFocused,   // B (east): press the focused Next or Retry button
    newGame,        // Back (Select): New game
    takeBack,       // the buttons the player chose for these, none at first
    redo,
    hint,
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

    // The buttons the player may choose for an action, by the names the bindings keep:
    // all but B and Back, whose commands stay theirs.
    static const std::vector<std::string>& bindableButtons();
    // Reads the buttons as `pad` binds them, from the next poll on; the stick always walks.
    void bind(const KeyBindings& pad);

    // The keys held on all connected controllers together; a removed controller holds none.
    const Keys& keys() const { return keys_; }
    int connected() const { return static_cast<int>(pads_.size()); }
    bool available() const { return started_; }

private:
    struct Pad {
        _SDL_GameController* controller = nullptr;
        Keys buttons{};  // the buttons bound to walk and push
        Keys stick{};    // the left stick past its dead zone
    };

    void open(int device_index);
    void close(std::int32_t instance);
    void recompute();
    std::optional<KeyAction> bound(std::uint8_t button) const;

    bool started_ = false;
    std::map<std::int32_t, Pad> pads_;  // by SDL's joystick instance id
    Keys keys_{};
    KeyBindings bindings_ = KeyBindings::padDefaults();
};

} // namespace kelvaro
