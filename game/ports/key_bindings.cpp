// SPDX-License-Identifier: GPL-3.0-or-later
// The player's keys: the ready sets, the check that no key does two things, and reading them back from the settings.
#include "game/ports/key_bindings.h"

#include <algorithm>

namespace kelvaro {
namespace {

constexpr const char* keys_context = "kelvaro::KeyBindings";

struct ActionNames {
    const char* setting;
    const char* words;
};

constexpr ActionNames action_names[] = {
    {"left", QT_TRANSLATE_NOOP("kelvaro::KeyBindings", "Walk left")},
    {"right", QT_TRANSLATE_NOOP("kelvaro::KeyBindings", "Walk right")},
    {"up", QT_TRANSLATE_NOOP("kelvaro::KeyBindings", "Walk up")},
    {"down", QT_TRANSLATE_NOOP("kelvaro::KeyBindings", "Walk down")},
    {"push", QT_TRANSLATE_NOOP("kelvaro::KeyBindings", "Push")},
    {"pause", QT_TRANSLATE_NOOP("kelvaro::KeyBindings", "Pause")},
    {"takeBack", QT_TRANSLATE_NOOP("kelvaro::KeyBindings", "Take back")},
    {"redo", QT_TRANSLATE_NOOP("kelvaro::KeyBindings", "Redo")},
    {"hint", QT_TRANSLATE_NOOP("kelvaro::KeyBindings", "Hint")},
};

bool contains(const KeyBindings::Names& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

const char* settingsName(KeyAction action) { return action_names[static_cast<std::size_t>(action)].setting; }

Message actionWords(KeyAction action) { return phrase(keys_context, action_names[static_cast<std::size_t>(action)].words); }

bool heldAction(KeyAction action) { return action <= KeyAction::push; }

std::optional<Key> heldKey(KeyAction action)
{
    switch (action) {
    case KeyAction::left: return Key::left;
    case KeyAction::right: return Key::right;
    case KeyAction::up: return Key::up;
    case KeyAction::down: return Key::down;
    case KeyAction::push: return Key::ctrl;
    default: return std::nullopt;
    }
}

KeyBindings KeyBindings::defaults()
{
    KeyBindings keys(Device::keyboard);
    keys.names_ = {Names{"Left"}, {"Right"}, {"Up"}, {"Down"}, {"Ctrl"}, {"P"}, {"Backspace", "U"},
                   {"Shift+Backspace", "Shift+U"}, {"H"}};
    return keys;
}

// Letters to walk leave the hand on the keyboard's left or middle: Space pushes under the thumb.
KeyBindings KeyBindings::lettersToWalk(const char* left, const char* right, const char* up, const char* down)
{
    KeyBindings keys = defaults();
    keys.names_[index(KeyAction::left)] = {left};
    keys.names_[index(KeyAction::right)] = {right};
    keys.names_[index(KeyAction::up)] = {up};
    keys.names_[index(KeyAction::down)] = {down};
    keys.names_[index(KeyAction::push)] = {"Space"};
    return keys;
}

KeyBindings KeyBindings::wasd() { return lettersToWalk("A", "D", "W", "S"); }

KeyBindings KeyBindings::hjkl()
{
    KeyBindings keys = lettersToWalk("H", "L", "K", "J");
    keys.names_[index(KeyAction::hint)] = {"F"};  // H walks left
    return keys;
}

KeyBindings KeyBindings::padDefaults()
{
    KeyBindings keys(Device::controller);
    keys.names_ = {Names{"DpadLeft"}, {"DpadRight"}, {"DpadUp"}, {"DpadDown"}, {"A"}, {"Start"}, {}, {}, {}};
    return keys;
}

std::optional<KeyAction> KeyBindings::action(std::string_view name) const
{
    for (KeyAction action : key_actions)
        for (const std::string& bound : keys(action))
            if (bound == name)
                return action;
    return std::nullopt;
}

std::optional<Message> KeyBindings::fault() const
{
    for (std::size_t a = 0; a < names_.size(); ++a) {
        if (names_[a].empty() && device_ == Device::keyboard)
            return phrase(keys_context, QT_TRANSLATE_NOOP("kelvaro::KeyBindings", "Choose a key for %1."),
                          {actionWords(key_actions[a])});
        for (std::size_t n = 0; n < names_[a].size(); ++n)
            for (std::size_t b = 0; b <= a; ++b) {
                const Names& other = names_[b];
                const auto end = b == a ? other.begin() + static_cast<std::ptrdiff_t>(n) : other.end();
                if (std::find(other.begin(), end, names_[a][n]) == end)
                    continue;
                const char* words = device_ == Device::keyboard
                                        ? QT_TRANSLATE_NOOP("kelvaro::KeyBindings", "The key %1 is chosen for both %2 and %3.")
                                        : QT_TRANSLATE_NOOP("kelvaro::KeyBindings", "The button %1 is chosen for both %2 and %3.");
                return phrase(keys_context, words, {names_[a][n], actionWords(key_actions[b]), actionWords(key_actions[a])});
            }
    }
    return std::nullopt;
}

bool KeyBindings::takes(const Names& names, std::size_t before) const
{
    for (std::size_t b = 0; b < before; ++b)
        for (const std::string& name : names)
            if (contains(names_[b], name))
                return true;
    return false;
}

KeyBindings KeyBindings::read(const KeyBindings& defaults, const std::function<std::optional<Names>(KeyAction)>& saved,
                              const std::function<bool(const std::string&)>& known)
{
    KeyBindings keys(defaults.device_);
    for (std::size_t a = 0; a < key_actions.size(); ++a) {
        const std::optional<Names> entry = saved(key_actions[a]);
        const bool whole = entry && entry->size() <= keys.most() && std::all_of(entry->begin(), entry->end(), known) &&
                           (!entry->empty() || keys.device_ == Device::controller) &&
                           std::adjacent_find(entry->begin(), entry->end()) == entry->end();
        if (whole && !keys.takes(*entry, a)) {
            keys.names_[a] = *entry;
            continue;
        }
        for (const std::string& name : defaults.names_[a])
            if (!keys.takes({name}, a))
                keys.names_[a].push_back(name);
    }
    return keys;
}

char characterFor(std::optional<KeyAction> action, char typed)
{
    if (action) {
        switch (*action) {
        case KeyAction::pause: return 'P';
        case KeyAction::takeBack: return '\b';
        case KeyAction::hint: return 'h';
        default: return 0;
        }
    }
    constexpr std::string_view model_keys = "PpUuHh\b";
    return model_keys.find(typed) == std::string_view::npos ? typed : 0;
}

} // namespace kelvaro
