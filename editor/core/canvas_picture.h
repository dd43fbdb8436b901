// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor's canvas shows at one cell: one of the six pictures, or nothing yet.
#pragma once

#include <cstdint>

namespace kelvaro {

// The values 0..5 match the tool codes whose palette picture is shown.
enum class CanvasPicture : std::uint8_t {
    blank = 0,
    border = 1,
    goal = 2,
    jewel = 3,
    obstacle = 4,
    start = 5,
    background = 255,  // the canvas's own colour, as left by sizecanvas
};

} // namespace kelvaro
