// SPDX-License-Identifier: GPL-3.0-or-later
// Options > Keys on the page: the box keeps the keys being chosen, and refuses OK while a key does two things.
#include "web/web_dialogs.h"

#include "web/web_keys.h"

#include <algorithm>
#include <array>

namespace kelvaro {
namespace {

// As the desktop's box lays them out: Arrows, WASD, HJKL, Defaults.
const std::array<KeyBindings (*)(), 4> ready_sets{&KeyBindings::arrows, &KeyBindings::wasd, &KeyBindings::hjkl,
                                                   &KeyBindings::defaults};

std::optional<KeyAction> actionAt(int index)
{
    if (index < 0 || index >= static_cast<int>(key_actions.size()))
        return std::nullopt;
    return key_actions[static_cast<std::size_t>(index)];
}

} // namespace

void WebDialogs::chooseKeys(const PlayerKeys& keys, std::function<void(std::optional<PlayerKeys>)> done)
{
    const int id = open([this, done](bool yes, const std::string&) {
        std::optional<PlayerKeys> chosen;
        if (yes && keys_box_)
            chosen = keys_box_->keys;
        keys_box_.reset();
        done(chosen);
    });
    keys_box_ = KeysBox{id, keys};
    showKeys();
}

void WebDialogs::showKeys(const std::string& refusal)
{
    KeysView view{{}, {}, refusal};
    for (KeyAction action : key_actions) {
        view.actions.push_back(worded(actionWords(action)));
        view.keys.push_back(keys_box_->keys.keyboard.keys(action));
    }
    page_.showKeys(keys_box_->id, view);
}

// A key the action has already is not taken twice; one no keyboard has is not taken at all.
void WebDialogs::keysChoose(int index, int slot, const std::string& name)
{
    const std::optional<KeyAction> action = actionAt(index);
    if (!keys_box_ || !action || slot < 0 || slot > 1 || !webKeyName(name))
        return;
    KeyBindings::Names names = keys_box_->keys.keyboard.keys(*action);
    if (std::find(names.begin(), names.end(), name) == names.end()) {
        if (static_cast<std::size_t>(slot) < names.size())
            names[static_cast<std::size_t>(slot)] = name;
        else
            names.push_back(name);
        keys_box_->keys.keyboard.set(*action, names);
    }
    showKeys();
}

void WebDialogs::keysClear(int index)
{
    if (const std::optional<KeyAction> action = actionAt(index); keys_box_ && action) {
        keys_box_->keys.keyboard.set(*action, {});
        showKeys();
    }
}

void WebDialogs::keysReady(int set)
{
    if (!keys_box_ || set < 0 || set >= static_cast<int>(ready_sets.size()))
        return;
    keys_box_->keys.keyboard = ready_sets[static_cast<std::size_t>(set)]();
    showKeys();
}

void WebDialogs::keysOk()
{
    if (!keys_box_)
        return;
    if (const std::optional<Message> fault = keys_box_->keys.keyboard.fault()) {
        showKeys(worded(*fault));
        return;
    }
    const int id = keys_box_->id;
    page_.closeBox(id);
    answer(id, true, {});
}

} // namespace kelvaro
