// SPDX-License-Identifier: GPL-3.0-or-later
// The values of a level file in file order: the one place that knows the field order.
#pragma once

#include "level/grid.h"
#include "level/result.h"

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// The nine header values, in the order a level file holds them.
enum class Header {
    maxx,
    maxy,
    jewelx,
    jewely,
    goalx,
    goaly,
    startx,
    starty,
    time,
};
inline constexpr int header_count = 9;

struct Range {
    std::int64_t low;
    std::int64_t high;
};

// How a reader treats what it finds; the game and the editor differ here.
struct ReadRules {
    bool empty_reads_zero;  // otherwise an empty field stays unset
    bool text_reads_zero;   // otherwise a field that is no whole number is an error
    std::array<Range, header_count> header;
    Range cell;
};

// The game reads bytes and a 16-bit time, an empty or non-numeric field as 0.
const ReadRules& gameRules();
// The editor keeps empty fields unset and 16-bit numbers as given; its sizes are
// held to what the game accepts, so no file can ask for more than 256 x 256 cells.
const ReadRules& editorRules();

struct LevelRecord {
    std::array<std::optional<std::int32_t>, header_count> header{};
    std::array<int, header_count> header_line{};  // where each header value stood
    std::vector<std::optional<std::int32_t>> cells;  // column by column

    std::optional<std::int32_t>& operator[](Header field) { return header[static_cast<int>(field)]; }
    const std::optional<std::int32_t>& operator[](Header field) const { return header[static_cast<int>(field)]; }
    int lineOf(Header field) const { return header_line[static_cast<int>(field)]; }
    int maxx() const { return (*this)[Header::maxx].value_or(0); }
    int maxy() const { return (*this)[Header::maxy].value_or(0); }
};

// Reads the header and exactly the cells it asks for; anything after them is ignored.
Result<LevelRecord> readRecord(std::istream& in, const ReadRules& rules);

// One value per line, each ended by CR LF; an unset value is an empty line.
std::string writeRecord(const LevelRecord& record);

// A level's record: its grid, then the jewel's, goal's and start's columns and rows, then its time.
template <typename Cell, typename Position>
LevelRecord recordOf(const Grid<Cell>& maze, const std::array<Position, 6>& positions, std::int16_t time)
{
    LevelRecord record;
    record[Header::maxx] = maze.maxx();
    record[Header::maxy] = maze.maxy();
    for (std::size_t i = 0; i < positions.size(); ++i)
        record.header[static_cast<std::size_t>(Header::jewelx) + i] = positions[i];
    record[Header::time] = time;
    record.cells.assign(maze.cells().begin(), maze.cells().end());
    return record;
}

// A cell a position sets once the cells are read.
struct PlacedMark {
    int x;
    int y;
    std::uint8_t code;
};

// The cells under the jewel, the goal and the start, set to 3, 2 and 0 in that order by both
// readers; an unset position counts as cell (0, 0). A position outside the grid is an error.
Result<std::array<PlacedMark, 3>> placedMarks(const LevelRecord& record);

// The level `take` makes of a record read under its reader's rules, with the marks placed;
// or the first error, of the reading or of a position outside the grid.
template <typename Level, typename Take>
Result<Level> markedLevel(const Result<LevelRecord>& read, Take take)
{
    if (!read)
        return read.error();
    const auto marks = placedMarks(read.value());
    if (!marks)
        return marks.error();
    Level level = take(read.value());
    for (const PlacedMark& mark : marks.value())
        level.maze.at(mark.x, mark.y) = mark.code;
    return level;
}

// What a reader under `rules` finds in the file writeRecord makes of `record`, values, lines
// and errors alike, without the file: how a level held by one side becomes the other's.
Result<LevelRecord> rereadRecord(const LevelRecord& record, const ReadRules& rules);

} // namespace kelvaro
