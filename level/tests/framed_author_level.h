// SPDX-License-Identifier: GPL-3.0-or-later
// The grid a fresh editor starts with, for the tests of what authors write and see.
#pragma once

#include "level/author_level.h"

#include <cstdint>

namespace kelvaro::testing {

// Two rings of border around a blank interior, marks unplaced, the given time limit.
inline AuthorLevel framedAuthorLevel(int maxx, int maxy, std::int16_t time)
{
    AuthorLevel level;
    level.maze = Grid<AuthorCell>(maxx, maxy, AuthorCell(0));
    for (int x = 0; x <= maxx; ++x)
        for (int y = 0; y <= maxy; ++y)
            if (x < 2 || y < 2 || x > maxx - 2 || y > maxy - 2)
                level.maze.at(x, y) = 1;
    level.leveltime = time;
    return level;
}

} // namespace kelvaro::testing
