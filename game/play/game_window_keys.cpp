// SPDX-License-Identifier: GPL-3.0-or-later
// Options > Keys: the keys and buttons the player chooses, asked for in a box that pauses the game as every box does.
#include "game/play/game_window_model.h"

namespace kelvaro {

void GameWindowModel::onKeys()
{
    clock_.pauseForBox();
    boxes_.modal([this](auto closed) {
        shell_.dialogs.chooseKeys(player_keys_, [this, closed](std::optional<PlayerKeys> chosen) {
            closed();
            // The box refuses a set with a key taken twice; one that slipped through is not taken.
            if (!chosen || chosen->keyboard.fault() || chosen->pad.fault() || *chosen == player_keys_)
                return;
            player_keys_ = std::move(*chosen);
            shell_.keys_chosen(player_keys_);
        });
    });
}

} // namespace kelvaro
