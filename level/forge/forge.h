// SPDX-License-Identifier: GPL-3.0-or-later
// The level forge: levels drawn in characters, judged by their depth figures, improved by hill climbing.
#pragma once

#include "level/game_level.h"
#include "level/analysis/level_depth.h"
#include "level/solver/solver.h"
#include "level/solver/solver_bound.h"

#include <cstdint>
#include <functional>
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
    double open_share = 0.5;      // of the inside carved open before the pieces go in
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

// One line of tools/levels/plan.txt, in its order; the seed is the level's number.
struct PlanLine {
    int level;
    int width;
    int height;
    int crates_low;
    int crates_high;
    int max_actions;
    int max_changes;
    int rounds;
    int restarts;
};

Settings settingsOf(const PlanLine& line);

struct Figures {
    Solution solution;
    Depth depth;
    double score = 0;
};

// What judging level after level shares: a way to end it early, what it cost, and the
// solver's tables kept for the next level with the same walls and goal.
struct Judging {
    std::function<bool()> stop;  // asked often; true ends the judging with no figures
    std::size_t work = 0;        // states the solver held and positions counted, added up
    SolverTables tables;
};

// The figures of a drawing, or nothing when it is no fair level (unsolvable, too slow
// to decide, too long, with a corridor chore) or plainly scores below `bar`.
std::optional<Figures> judge(const Drawing& drawing, const Settings& settings, double bar = -1e9,
                             Judging* judging = nullptr);

// The two halves of judge. The quick one solves the level and rejects what is no fair
// level by the solution alone; its depth and score leave out traps and crates that must
// move. The full one counts every position for them, and fails when there are more than
// the settings allow (or `stop` ended the count).
std::optional<Figures> judgeQuickly(const Drawing& drawing, const Settings& settings, Judging* judging = nullptr);
bool judgeFully(const Drawing& drawing, const Settings& settings, Figures& figures, Judging* judging = nullptr);

// Whether the level's positions fit the settings, as judgeFully finds, without its figures.
bool positionsFit(const Drawing& drawing, const Settings& settings, Judging* judging = nullptr);

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

// Without the rows and columns of border at its edges: the frame goes round it anyway.
Drawing trimmed(Drawing drawing);

} // namespace kelvaro::forge
