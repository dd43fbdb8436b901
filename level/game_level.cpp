// SPDX-License-Identifier: GPL-3.0-or-later
// The game's level reader.
#include "level/game_level.h"
#include "level/level_phrases.h"

#include "level/cell_kind.h"
#include "level/level_files.h"
#include "level/level_record.h"

#include <fstream>

namespace kelvaro {
namespace {

// Applies one mark; a position outside the grid cannot be played.
std::optional<LevelError> mark(GameLevel& level, const LevelRecord& record, Header x, Header y, std::uint8_t code,
                               const char* what)
{
    const int cx = *record[x];
    const int cy = *record[y];
    if (!level.maze.contains(cx, cy)) {
        const Header bad = cx > level.maze.maxx() ? x : y;
        return LevelError{LevelError::Kind::mark_outside, record.lineOf(bad),
                          levelMessage(level_words::mark_outside,
                                       {levelMessage(what), cx, cy, level.maze.columns(), level.maze.rows()})};
    }
    level.maze.at(cx, cy) = code;
    return std::nullopt;
}

} // namespace

Result<GameLevel> readGameLevel(std::istream& in)
{
    auto read = readRecord(in, gameRules());
    if (!read)
        return read.error();
    const LevelRecord& record = read.value();

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

    if (auto error = mark(level, record, Header::jewelx, Header::jewely, jewel, level_words::jewel))
        return *error;
    if (auto error = mark(level, record, Header::goalx, Header::goaly, goal, level_words::goal))
        return *error;
    if (auto error = mark(level, record, Header::startx, Header::starty, blank, level_words::start))
        return *error;
    return level;
}

Result<GameLevel> loadGameLevel(const std::filesystem::path& file)
{
    std::ifstream in;
    if (auto error = openLevelFile(file, in))
        return *error;
    return readGameLevel(in);
}

} // namespace kelvaro
