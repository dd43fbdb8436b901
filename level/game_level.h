// SPDX-License-Identifier: GPL-3.0-or-later
// A level as the game plays it: byte cells, the three marks applied.
#pragma once

#include "level/grid.h"
#include "level/level_record.h"
#include "level/result.h"

#include <cstdint>
#include <filesystem>
#include <istream>

namespace kelvaro {

struct GameLevel {
    Grid<std::uint8_t> maze;
    std::uint8_t jewelx = 0;
    std::uint8_t jewely = 0;
    std::uint8_t goalx = 0;
    std::uint8_t goaly = 0;
    std::uint8_t playerx = 0;
    std::uint8_t playery = 0;
    std::int16_t timeleft = 0;

    bool operator==(const GameLevel&) const = default;
};

// Reads a level the way the game does: empty and non-numeric fields as 0, bytes
// for the sizes, positions and cells, then the marks jewel, goal and start.
Result<GameLevel> readGameLevel(std::istream& in);

// The same from a file; a missing file is LevelError::Kind::not_found.
Result<GameLevel> loadGameLevel(const std::filesystem::path& file);

// The level the game reads from the file of `record` (see writeRecord), without the file:
// the one way the editor's level or a forged one becomes the game's.
Result<GameLevel> gameLevelFrom(const LevelRecord& record);

// What the level's file holds.
LevelRecord toRecord(const GameLevel& level);

} // namespace kelvaro
