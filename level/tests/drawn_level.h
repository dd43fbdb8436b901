// SPDX-License-Identifier: GPL-3.0-or-later
// Levels drawn in characters for the solver tests, read through the game's own reader.
#pragma once

#include "level/game_level.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvaro::testing {

// '#' border, '.' blank, 'o' obstacle, '*' jewel, 'G' goal, 'S' start, 'J' a second
// jewel cell, '7' and '9' cells of those codes. Rows are drawn top to bottom; the
// drawing is the whole grid, with no frame added.
inline GameLevel drawnLevel(const std::vector<std::string>& rows, int time = 60)
{
    const int maxx = static_cast<int>(rows.front().size()) - 1;
    const int maxy = static_cast<int>(rows.size()) - 1;
    int marks[6] = {};
    std::vector<int> cells;
    for (int x = 0; x <= maxx; ++x)
        for (int y = 0; y <= maxy; ++y) {
            const char c = rows[static_cast<std::size_t>(y)].at(static_cast<std::size_t>(x));
            const std::string legend = "*GS";
            if (auto mark = legend.find(c); mark != std::string::npos) {
                marks[2 * mark] = x;
                marks[2 * mark + 1] = y;
            }
            const std::string codes = ".#GJo";
            if (auto code = codes.find(c); code != std::string::npos)
                cells.push_back(static_cast<int>(code));
            else if (c == '7' || c == '9')
                cells.push_back(c - '0');
            else
                cells.push_back(0);
        }
    std::ostringstream text;
    text << maxx << "\r\n" << maxy << "\r\n";
    for (int m : marks)
        text << m << "\r\n";
    text << time << "\r\n";
    for (int c : cells)
        text << c << "\r\n";
    std::istringstream in(text.str());
    auto level = readGameLevel(in);
    if (!level)
        throw std::runtime_error(level.error().describe());
    return level.value();
}

} // namespace kelvaro::testing
