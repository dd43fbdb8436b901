// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures as surfaces.
#pragma once

#include "game/engine/surface.h"

#include <cstdint>

namespace kelvaro {

struct Images {
    Surface wall;  // the border block
    Surface jewel;
    Surface goal;
    Surface blank;
    Surface crate;  // the obstacle
    Surface playerRight;  // the player's strips: facing right
    Surface playerLeft;   // facing left
    Surface playerUp;     // seen from behind, walking up
    Surface playerDown;   // facing the viewer, walking down
    Surface readyTile;    // READY!
    Surface sadPicture;   // the sad figure
    Surface titlePicture;

    // The picture for a cell code, or nothing for codes the game does not draw.
    const Surface* cell(std::uint8_t code) const
    {
        switch (code) {
        case 0: return &blank;
        case 1: return &wall;
        case 2: return &goal;
        case 3: return &jewel;
        case 4: return &crate;
        default: return nullptr;
        }
    }

    // The player's strip for a facing: 0 right, 1 left, 2 up, 3 down.
    const Surface& strip(int playerdir) const
    {
        const Surface* strips[4] = {&playerRight, &playerLeft, &playerUp, &playerDown};
        return *strips[playerdir & 3];
    }
};

} // namespace kelvaro
