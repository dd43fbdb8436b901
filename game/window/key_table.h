// The held keys as seen by the main window's own key events.
#pragma once

#include "game/engine/ports.h"

#include <array>

namespace kelvaro {

class KeyTable : public KeyState {
public:
    bool down(Key key) const override { return held_[static_cast<int>(key)]; }
    void set(Key key, bool is_down) { held_[static_cast<int>(key)] = is_down; }
    // When the window loses the focus no release will reach it: forget every key.
    void clear() { held_.fill(false); }

private:
    std::array<bool, 5> held_{};
};

} // namespace kelvaro
