// SPDX-License-Identifier: GPL-3.0-or-later
// The level forge: levels drawn in characters, judged by their depth figures, improved by hill climbing.
#pragma once

#include "level/game_level.h"
#include "level/analysis/level_depth.h"
#include "level/solver/solver.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro::forge {

// The inside of a level, as the level tools draw it: '#' border, '.' blank, 'o' crate,
// '*' jewel, 'G' goal, 'S' start. The double border frame goes round it.
using Drawing = std::vector<std::string>;

GameLevel framedLevel(const Drawing& drawing);

struct Settings {
    int width = 11;               // inside, without the frame: at most 13
    int height = 10;              // at most 12
    int crates_low = 4;
    int crates_high = 8;
    int max_actions = 160;        // the shortest solution may be no longer
    int max_run = 8;              // pushes of one object one way in a row, at most
    int max_changes = 1000;       // changes of the pushed object, at most: teaching levels stay simple
    std::size_t max_solve_states = 30'000;  // a shipped level must be solved quickly
    std::size_t max_positions = 50'000;  // for counting traps and crates that must move
    int rounds = 3000;            // mutations tried per restart
    int restarts = 4;
    std::uint32_t seed = 1;
};

struct Figures {
    Solution solution;
    Depth depth;
    double score = 0;
};

// The figures of a drawing, or nothing when it is no fair level (unsolvable, too slow
// to decide, too long, with a corridor chore) or plainly scores below `bar`.
std::optional<Figures> judge(const Drawing& drawing, const Settings& settings, double bar = -1e9);

// Depth as one number: changes of the pushed object, crates that must move and traps
// weigh most; walking counts against.
double scoreOf(const Depth& depth, const Solution& solution);

struct Forged {
    Drawing drawing;
    Figures figures;
};

// Hill climbing from random rooms, deterministic for a seed: the deepest level found.
std::optional<Forged> forge(const Settings& settings);

// Blank cells the player can never reach become border, so the drawing shows only the level.
Drawing tidied(const Drawing& drawing);

} // namespace kelvaro::forge
