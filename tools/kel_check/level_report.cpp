// SPDX-License-Identifier: GPL-3.0-or-later
// Wording of kel_check's report: a line per check, short enough to take in at a glance.
#include "tools/kel_check/level_report.h"

#include "level/analysis/win_statistics.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace kelvaro {
namespace {

// The labels before each finding, padded to one column for every line of a language.
constexpr const char* reads_label = QT_TRANSLATE_NOOP("KelCheck", "reads");
constexpr const char* marks_label = QT_TRANSLATE_NOOP("KelCheck", "marks");
constexpr const char* frame_label = QT_TRANSLATE_NOOP("KelCheck", "frame");
constexpr const char* cells_label = QT_TRANSLATE_NOOP("KelCheck", "cells");
constexpr const char* solution_label = QT_TRANSLATE_NOOP("KelCheck", "solution");
constexpr const char* least_time_label = QT_TRANSLATE_NOOP("KelCheck", "least time");
constexpr const char* time_limit_label = QT_TRANSLATE_NOOP("KelCheck", "time limit");
constexpr const char* pushes_label = QT_TRANSLATE_NOOP("KelCheck", "pushes");
constexpr const char* changes_label = QT_TRANSLATE_NOOP("KelCheck", "changes");
constexpr const char* crates_label = QT_TRANSLATE_NOOP("KelCheck", "crates");
constexpr const char* traps_label = QT_TRANSLATE_NOOP("KelCheck", "traps");
constexpr const char* effort_label = QT_TRANSLATE_NOOP("KelCheck", "effort");
constexpr const char* statistics_label = QT_TRANSLATE_NOOP("KelCheck", "statistics");
constexpr const char* moves_label = QT_TRANSLATE_NOOP("KelCheck", "moves");
constexpr const char* levels_label = QT_TRANSLATE_NOOP("KelCheck", "levels");
constexpr const char* gap_label = QT_TRANSLATE_NOOP("KelCheck", "gap");
constexpr const char* ignored_label = QT_TRANSLATE_NOOP("KelCheck", "ignored");
constexpr const char* set_file_label = "set.txt";  // a file name, the same in every language
constexpr const char* labels[] = {reads_label,  marks_label,  frame_label,  cells_label,   solution_label, least_time_label,
                                  time_limit_label, pushes_label, changes_label, crates_label, traps_label,
                                  effort_label, statistics_label, moves_label, levels_label, gap_label, ignored_label};

constexpr const char* pass_word = QT_TRANSLATE_NOOP("KelCheck", "PASS");
constexpr const char* fail_word = QT_TRANSLATE_NOOP("KelCheck", "FAIL");

// Characters, not bytes, so that a label with accents lines up.
std::size_t width(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// Lines of one block in one language.
class Block {
public:
    explicit Block(const ReportWords& words) : words(words)
    {
        for (const char* label : labels)
            column_ = std::max(column_, width(words.text(label)) + 2);
    }

    std::string line(const char* label, const std::string& finding) const
    {
        const std::string what = label == set_file_label ? label : words.text(label);
        return "  " + what + std::string(column_ - std::min(column_, width(what)), ' ') + finding + "\n";
    }

    // Texts the core worded, each as the reader reads it, in one line.
    std::string listed(const std::vector<Message>& parts) const
    {
        std::vector<std::string> shown;
        for (const Message& part : parts)
            shown.push_back(words.core(part));
        return joined(shown);
    }

    std::string verdict(Verdict verdict) const
    {
        switch (verdict) {
        case Verdict::solvable: return words.text(QT_TRANSLATE_NOOP("KelCheck", "solvable"));
        case Verdict::unsolvable: return words.text(QT_TRANSLATE_NOOP("KelCheck", "unsolvable"));
        case Verdict::unknown: break;
        }
        return words.text(QT_TRANSLATE_NOOP("KelCheck", "unknown (limit reached)"));
    }

    const ReportWords& words;

private:
    std::size_t column_ = 12;  // the English labels' column
};

std::string readsLine(const Block& b, const LevelCheck& check)
{
    const ReportWords& w = b.words;
    if (!check.reads()) {
        const LevelError& error = *check.read_error;
        // A picture's fault also says its column, in the reader's words for the whole place.
        const std::string why = error.column > 0 ? w.core(error.message())
                              : error.line > 0 ? w.text(QT_TRANSLATE_NOOP("KelCheck", "line %1: %2"),
                                                         {std::to_string(error.line), w.core(error.detail)})
                                               : w.core(error.detail);
        return b.line(reads_label, w.text(QT_TRANSLATE_NOOP("KelCheck", "no: %1"), {why}));
    }
    const auto& maze = check.level.maze;
    return b.line(reads_label, w.text(QT_TRANSLATE_NOOP("KelCheck", "yes, %1 x %2 cells"),
                                      {std::to_string(maze.columns()), std::to_string(maze.rows())}));
}

std::string solutionLine(const Block& b, const LevelCheck& check)
{
    const ReportWords& w = b.words;
    const Solution& s = check.solution;
    if (check.outcome == Outcome::not_judgeable)
        return b.line(solution_label, w.text(QT_TRANSLATE_NOOP("KelCheck", "not searched: the level cannot be judged as it is")));
    if (check.outcome == Outcome::time_limit)
        return b.line(solution_label, w.text(QT_TRANSLATE_NOOP("KelCheck", "none: undecided (time limit reached)")));
    if (s.verdict != Verdict::solvable)
        return b.line(solution_label, w.text(QT_TRANSLATE_NOOP("KelCheck", "none: %1"), {b.verdict(s.verdict)}));
    const std::string shortest = s.shortest ? w.text(QT_TRANSLATE_NOOP("KelCheck", "(shortest)"))
                                            : w.text(QT_TRANSLATE_NOOP("KelCheck", "(not proven shortest: limit reached)"));
    return b.line(solution_label, w.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n walks"), "1 walk", s.walks) + " + " +
                                      w.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n pushes"), "1 push", s.pushes) + " = " +
                                      w.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n actions"), "1 action", s.actions()) +
                                      " " + shortest);
}

std::string timeLine(const Block& b, const LevelCheck& check)
{
    const ReportWords& w = b.words;
    const std::string limit = std::to_string(check.level.timeleft) + " s";
    if (!check.solvable())
        return b.line(time_limit_label, w.text(QT_TRANSLATE_NOOP("KelCheck", "%1, not judged without a solution"), {limit}));
    return b.line(time_limit_label, w.text(check.timeEnough() ? QT_TRANSLATE_NOOP("KelCheck", "%1, enough (needs %2 or more)")
                                                              : QT_TRANSLATE_NOOP("KelCheck", "%1, TOO SHORT (needs %2 or more)"),
                                           {limit, neededText(check.solution.leastMilliseconds())}));
}

std::string depthCells(const Block& b, const Depth& d)
{
    const std::string yes_no = b.words.text(d.first_push_loses ? QT_TRANSLATE_NOOP("KelCheck", "yes")
                                                               : QT_TRANSLATE_NOOP("KelCheck", "no"));
    return std::to_string(d.jewel_pushes) + " / " + std::to_string(d.crate_pushes) + " | " +
           std::to_string(d.object_changes) + " | " + std::to_string(d.longest_run) + " | " +
           (d.space_complete ? std::to_string(d.crates_must_move) : std::string("?")) + " (" +
           std::to_string(d.crates_moved) + ") | " + (d.space_complete ? std::to_string(d.traps) : std::string("?")) +
           " | " + (d.space_complete ? yes_no : "?") + " | " + std::to_string(d.search_effort) + " |";
}

std::string depthLines(const Block& b, const LevelCheck& check)
{
    const ReportWords& w = b.words;
    const Depth& d = check.depth;
    const auto count = [](auto n) { return std::to_string(n); };
    std::string text = b.line(pushes_label, w.text(QT_TRANSLATE_NOOP("KelCheck", "%1: %2 of the jewel, %3 of crates"),
                                                   {w.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n pushes"), "1 push", d.pushes),
                                                    count(d.jewel_pushes), count(d.crate_pushes)}));
    text += b.line(changes_label,
                   w.text(QT_TRANSLATE_NOOP("KelCheck", "%1 of the pushed object, longest run %2"),
                          {w.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n changes"), "1 change", d.object_changes),
                           count(d.longest_run)}));
    if (d.space_complete) {
        text += b.line(crates_label, w.text(QT_TRANSLATE_NOOP("KelCheck", "%1 must move in any solution, %2 moved in the shortest"),
                                            {count(d.crates_must_move), count(d.crates_moved)}));
        const std::string traps = w.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n losing pushes"), "1 losing push", d.traps);
        text += b.line(traps_label,
                       w.text(d.first_push_loses
                                  ? QT_TRANSLATE_NOOP("KelCheck", "%1 along the shortest solution, the first push can lose")
                                  : QT_TRANSLATE_NOOP("KelCheck", "%1 along the shortest solution"),
                              {traps}));
    } else {
        text += b.line(crates_label, w.text(QT_TRANSLATE_NOOP("KelCheck", "%1 moved in the shortest"), {count(d.crates_moved)}));
        text += b.line(traps_label, w.text(QT_TRANSLATE_NOOP("KelCheck", "not counted: %1"),
                                           {w.text(d.space_cut ? QT_TRANSLATE_NOOP("KelCheck", "more positions than the limit")
                                                               : QT_TRANSLATE_NOOP("KelCheck", "left out (--quick)"))}));
    }
    const std::string states =
        w.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n states"), "1 state", static_cast<int>(d.search_effort));
    text += b.line(effort_label,
                   d.space_complete
                       ? w.text(QT_TRANSLATE_NOOP("KelCheck", "%1 expanded to decide, %2 in all"),
                                {states, w.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n positions"), "1 position",
                                                   static_cast<int>(d.positions))})
                       : w.text(QT_TRANSLATE_NOOP("KelCheck", "%1 expanded to decide"), {states}));
    return text;
}

// The figures players compare their own solutions by, as the game's Records window shows them.
std::string statisticsLine(const Block& b, const LevelCheck& check)
{
    const ReportWords& w = b.words;
    const WinStatistics s = winStatistics(check.level, check.solution.moves);
    return b.line(statistics_label,
                  w.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n actions"), "1 action", s.actions) + ", " +
                      w.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n pushes"), "1 push", s.pushes) + ", " +
                      w.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n object changes"), "1 object change", s.object_changes) +
                      ", " + w.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n push runs"), "1 push run", s.push_runs));
}

} // namespace

std::string seconds(int milliseconds) { return secondsText(milliseconds); }

std::string reportText(const std::string& name, const LevelCheck& check, bool with_moves, const ReportWords& words)
{
    const Block b(words);
    std::string text = name + ": " + words.text(check.passed() ? pass_word : fail_word) + "\n" + readsLine(b, check);
    if (!check.reads())
        return text;
    text += b.line(marks_label, check.marks_outside.empty()
                                    ? words.text(QT_TRANSLATE_NOOP("KelCheck", "start, jewel and goal inside the drawn area"))
                                    : words.text(QT_TRANSLATE_NOOP("KelCheck", "outside the drawn area: %1"),
                                                 {b.listed(check.marks_outside)}));
    text += b.line(frame_label, check.frame_gap ? words.text(QT_TRANSLATE_NOOP("KelCheck", "open at (%1, %2)"),
                                                             {std::to_string(check.frame_gap->x), std::to_string(check.frame_gap->y)})
                                                : words.text(QT_TRANSLATE_NOOP("KelCheck", "closed")));
    text += b.line(cells_label, check.cell_faults.empty()
                                    ? words.text(QT_TRANSLATE_NOOP("KelCheck", "one jewel, one goal, codes 0 to 4 only"))
                                    : b.listed(check.cell_faults));
    text += solutionLine(b, check);
    if (check.solvable())
        text += b.line(least_time_label, seconds(check.solution.leastMilliseconds()));
    text += timeLine(b, check);
    if (check.solvable())
        text += depthLines(b, check) + statisticsLine(b, check);
    if (with_moves && check.solvable())
        text += b.line(moves_label, movesText(check.solution.moves));
    return text;
}

std::string setReportText(const std::string& name, const SetCheck& check, const ReportWords& words)
{
    const Block b(words);
    const LevelSet& set = check.set;
    const std::string fail = words.text(fail_word);
    if (set.problem) {
        std::string why = words.core(*set.problem);  // a sentence for a window: here it follows "no: "
        if (words.english() && !why.empty() && why[0] >= 'A' && why[0] <= 'Z')
            why[0] = static_cast<char>(why[0] - 'A' + 'a');
        if (why.ends_with('.'))
            why.pop_back();
        return name + ": " + fail + "\n" + b.line(reads_label, words.text(QT_TRANSLATE_NOOP("KelCheck", "no: %1"), {why}));
    }
    std::string text =
        name + ": " + (check.passed() ? words.text(QT_TRANSLATE_NOOP("KelCheck", "set \"%1\""), {set.title}) : fail) + "\n";
    const auto count = static_cast<int>(set.levels.size());
    if (set.levels.empty())
        text += b.line(levels_label, words.text(QT_TRANSLATE_NOOP("KelCheck", "none: no file named maze1.txt to maze999.txt")));
    else
        text += b.line(levels_label,
                       count > 1 ? words.text(QT_TRANSLATE_NOOP("KelCheck", "%1, numbered %2 to %3"),
                                              {words.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n levels"), "1 level", count),
                                               std::to_string(set.levels.front().number), std::to_string(set.highest())})
                                 : words.text(QT_TRANSLATE_NOOP("KelCheck", "%1, numbered %2"),
                                              {words.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%n levels"), "1 level", count),
                                               std::to_string(set.levels.front().number)}));
    for (const std::string& gap : gapTexts(set, words))
        text += b.line(gap_label, gap);
    if (!check.ignored.empty())
        text += b.line(ignored_label,
                       words.text(QT_TRANSLATE_NOOP("KelCheck", "%1: the game plays only maze1.txt to maze999.txt, one spelling each"),
                                  {joined(check.ignored)}));
    if (set.info.damaged)
        text += b.line(set_file_label, words.text(QT_TRANSLATE_NOOP("KelCheck", "damaged: the folder's name stands for the title")));
    return text;
}

std::string markdownHeader(const ReportWords& words)
{
    static constexpr const char* columns[] = {
        QT_TRANSLATE_NOOP("KelCheck", "Level"),          QT_TRANSLATE_NOOP("KelCheck", "Size"),
        QT_TRANSLATE_NOOP("KelCheck", "Time limit"),     QT_TRANSLATE_NOOP("KelCheck", "Walks"),
        QT_TRANSLATE_NOOP("KelCheck", "Pushes"),         QT_TRANSLATE_NOOP("KelCheck", "Actions"),
        QT_TRANSLATE_NOOP("KelCheck", "Least time"),     QT_TRANSLATE_NOOP("KelCheck", "Limit / least time"),
        QT_TRANSLATE_NOOP("KelCheck", "Jewel / crate pushes"), QT_TRANSLATE_NOOP("KelCheck", "Object changes"),
        QT_TRANSLATE_NOOP("KelCheck", "Longest run"),    QT_TRANSLATE_NOOP("KelCheck", "Crates must move (moved)"),
        QT_TRANSLATE_NOOP("KelCheck", "Traps"),          QT_TRANSLATE_NOOP("KelCheck", "First push can lose"),
        QT_TRANSLATE_NOOP("KelCheck", "Search effort"),
    };
    std::string header = "|", rule = "|";
    for (const char* column : columns) {
        header += " " + words.text(column) + " |";
        rule += "---|";
    }
    return header + "\n" + rule + "\n";
}

std::string markdownRow(const std::string& name, const LevelCheck& check, const ReportWords& words)
{
    const Block b(words);
    if (!check.reads() || !check.solvable())
        return "| " + name + " | " + (check.reads() ? "" : words.text(QT_TRANSLATE_NOOP("KelCheck", "unreadable"))) +
               " | | | | | " + b.verdict(check.solution.verdict) + " | | | | | | | | |\n";
    const Solution& s = check.solution;
    char ratio[16] = "-";
    if (s.leastMilliseconds() > 0)
        std::snprintf(ratio, sizeof ratio, "%.2f", check.level.timeleft * 1000.0 / s.leastMilliseconds());
    return "| " + name + " | " + std::to_string(check.level.maze.columns()) + " x " +
           std::to_string(check.level.maze.rows()) + " | " + std::to_string(check.level.timeleft) + " s | " +
           std::to_string(s.walks) + " | " + std::to_string(s.pushes) + " | " + std::to_string(s.actions()) + " | " +
           seconds(s.leastMilliseconds()) + " | " + ratio + " | " + depthCells(b, check.depth) + "\n";
}

} // namespace kelvaro
