// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures as surfaces.
#pragma once

#include "game/engine/surface.h"

#include <cstdint>
#include <utility>

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

// The pictures by their names in assets/images (NAME.png), each read by `load(name)`.
template <typename Load>
Images imagesFrom(Load load)
{
    static constexpr std::pair<Surface Images::*, const char*> named[] = {
        {&Images::wall, "wall"},
        {&Images::jewel, "jewel"},
        {&Images::goal, "goal"},
        {&Images::blank, "blank"},
        {&Images::crate, "crate"},
        {&Images::playerRight, "player_right"},
        {&Images::playerLeft, "player_left"},
        {&Images::playerUp, "player_up"},
        {&Images::playerDown, "player_down"},
        {&Images::readyTile, "ready"},
        {&Images::sadPicture, "sad"},
        {&Images::titlePicture, "title"},
    };
    Images images;
    for (const auto& [member, name] : named)
        images.*member = load(name);
    return images;
}

} // namespace kelvaro
