// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's level reader and writer.
#include "level/author_level.h"
#include "level/level_phrases.h"

#include "level/cell_kind.h"
#include "level/level_files.h"

#include <fstream>

namespace kelvaro {
namespace {

// Sets the cell under one position; an unset coordinate counts as 0, the undrawn corner.
std::optional<LevelError> mark(AuthorLevel& level, const LevelRecord& record, Header hx, Header hy, std::int16_t code,
                               const char* what)
{
    const int x = record[hx].value_or(0);
    const int y = record[hy].value_or(0);
    if (!level.maze.contains(x, y)) {
        const Header bad = (x < 0 || x > level.maze.maxx()) ? hx : hy;
        return LevelError{LevelError::Kind::mark_outside, record.lineOf(bad),
                          levelMessage(level_words::mark_outside,
                                       {levelMessage(what), x, y, level.maze.columns(), level.maze.rows()})};
    }
    level.maze.at(x, y) = code;
    return std::nullopt;
}

Coordinate coordinate(const std::optional<std::int32_t>& value)
{
    if (!value)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

} // namespace

Result<AuthorLevel> readAuthorLevel(std::istream& in)
{
    auto read = readRecord(in, editorRules());
    if (!read)
        return read.error();
    const LevelRecord& record = read.value();

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

    if (auto error = mark(level, record, Header::jewelx, Header::jewely, jewel, level_words::jewel))
        return *error;
    if (auto error = mark(level, record, Header::goalx, Header::goaly, goal, level_words::goal))
        return *error;
    if (auto error = mark(level, record, Header::startx, Header::starty, blank, level_words::start))
        return *error;
    return level;
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
    LevelRecord record;
    record[Header::maxx] = level.maze.maxx();
    record[Header::maxy] = level.maze.maxy();
    record[Header::jewelx] = level.jewelx;
    record[Header::jewely] = level.jewely;
    record[Header::goalx] = level.goalx;
    record[Header::goaly] = level.goaly;
    record[Header::startx] = level.startx;
    record[Header::starty] = level.starty;
    record[Header::time] = level.leveltime;
    record.cells.assign(level.maze.cells().begin(), level.maze.cells().end());
    return record;
}

std::string writeAuthorLevel(const AuthorLevel& level) { return writeRecord(toRecord(level)); }

} // namespace kelvaro
