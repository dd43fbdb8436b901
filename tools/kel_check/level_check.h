// SPDX-License-Identifier: GPL-3.0-or-later
// What kel_check finds out about one level file: each check's finding, ready to report.
#pragma once

#include "level/analysis/level_depth.h"

#include "level/game_level.h"
#include "level/analysis/level_analysis.h"
#include "level/level_error.h"
#include "level/solver/solver.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

struct LevelCheck {
    std::optional<LevelError> read_error;  // set when the game could not read the file
    GameLevel level;
    std::vector<Message> marks_outside;        // "start (0, 3)": marks the game would not draw
    std::optional<CellPosition> frame_gap;      // an outermost-ring cell things could reach
    std::vector<Message> cell_faults;           // codes and counts a level made in the editor never has
    Solution solution;
    Outcome outcome = Outcome::not_judgeable;  // no search when the level cannot be judged
    Depth depth;

    bool reads() const { return !read_error; }
    bool solvable() const { return solution.verdict == Verdict::solvable; }
    bool timeEnough() const;
    bool passed() const;
};

// `limits.should_stop` bounds each search in time; a stop reads as the time limit.
LevelCheck checkLevel(const GameLevel& level, const SolverLimits& limits = {}, const DepthLimits& depth = {});
LevelCheck checkLevelFile(const std::filesystem::path& file, const SolverLimits& limits = {},
                          const DepthLimits& depth = {});

} // namespace kelvaro
