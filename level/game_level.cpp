// SPDX-License-Identifier: GPL-3.0-or-later
// The game's level reader.
#include "level/game_level.h"

#include "level/level_files.h"

#include <fstream>

namespace kelvaro {
namespace {

// The level of a record read under the game's rules: every value set, each a byte but the time.
GameLevel gameLevelOf(const LevelRecord& record)
{
    GameLevel level;
    level.maze = Grid<std::uint8_t>(record.maxx(), record.maxy());
    auto& cells = level.maze.cells();
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = static_cast<std::uint8_t>(*record.cells[i]);
    level.jewelx = static_cast<std::uint8_t>(*record[Header::jewelx]);
    level.jewely = static_cast<std::uint8_t>(*record[Header::jewely]);
    level.goalx = static_cast<std::uint8_t>(*record[Header::goalx]);
    level.goaly = static_cast<std::uint8_t>(*record[Header::goaly]);
    level.playerx = static_cast<std::uint8_t>(*record[Header::startx]);
    level.playery = static_cast<std::uint8_t>(*record[Header::starty]);
    level.timeleft = static_cast<std::int16_t>(*record[Header::time]);
    return level;
}

} // namespace

Result<GameLevel> readGameLevel(std::istream& in)
{
    return markedLevel<GameLevel>(readRecord(in, gameRules()), gameLevelOf);
}

Result<GameLevel> loadGameLevel(const std::filesystem::path& file)
{
    std::ifstream in;
    if (auto error = openLevelFile(file, in))
        return *error;
    return readGameLevel(in);
}

Result<GameLevel> gameLevelFrom(const LevelRecord& record)
{
    return markedLevel<GameLevel>(rereadRecord(record, gameRules()), gameLevelOf);
}

LevelRecord toRecord(const GameLevel& level)
{
    const std::array<std::uint8_t, 6> positions{level.jewelx, level.jewely, level.goalx,
                                                level.goaly,  level.playerx, level.playery};
    return recordOf(level.maze, positions, level.timeleft);
}

} // namespace kelvaro
