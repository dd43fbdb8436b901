// SPDX-License-Identifier: GPL-3.0-or-later
// The checks kel_check makes on a level: marks, frame, cells, solution and time limit.
#include "tools/kel_check/level_check.h"

#include "level/level_text.h"

namespace kelvaro {

bool LevelCheck::timeEnough() const
{
    return solvable() && timeLimitEnough(level.timeleft, solution.leastMilliseconds());
}

bool LevelCheck::passed() const
{
    return reads() && marks_outside.empty() && !frame_gap && cell_faults.empty() && timeEnough();
}

LevelCheck checkLevel(const GameLevel& level, const SolverLimits& limits, const DepthLimits& depth)
{
    LevelCheck check;
    check.level = level;
    const LevelFaults faults = findFaults(level);
    check.marks_outside = faults.marks_outside;
    check.frame_gap = faults.frame_gap;
    check.cell_faults = faults.cell_faults;
    LevelSearch search = searchLevel(level, faults, {limits.max_states, {}, limits.should_stop});
    check.solution = std::move(search.solution);
    check.outcome = search.outcome;
    check.depth = measureDepth(level, check.solution, depth);
    return check;
}

LevelCheck checkLevelFile(const std::filesystem::path& file, const SolverLimits& limits, const DepthLimits& depth)
{
    auto level = loadGameLevelOrPicture(file);
    if (!level) {
        LevelCheck check;
        check.read_error = level.error();
        return check;
    }
    return checkLevel(level.value(), limits, depth);
}

} // namespace kelvaro
