// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's level reader and writer.
#include "level/author_level.h"

#include "level/level_files.h"

#include <fstream>

namespace kelvaro {
namespace {

Coordinate coordinate(const std::optional<std::int32_t>& value)
{
    if (!value)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

// The level of a record read under the editor's rules.
AuthorLevel authorLevelOf(const LevelRecord& record)
{
    AuthorLevel level;
    level.maze = Grid<AuthorCell>(record.maxx(), record.maxy());
    auto& cells = level.maze.cells();
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = coordinate(record.cells[i]);
    level.jewelx = coordinate(record[Header::jewelx]);
    level.jewely = coordinate(record[Header::jewely]);
    level.goalx = coordinate(record[Header::goalx]);
    level.goaly = coordinate(record[Header::goaly]);
    level.startx = coordinate(record[Header::startx]);
    level.starty = coordinate(record[Header::starty]);
    // An empty time line leaves the time at 0, as a fresh editor holds it.
    level.leveltime = static_cast<std::int16_t>(record[Header::time].value_or(0));
    return level;
}

} // namespace

Result<AuthorLevel> readAuthorLevel(std::istream& in)
{
    return markedLevel<AuthorLevel>(readRecord(in, editorRules()), authorLevelOf);
}

Result<AuthorLevel> authorLevelFrom(const LevelRecord& record)
{
    return markedLevel<AuthorLevel>(rereadRecord(record, editorRules()), authorLevelOf);
}

Result<AuthorLevel> loadAuthorLevel(const std::filesystem::path& file)
{
    std::ifstream in;
    if (auto error = openLevelFile(file, in))
        return *error;
    return readAuthorLevel(in);
}

LevelRecord toRecord(const AuthorLevel& level)
{
    const std::array<Coordinate, 6> positions{level.jewelx, level.jewely, level.goalx,
                                              level.goaly,  level.startx, level.starty};
    return recordOf(level.maze, positions, level.leveltime);
}

std::string writeAuthorLevel(const AuthorLevel& level) { return writeRecord(toRecord(level)); }

} // namespace kelvaro
