// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers and positions as the page's workers read and write them.
#include "web/job_text.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace kelvaro {
namespace {

constexpr char hex_digits[] = "0123456789abcdef";

int hexValue(char c)
{
    const char* found = c != '\0' ? std::strchr(hex_digits, c) : nullptr;
    return found ? static_cast<int>(found - hex_digits) : -1;
}

bool readCells(std::string_view cells, std::vector<std::uint8_t>& out)
{
    if (cells.size() != out.size() * 2)
        return false;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int high = hexValue(cells[2 * i]), low = hexValue(cells[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        out[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return true;
}

} // namespace

std::string_view JobWords::word()
{
    while (!rest_.empty() && rest_.front() == ' ')
        rest_.remove_prefix(1);
    const std::size_t end = std::min(rest_.find(' '), rest_.size());
    const std::string_view token = rest_.substr(0, end);
    rest_.remove_prefix(end);
    if (token.empty())
        ok_ = false;
    return token;
}

bool JobWords::ok()
{
    while (!rest_.empty() && rest_.front() == ' ')
        rest_.remove_prefix(1);
    return ok_ && rest_.empty();
}

void putNumber(std::string& text, long long value)
{
    text += ' ';
    text += std::to_string(value);
}

void putPosition(std::string& text, const GameLevel& p)
{
    for (const int value : {p.maze.maxx(), p.maze.maxy(), int{p.jewelx}, int{p.jewely}, int{p.goalx}, int{p.goaly},
                            int{p.playerx}, int{p.playery}, int{p.timeleft}})
        putNumber(text, value);
    text += ' ';
    for (const std::uint8_t cell : p.maze.cells()) {
        text += hex_digits[cell >> 4];
        text += hex_digits[cell & 15];
    }
}

GameLevel readPosition(JobWords& words)
{
    // The sizes are bytes in a level file: at most 256 columns and rows.
    const int maxx = words.number<int>(0, 255), maxy = words.number<int>(0, 255);
    GameLevel p;
    for (std::uint8_t* field : {&p.jewelx, &p.jewely, &p.goalx, &p.goaly, &p.playerx, &p.playery})
        *field = words.number<std::uint8_t>();
    p.timeleft = words.number<std::int16_t>();
    const std::string_view cells = words.word();
    p.maze = Grid<std::uint8_t>(maxx, maxy);
    if (!readCells(cells, p.maze.cells()))
        words.fail();
    return p;
}

} // namespace kelvaro
