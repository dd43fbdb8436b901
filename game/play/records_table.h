// SPDX-License-Identifier: GPL-3.0-or-later
// The Records window's words: its title, tabs, headings and every cell, for each shell to lay out.
#pragma once

#include "game/ports/dialogs.h"
#include "level/message.h"

#include <vector>

namespace kelvaro {

struct RecordsTable {
    using Rows = std::vector<std::vector<Message>>;
    Message title;
    Message levels_tab;
    std::vector<Message> level_headings;  // level, solved, best time left, fewest actions, par
    Rows levels;                          // a row a level, cells under the headings
    // Beside the par: the kept solution in the fewest actions, its actions, pushes, object
    // changes and push runs; a row a level, empty where none is kept.
    std::vector<Message> solution_headings;
    Rows solutions;
    Message daily_tab;
    Message tally;  // days solved, the current run and the longest, one a line
    std::vector<Message> day_headings;  // day, best time left, fewest actions
    Rows days;                          // latest first
};

RecordsTable recordsTable(const RecordsShown& shown);

} // namespace kelvaro
