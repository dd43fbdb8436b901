// SPDX-License-Identifier: GPL-3.0-or-later
// The held keys as seen by the main window's own key events, and by the game controllers.
#pragma once

#include "game/ports/engine_ports.h"

#include <array>

namespace kelvaro {

class KeyTable : public KeyState {
public:
    using Keys = std::array<bool, 5>;  // indexed by Key

    // A key counts as down while the keyboard or any controller holds it.
    bool down(Key key) const override
    {
        const auto k = static_cast<std::size_t>(key);
        return keyboard_[k] || pads_[k];
    }
    void set(Key key, bool is_down) { keyboard_[static_cast<std::size_t>(key)] = is_down; }
    // What the controllers hold together, as they last reported it.
    void setPads(const Keys& held) { pads_ = held; }
    // When the window loses the focus no key release will reach it: forget the keyboard's keys.
    // The controllers keep reporting their own state, focus or not.
    void clear() { keyboard_.fill(false); }

private:
    Keys keyboard_{};
    Keys pads_{};
};

} // namespace kelvaro
