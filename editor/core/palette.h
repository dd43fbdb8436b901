// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's six tools: their codes, their places in the palette and the outline round the selected one.
#pragma once

#include "level/cell_kind.h"

#include <array>

namespace kelvaro {

struct ToolPlace {
    int code;          // the tool value; 0..4 are cell codes, 5 is the start point
    const char* name;  // the palette control's name
    int left;
    int top;
    int size;          // square; framed pictures are 36 wide for a 32-pixel image
    bool framed;
};

// Left to right as the author sees them.
inline constexpr std::array<ToolPlace, 6> palette = {{
    {border, "border", 24, 24, 32, false},
    {blank, "blank", 69, 24, 36, true},
    {obstacle, "obstacle", 118, 24, 36, true},
    {jewel, "jewel", 166, 24, 36, true},
    {goal, "goal", 215, 24, 36, true},
    {start_tool, "start", 264, 24, 36, true},
}};

// The tool outline sits this far left of the selected tool, at a fixed top.
inline constexpr int tool_outline_offset = 7;
inline constexpr int tool_outline_top = 16;
inline constexpr int tool_outline_size = 48;

inline constexpr int tool_count = 6;

// The place of the tool with `code`; codes outside 0..5 have none.
inline const ToolPlace* toolPlace(int code)
{
    for (const ToolPlace& place : palette)
        if (place.code == code)
            return &place;
    return nullptr;
}

} // namespace kelvaro
