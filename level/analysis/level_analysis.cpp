// SPDX-License-Identifier: GPL-3.0-or-later
// The checks an author needs on a level, shared by kel_check and the editor.
#include "level/analysis/level_analysis.h"
#include "level/level_phrases.h"

#include "level/cell_kind.h"
#include "level/cell_rules.h"

#include <cmath>
#include <cstdio>

namespace kelvaro {
namespace {

// Only the outermost ring of cells is never drawn.
bool drawn(const GameLevel& level, int x, int y)
{
    return x > 0 && y > 0 && x < level.maze.maxx() && y < level.maze.maxy();
}

std::vector<Message> marksOutside(const GameLevel& level)
{
    struct Mark {
        const char* name;
        int x, y;
    };
    const Mark marks[] = {{level_words::start_at, level.playerx, level.playery},
                          {level_words::jewel_at, level.jewelx, level.jewely},
                          {level_words::goal_at, level.goalx, level.goaly}};
    std::vector<Message> outside;
    for (const Mark& mark : marks)
        if (!drawn(level, mark.x, mark.y))
            outside.push_back(levelMessage(mark.name, {mark.x, mark.y}));
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

std::vector<Message> cellFaults(const int (&counts)[256])
{
    std::vector<Message> faults;
    for (int code = obstacle + 1; code < 256; ++code)
        if (counts[code] > 0)
            faults.push_back(levelMessage(level_words::cells_of_code, {counts[code], code}));
    if (counts[jewel] != 1)
        faults.push_back(levelMessage(level_words::jewel_cells, {counts[jewel]}));
    if (counts[goal] != 1)
        faults.push_back(levelMessage(level_words::goal_cells, {counts[goal]}));
    return faults;
}

std::vector<Message> missingMarks(const AuthorLevel& level)
{
    std::vector<Message> missing;
    if (!level.startx || !level.starty)
        missing.push_back(levelMessage(level_words::start));
    if (!level.jewelx || !level.jewely)
        missing.push_back(levelMessage(level_words::jewel));
    if (!level.goalx || !level.goaly)
        missing.push_back(levelMessage(level_words::goal));
    return missing;
}

} // namespace

LevelFaults findFaults(const GameLevel& level)
{
    int counts[256] = {};
    for (std::uint8_t code : level.maze.cells())
        ++counts[code];
    LevelFaults faults;
    faults.marks_outside = marksOutside(level);
    faults.frame_gap = frameGap(level);
    faults.cell_faults = cellFaults(counts);
    faults.jewels = counts[jewel];
    faults.goals = counts[goal];
    return faults;
}

bool timeLimitEnough(int limit_s, int least_ms) { return limit_s >= minimumTimeLimit(least_ms); }

int fittingTimeLimit(int least_ms)
{
    return 5 * static_cast<int>(std::ceil(minimumTimeLimit(least_ms) / 5.0));
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const auto& part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

std::string neededText(int least_ms)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", minimumTimeLimit(least_ms));
    return text;
}

std::string secondsText(int milliseconds)
{
    std::string text = std::to_string(milliseconds / 1000);
    if (int rest = milliseconds % 1000; rest != 0) {
        char fraction[8];
        std::snprintf(fraction, sizeof fraction, ".%03d", rest);
        text += fraction;
        while (text.back() == '0')
            text.pop_back();
    }
    return text + " s";
}

LevelSearch searchLevel(const GameLevel& level, const LevelFaults& faults, const AnalysisStops& stops)
{
    if (!faults.judgeable())
        return {};
    Outcome stopped_by = Outcome::state_limit;
    SolverLimits limits;
    limits.max_states = stops.max_states;
    LevelSearch result;
    // Asked before the search as well: a check that is already unwanted costs nothing.
    limits.should_stop = [&] {
        if (stops.cancelled && stops.cancelled())
            stopped_by = Outcome::cancelled;
        else if (stops.out_of_time && stops.out_of_time())
            stopped_by = Outcome::time_limit;
        else
            return false;
        return true;
    };
    if (limits.should_stop()) {
        result.outcome = stopped_by;
        result.solution.stopped = true;
        return result;
    }
    result.solution = solve(level, limits);
    switch (result.solution.verdict) {
    case Verdict::solvable:
        // Stopped while looking for the shortest: still solvable, unless the answer is unwanted.
        result.outcome = result.solution.stopped && stopped_by == Outcome::cancelled ? Outcome::cancelled
                                                                                     : Outcome::solvable;
        break;
    case Verdict::unsolvable: result.outcome = Outcome::unsolvable; break;
    case Verdict::unknown: result.outcome = result.solution.stopped ? stopped_by : Outcome::state_limit; break;
    }
    return result;
}

EditorLevelAnalysis analyseEditorLevel(const AuthorLevel& level, const AnalysisStops& stops)
{
    EditorLevelAnalysis analysis;
    analysis.missing_marks = missingMarks(level);
    if (!analysis.missing_marks.empty())
        return analysis;
    // Exactly what the game would read from the saved file.
    Result<GameLevel> read = gameLevelFrom(toRecord(level));
    if (!read) {
        analysis.unreadable = read.error().message();
        return analysis;
    }
    analysis.level = std::move(read.value());
    analysis.faults = findFaults(analysis.level);
    analysis.search = searchLevel(analysis.level, analysis.faults, stops);
    return analysis;
}

} // namespace kelvaro
