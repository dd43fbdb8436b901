// SPDX-License-Identifier: GPL-3.0-or-later
// The values of a level file in file order: the one place that knows the field order.
#pragma once

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

} // namespace kelvaro
