// SPDX-License-Identifier: GPL-3.0-or-later
// A level as the editor holds it: cells and positions that may be unset.
#pragma once

#include "level/grid.h"
#include "level/level_record.h"
#include "level/result.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>

namespace kelvaro {

using AuthorCell = std::optional<std::int16_t>;  // unset when its line was empty
using Coordinate = std::optional<std::int16_t>;  // unset until placed or loaded

struct AuthorLevel {
    Grid<AuthorCell> maze;
    Coordinate jewelx, jewely;
    Coordinate goalx, goaly;
    Coordinate startx, starty;
    std::int16_t leveltime = 0;

    bool operator==(const AuthorLevel&) const = default;
};

// Reads a level the way the editor does: numbers as given, empty lines unset,
// then the cells under jewel, goal and start set to 3, 2 and 0 (an unset position
// counting as cell (0, 0)). A position outside the grid is an error.
Result<AuthorLevel> readAuthorLevel(std::istream& in);
Result<AuthorLevel> loadAuthorLevel(const std::filesystem::path& file);

// The level the editor reads from the file of `record` (see writeRecord), without the file:
// the one way a level the game holds becomes the editor's.
Result<AuthorLevel> authorLevelFrom(const LevelRecord& record);

// What the level's file holds.
LevelRecord toRecord(const AuthorLevel& level);

// The file's bytes: sizes from the grid itself, then the positions, time and cells.
std::string writeAuthorLevel(const AuthorLevel& level);

} // namespace kelvaro
