// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any bytes give the game a level or a clear error, within a 256 x 256 grid.
#include "level/game_level.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    auto level = kelvaro::readGameLevel(in);
    if (!level) {
        if (level.error().describe().empty())
            std::abort();
        return 0;
    }
    const auto& maze = level->maze;
    if (maze.columns() > 256 || maze.rows() > 256 || maze.cells().size() != std::size_t(maze.columns()) * maze.rows())
        std::abort();
    // The marks were applied in order, so the start cell is always blank.
    if (maze.at(level->playerx, level->playery) != 0)
        std::abort();
    return 0;
}
