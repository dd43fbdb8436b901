// SPDX-License-Identifier: GPL-3.0-or-later
// Key names checked as the desktop's key sequences write them, and the page's key events read through the bindings.
#include "web/web_keys.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <tuple>

namespace kelvaro {
namespace {

constexpr std::array<std::string_view, 4> modifier_names{"Ctrl", "Alt", "Shift", "Meta"};

constexpr std::array<std::string_view, 15> named_keys{"Space", "Tab", "Backspace", "Return", "Enter",
                                                      "Ins",   "Del", "Home",      "End",    "Left",
                                                      "Up",    "Right", "Down",    "PgUp",   "PgDown"};

bool functionKey(std::string_view name)
{
    if (name.size() < 2 || name.size() > 3 || name[0] != 'F' || name[1] == '0')
        return false;
    int number = 0;
    for (char c : name.substr(1)) {
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + (c - '0');
    }
    return number >= 1 && number <= 24;
}

// A key of its own: a printable ASCII character (letters in capitals), a named key, an F key.
bool plainKey(std::string_view name)
{
    if (name.size() == 1)
        return name[0] > ' ' && name[0] <= '~' && !(name[0] >= 'a' && name[0] <= 'z');
    return std::find(named_keys.begin(), named_keys.end(), name) != named_keys.end() || functionKey(name);
}

} // namespace

bool webKeyName(const std::string& name)
{
    if (std::find(modifier_names.begin(), modifier_names.end(), name) != modifier_names.end())
        return true;
    std::string_view rest = name;
    for (std::string_view modifier : modifier_names)
        if (rest.size() > modifier.size() + 1 && rest.substr(0, modifier.size()) == modifier && rest[modifier.size()] == '+')
            rest.remove_prefix(modifier.size() + 1);
    return plainKey(rest);
}

// The name with its modifiers first; a key bound bare still walks or pushes with a modifier held
// (Ctrl pushes while an arrow walks), and acts with Shift held as it did before it could be
// chosen (Shift+P pauses). With Ctrl, Alt or Meta a key that is not held types nothing, as the
// page's keys never did.
KeyDeed KeyReader::read(const KeyBindings& bindings, const PageKey& key)
{
    std::optional<KeyAction> action = bindings.action(key.name);
    if (!action && key.bare != key.name) {
        const std::optional<KeyAction> bare = bindings.action(key.bare);
        if (bare && (heldAction(*bare) || key.name == "Shift+" + key.bare))
            action = bare;
    }
    if ((action && heldAction(*action)) || (!key.down && held_.holds(key.bare)))
        return hold(key, action);
    if (!key.down)
        return {};
    if (action == KeyAction::redo)
        return {KeyDeed::Kind::redo};
    if (!action && !key.character)
        return {};
    return {KeyDeed::Kind::character, Key::left, false, false, characterFor(action, key.character)};
}

// A key held walks or pushes until it comes up. One let go that took nothing (pressed while a
// box had the keys) lets go nothing.
KeyDeed KeyReader::hold(const PageKey& key, std::optional<KeyAction> action)
{
    if (!key.down && !held_.holds(key.bare))
        return {};
    KeyDeed deed{KeyDeed::Kind::held};
    if (key.repeat)
        return deed;  // nothing changes, but the page does not scroll either
    std::tie(deed.key, deed.down) = key.down ? held_.press(key.bare, *heldKey(*action)) : held_.release(key.bare);
    deed.changed = true;
    return deed;
}

} // namespace kelvaro
