// The game's pictures as surfaces, under the names the window gives them.
#pragma once

#include "surface.h"

#include <cstdint>

namespace kelvaro {

struct Images {
    Surface picture1;   // border: the wall block
    Surface picture2;   // jewel
    Surface picture3;   // goal
    Surface picture9;   // blank
    Surface picture10;  // obstacle: the crate
    Surface picture5;   // player strip, facing right
    Surface picture6;   // facing left
    Surface picture4;   // seen from behind, walking up
    Surface picture7;   // facing the viewer, walking down
    Surface picture13;  // READY!
    Surface picture12;  // the sad figure
    Surface picture11;  // the title picture

    // The picture for a cell code, or nothing for codes the game does not draw.
    const Surface* cell(std::uint8_t code) const
    {
        switch (code) {
        case 0: return &picture9;
        case 1: return &picture1;
        case 2: return &picture3;
        case 3: return &picture2;
        case 4: return &picture10;
        default: return nullptr;
        }
    }

    // The player's strip for a facing: 0 right, 1 left, 2 up, 3 down.
    const Surface& strip(int playerdir) const
    {
        const Surface* strips[4] = {&picture5, &picture6, &picture4, &picture7};
        return *strips[playerdir & 3];
    }
};

} // namespace kelvaro
