// SPDX-License-Identifier: GPL-3.0-or-later
// What each cell kind allows during play: the one table the game's step and the solver share.
#pragma once

#include "level/cell_kind.h"
#include "level/grid.h"

#include <cstdint>

namespace kelvaro {

struct CellRule {
    bool walk_onto;          // the player may walk onto it
    bool obstacle_onto;      // an obstacle may be pushed onto it
    bool jewel_onto;         // the jewel may be pushed onto it
    bool pushable;           // Ctrl pushes what stands in it
};

// Codes 5 to 255 only come from hand-made files: nothing may enter them but the jewel.
inline constexpr CellRule ruleFor(std::uint8_t code)
{
    switch (code) {
    case blank: return {true, true, true, false};
    case border: return {false, false, false, false};
    case goal: return {false, false, true, false};
    case jewel: return {false, false, true, true};
    case obstacle: return {false, false, false, true};
    default: return {false, false, true, false};
    }
}

// Cells outside the grid count as border for every rule.
inline constexpr std::uint8_t outside_code = border;

// Whether `moving` (an obstacle or the jewel) may be pushed onto a cell holding `target`.
inline constexpr bool mayPushOnto(std::uint8_t moving, std::uint8_t target)
{
    return moving == jewel ? ruleFor(target).jewel_onto : ruleFor(target).obstacle_onto;
}

// The four facings: 0 right, 1 left, 2 up, 3 down, with their column and row steps.
struct Direction {
    int dx;
    int dy;
};
inline constexpr Direction directions[4] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}};

// The code a rule sees at (x, y): cells outside the grid read as `outside_code`.
inline std::uint8_t codeAt(const Grid<std::uint8_t>& maze, int x, int y)
{
    return maze.contains(x, y) ? maze.at(x, y) : outside_code;
}

// Whether Ctrl moves what stands in `front` onto `beyond`, the cell past it.
inline constexpr bool mayPush(std::uint8_t front, std::uint8_t beyond)
{
    return ruleFor(front).pushable && mayPushOnto(front, beyond);
}

} // namespace kelvaro
