// SPDX-License-Identifier: GPL-3.0-or-later
// The keys the play loop reads while they are held: the arrows and Ctrl.
#pragma once

namespace kelvaro {

enum class Key { left, right, up, down, ctrl };

// Which keys are held, as last seen by the shell's own key events.
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual bool down(Key key) const = 0;
};

} // namespace kelvaro
