// SPDX-License-Identifier: GPL-3.0-or-later
// The keys the play loop reads while they are held: the arrows and Ctrl.
#pragma once

#include <map>
#include <utility>

namespace kelvaro {

enum class Key { left, right, up, down, ctrl };

// Which keys are held, as last seen by the shell's own key events.
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual bool down(Key key) const = 0;
};

// The keys down that walk or push, by the shell's own name for each (`Id`). A key is let go by
// the key that took it, whatever modifiers come and go meanwhile, and a direction two keys took
// stays down until both are up.
template <class Id>
class HeldKeys {
public:
    bool holds(const Id& by) const { return held_.count(by) > 0; }
    // `by` went down taking `key`: the key, and that it is down.
    std::pair<Key, bool> press(const Id& by, Key key)
    {
        held_[by] = key;
        return {key, true};
    }
    // `by`, which holds a key, came up: that key, and whether another still holds it.
    std::pair<Key, bool> release(const Id& by)
    {
        const Key key = held_.at(by);
        held_.erase(by);
        bool down = false;
        for (const auto& [other, held] : held_)
            down = down || held == key;
        return {key, down};
    }
    void clear() { held_.clear(); }

private:
    std::map<Id, Key> held_;
};

} // namespace kelvaro
