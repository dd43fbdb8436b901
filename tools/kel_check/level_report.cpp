// SPDX-License-Identifier: GPL-3.0-or-later
// Wording of kel_check's report: a line per check, short enough to take in at a glance.
#include "tools/kel_check/level_report.h"

#include <cstdio>

namespace kelvaro {
namespace {

std::string line(const char* what, const std::string& finding)
{
    char label[16];
    std::snprintf(label, sizeof label, "%-12s", what);
    return "  " + std::string(label) + finding + "\n";
}

std::string readsLine(const LevelCheck& check)
{
    if (!check.reads())
        return line("reads", "no: " + check.read_error->describe());
    const auto& maze = check.level.maze;
    return line("reads", "yes, " + std::to_string(maze.columns()) + " x " + std::to_string(maze.rows()) + " cells");
}

std::string counted(int count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string solutionLine(const LevelCheck& check)
{
    const Solution& solution = check.solution;
    if (check.outcome == Outcome::not_judgeable)
        return line("solution", "not searched: the level cannot be judged as it is");
    if (check.outcome == Outcome::time_limit)
        return line("solution", "none: undecided (time limit reached)");
    if (solution.verdict != Verdict::solvable)
        return line("solution", std::string("none: ") + verdictText(solution.verdict));
    return line("solution", counted(solution.walks, "walk", "walks") + " + " + counted(solution.pushes, "push", "pushes") + " = " +
                                counted(solution.actions(), "action", "actions") +
                                (solution.shortest ? " (shortest)" : " (not proven shortest: limit reached)"));
}

std::string timeLine(const LevelCheck& check)
{
    const std::string limit = std::to_string(check.level.timeleft) + " s";
    if (!check.solvable())
        return line("time limit", limit + ", not judged without a solution");
    return line("time limit", limit + (check.timeEnough() ? ", enough (needs " : ", TOO SHORT (needs ") +
                                  neededText(check.solution.leastMilliseconds()) + " or more)");
}

std::string depthCells(const Depth& d)
{
    return std::to_string(d.jewel_pushes) + " / " + std::to_string(d.crate_pushes) + " | " +
           std::to_string(d.object_changes) + " | " + std::to_string(d.longest_run) + " | " +
           (d.space_complete ? std::to_string(d.crates_must_move) : std::string("?")) + " (" +
           std::to_string(d.crates_moved) + ") | " + (d.space_complete ? std::to_string(d.traps) : std::string("?")) +
           " | " + (d.space_complete ? (d.first_push_loses ? "yes" : "no") : "?") + " | " +
           std::to_string(d.search_effort) + " |";
}

std::string depthLines(const LevelCheck& check)
{
    const Depth& d = check.depth;
    std::string text = line("pushes", counted(d.pushes, "push", "pushes") + ": " + std::to_string(d.jewel_pushes) +
                                          " of the jewel, " + std::to_string(d.crate_pushes) + " of crates");
    text += line("changes", counted(d.object_changes, "change", "changes") + " of the pushed object, longest run " +
                                std::to_string(d.longest_run));
    if (d.space_complete) {
        text += line("crates", std::to_string(d.crates_must_move) + " must move in any solution, " +
                                   std::to_string(d.crates_moved) + " moved in the shortest");
        text += line("traps", counted(d.traps, "losing push", "losing pushes") + " along the shortest solution" +
                                  (d.first_push_loses ? ", the first push can lose" : ""));
    } else {
        text += line("crates", std::to_string(d.crates_moved) + " moved in the shortest");
        text += line("traps", "not counted: " + std::string(d.space_cut ? "more positions than the limit"
                                                                              : "left out (--quick)"));
    }
    text += line("effort", counted(static_cast<int>(d.search_effort), "state", "states") + " expanded to decide" +
                               (d.space_complete ? ", " + counted(static_cast<int>(d.positions), "position", "positions") +
                                                       " in all"
                                                 : ""));
    return text;
}

} // namespace

std::string seconds(int milliseconds) { return secondsText(milliseconds); }

std::string reportText(const std::string& name, const LevelCheck& check, bool with_moves)
{
    std::string text = name + ": " + (check.passed() ? "PASS" : "FAIL") + "\n" + readsLine(check);
    if (!check.reads())
        return text;
    text += line("marks", check.marks_outside.empty() ? "start, jewel and goal inside the drawn area"
                                                      : "outside the drawn area: " + joined(check.marks_outside));
    text += line("frame", check.frame_gap ? "open at (" + std::to_string(check.frame_gap->x) + ", " +
                                                std::to_string(check.frame_gap->y) + ")"
                                          : "closed");
    text += line("cells", check.cell_faults.empty() ? "one jewel, one goal, codes 0 to 4 only"
                                                    : joined(check.cell_faults));
    text += solutionLine(check);
    if (check.solvable())
        text += line("least time", seconds(check.solution.leastMilliseconds()));
    text += timeLine(check);
    if (check.solvable())
        text += depthLines(check);
    if (with_moves && check.solvable())
        text += line("moves", movesText(check.solution.moves));
    return text;
}

std::string setReportText(const std::string& name, const SetCheck& check)
{
    const LevelSet& set = check.set;
    if (set.problem) {
        std::string why = *set.problem;  // a sentence for a window: here it follows "no: "
        if (!why.empty() && why[0] >= 'A' && why[0] <= 'Z')
            why[0] = static_cast<char>(why[0] - 'A' + 'a');
        if (why.ends_with('.'))
            why.pop_back();
        return name + ": FAIL\n" + line("reads", "no: " + why);
    }
    std::string text = name + ": " + (check.passed() ? "set \"" + set.title + "\"" : std::string("FAIL")) + "\n";
    const auto count = static_cast<int>(set.levels.size());
    if (set.levels.empty())
        text += line("levels", "none: no file named maze1.txt to maze999.txt");
    else
        text += line("levels", counted(count, "level", "levels") + ", numbered " + std::to_string(set.levels.front().number) +
                                   (count > 1 ? " to " + std::to_string(set.highest()) : ""));
    for (const std::string& gap : gapTexts(set))
        text += line("gap", gap);
    if (!check.ignored.empty())
        text += line("ignored", joined(check.ignored) + ": the game plays only maze1.txt to maze999.txt, one spelling each");
    if (set.info.damaged)
        text += line("set.txt", "damaged: the folder's name stands for the title");
    return text;
}

std::string markdownHeader()
{
    return "| Level | Size | Time limit | Walks | Pushes | Actions | Least time | Limit / least time | Jewel / crate "
           "pushes | Object changes | Longest run | Crates must move (moved) | Traps | First push can lose | Search "
           "effort |\n"
           "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n";
}

std::string markdownRow(const std::string& name, const LevelCheck& check)
{
    if (!check.reads() || !check.solvable())
        return "| " + name + " | " + (check.reads() ? "" : "unreadable") + " | | | | | " +
               verdictText(check.solution.verdict) + " | | | | | | | | |\n";
    const Solution& s = check.solution;
    char ratio[16] = "-";
    if (s.leastMilliseconds() > 0)
        std::snprintf(ratio, sizeof ratio, "%.2f", check.level.timeleft * 1000.0 / s.leastMilliseconds());
    return "| " + name + " | " + std::to_string(check.level.maze.columns()) + " x " +
           std::to_string(check.level.maze.rows()) + " | " + std::to_string(check.level.timeleft) + " s | " +
           std::to_string(s.walks) + " | " + std::to_string(s.pushes) + " | " + std::to_string(s.actions()) + " | " +
           seconds(s.leastMilliseconds()) + " | " + ratio + " | " + depthCells(check.depth) + "\n";
}

} // namespace kelvaro
