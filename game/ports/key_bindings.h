// SPDX-License-Identifier: GPL-3.0-or-later
// The player's keys: which keyboard keys and controller buttons do what, the ready sets, and what makes a set unusable.
#pragma once

#include "game/ports/keys.h"
#include "level/message.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

enum class KeyAction { left, right, up, down, push, pause, takeBack, redo, hint };

inline constexpr std::array<KeyAction, 9> key_actions{KeyAction::left,  KeyAction::right,    KeyAction::up,
                                                      KeyAction::down,  KeyAction::push,     KeyAction::pause,
                                                      KeyAction::takeBack, KeyAction::redo, KeyAction::hint};

// The action's name in the settings file, never translated.
const char* settingsName(KeyAction action);
// The action as a player reads it.
Message actionWords(KeyAction action);
// Whether the action is a key the play loop reads while it is held, rather than on its press.
bool heldAction(KeyAction action);
// The play loop's key a held action holds: an arrow, or Ctrl to push; none for an action pressed.
std::optional<Key> heldKey(KeyAction action);

// What a key is called: a keyboard key by its portable name ("Left", "W", "Ctrl", "Shift+U"),
// a controller button by the short name its shell gives it ("A", "Start", "DpadUp").
class KeyBindings {
public:
    using Names = std::vector<std::string>;
    enum class Device { keyboard, controller };

    // The game's own keys: the arrows, Ctrl to push, P, Backspace or U to take back,
    // Shift+Backspace or Shift+U to redo, H for a hint.
    static KeyBindings defaults();
    static KeyBindings arrows() { return defaults(); }
    // W A S D to walk, Space to push; the rest as the defaults.
    static KeyBindings wasd();
    // H J K L to walk as in vi, Space to push, F for a hint; the rest as the defaults.
    static KeyBindings hjkl();
    // The D-pad, A to push, Start to pause; no button takes back, redoes or asks a hint.
    static KeyBindings padDefaults();

    Device device() const { return device_; }
    // A keyboard action takes one or two keys; a controller's, one button or none.
    std::size_t most() const { return device_ == Device::keyboard ? 2 : 1; }
    const Names& keys(KeyAction action) const { return names_[index(action)]; }
    void set(KeyAction action, Names names) { names_[index(action)] = std::move(names); }
    std::optional<KeyAction> action(std::string_view name) const;

    // Why the set cannot be used, or nothing: a key chosen for two actions, or a keyboard
    // action left without a key.
    std::optional<Message> fault() const;

    // The keys kept in a settings file. An action whose entry is missing, damaged (no name,
    // too many, a name `known` does not accept) or takes a key an earlier action has, gets
    // its default, less any key taken already; the other actions keep what was saved.
    static KeyBindings read(const KeyBindings& defaults, const std::function<std::optional<Names>(KeyAction)>& saved,
                            const std::function<bool(const std::string&)>& known);

    friend bool operator==(const KeyBindings&, const KeyBindings&) = default;

private:
    explicit KeyBindings(Device device) : device_(device) {}
    static KeyBindings lettersToWalk(const char* left, const char* right, const char* up, const char* down);
    static std::size_t index(KeyAction action) { return static_cast<std::size_t>(action); }
    bool takes(const Names& names, std::size_t before) const;

    Device device_;
    std::array<Names, key_actions.size()> names_{};
};

// The keyboard's keys and the controller's buttons, as the player chose them.
struct PlayerKeys {
    KeyBindings keyboard = KeyBindings::defaults();
    KeyBindings pad = KeyBindings::padDefaults();
    friend bool operator==(const PlayerKeys&, const PlayerKeys&) = default;
};

// The character key the window's model knows an action by ('P', '\b', 'h'). A key bound to no
// action keeps its own character, unless the model would read that as an action it is not
// bound to: then 0, which only ends a pause as any other key does.
char characterFor(std::optional<KeyAction> action, char typed);

} // namespace kelvaro
