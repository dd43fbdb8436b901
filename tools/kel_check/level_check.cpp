// The checks kel_check makes on a level: marks, frame, cells, solution and time limit.
#include "level_check.h"

#include "level/cell_kind.h"
#include "level/cell_rules.h"

#include <vector>

namespace kelvaro {
namespace {

// Only the outermost ring of cells is never drawn.
bool drawn(const GameLevel& level, int x, int y)
{
    return x > 0 && y > 0 && x < level.maze.maxx() && y < level.maze.maxy();
}

std::vector<std::string> marksOutside(const GameLevel& level)
{
    struct Mark {
        const char* name;
        int x, y;
    };
    const Mark marks[] = {{"start", level.playerx, level.playery},
                          {"jewel", level.jewelx, level.jewely},
                          {"goal", level.goalx, level.goaly}};
    std::vector<std::string> outside;
    for (const Mark& mark : marks)
        if (!drawn(level, mark.x, mark.y))
            outside.push_back(std::string(mark.name) + " (" + std::to_string(mark.x) + ", " + std::to_string(mark.y) +
                              ")");
    return outside;
}

// Everything that ever moves stays within the cells that are not border around the
// start: the player walks on them and pushes only onto them. The frame is closed
// when that area keeps off the outermost ring.
std::optional<CellPosition> frameGap(const GameLevel& level)
{
    Grid<std::uint8_t> seen(level.maze.maxx(), level.maze.maxy(), 0);
    std::vector<CellPosition> queue{{level.playerx, level.playery}};
    seen.at(level.playerx, level.playery) = 1;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const CellPosition at = queue[head];
        if (!drawn(level, at.x, at.y))
            return at;
        for (const Direction& d : directions) {
            const int x = at.x + d.dx, y = at.y + d.dy;
            if (!level.maze.contains(x, y) || seen.at(x, y) || level.maze.at(x, y) == border)
                continue;
            seen.at(x, y) = 1;
            queue.push_back({x, y});
        }
    }
    return std::nullopt;
}

std::vector<std::string> cellFaults(const GameLevel& level)
{
    int counts[256] = {};
    for (std::uint8_t code : level.maze.cells())
        ++counts[code];
    std::vector<std::string> faults;
    for (int code = obstacle + 1; code < 256; ++code)
        if (counts[code] > 0)
            faults.push_back(std::to_string(counts[code]) + " cell(s) of code " + std::to_string(code));
    if (counts[jewel] != 1)
        faults.push_back(std::to_string(counts[jewel]) + " jewel cells");
    if (counts[goal] != 1)
        faults.push_back(std::to_string(counts[goal]) + " goal cells");
    return faults;
}

} // namespace

bool LevelCheck::timeEnough() const
{
    return solvable() && level.timeleft >= minimumTimeLimit(solution.leastMilliseconds());
}

bool LevelCheck::passed() const
{
    return reads() && marks_outside.empty() && !frame_gap && cell_faults.empty() && timeEnough();
}

LevelCheck checkLevel(const GameLevel& level, const SolverLimits& limits, const DepthLimits& depth)
{
    LevelCheck check;
    check.level = level;
    check.marks_outside = marksOutside(level);
    check.frame_gap = frameGap(level);
    check.cell_faults = cellFaults(level);
    check.solution = solve(level, limits);
    check.depth = measureDepth(level, check.solution, depth);
    return check;
}

LevelCheck checkLevelFile(const std::filesystem::path& file, const SolverLimits& limits, const DepthLimits& depth)
{
    auto level = loadGameLevel(file);
    if (!level) {
        LevelCheck check;
        check.read_error = level.error();
        return check;
    }
    return checkLevel(level.value(), limits, depth);
}

} // namespace kelvaro
