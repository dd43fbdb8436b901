// SPDX-License-Identifier: GPL-3.0-or-later
// What kel_check finds out about a set folder as a whole, before each of its levels is checked.
#pragma once

#include "level/sets/level_set.h"
#include "tools/kel_check/report_words.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kelvaro {

struct SetCheck {
    LevelSet set;
    // ".txt" files the game does not play as levels of the set: other names, numbers above
    // 999, and every spelling of a number but the one the game takes. set.txt is not one.
    std::vector<std::string> ignored;

    // A folder that reads and holds at least one level. Gaps do not fail a set: the game
    // plays the numbers there are.
    bool passed() const { return !set.problem && !set.levels.empty(); }
};

SetCheck checkSetFolder(const std::filesystem::path& folder);

// Each run of missing numbers, lowest first: "maze3.txt is missing", "maze5.txt to maze7.txt are missing".
std::vector<std::string> gapTexts(const LevelSet& set, const ReportWords& words = englishWords());

} // namespace kelvaro
