// SPDX-License-Identifier: GPL-3.0-or-later
// Cell codes of a level grid, as stored in level files.
#pragma once

#include <cstdint>

namespace kelvaro {

enum CellKind : std::uint8_t {
    blank = 0,
    border = 1,
    goal = 2,
    jewel = 3,
    obstacle = 4,
};

// Tool value of the editor for the player's start cell; never stored in a grid or file.
inline constexpr int start_tool = 5;

// Cells are 32 x 32 pixels in both programs.
inline constexpr int cell_size = 32;

// Highest column or row index a level may have: grids are at most 256 x 256.
inline constexpr int max_index = 255;

} // namespace kelvaro
