// SPDX-License-Identifier: GPL-3.0-or-later
// Wording of the editor's analysis read-out: a few short lines that fit beside the canvas.
#include "editor/analysis_text.h"

#include "editor/editor_input.h"

#include <cstdint>

namespace kelvaro {
namespace {

std::string marksLine(const EditorLevelAnalysis& a)
{
    if (!a.missing_marks.empty())
        return "marks: missing " + joined(a.missing_marks);
    if (!a.faults.marks_outside.empty())
        return "marks: not drawn: " + joined(a.faults.marks_outside);
    return "marks: all placed";
}

std::string frameLine(const LevelFaults& faults)
{
    if (!faults.frame_gap)
        return "frame: closed";
    return "frame: open at (" + std::to_string(faults.frame_gap->x) + ", " + std::to_string(faults.frame_gap->y) + ")";
}

std::string timeRule(const Solution& solution, const std::string& timeBox)
{
    const int least_ms = solution.leastMilliseconds();
    const std::optional<int> limit = wholeNumberIn(timeBox, INT16_MIN, INT16_MAX);
    if (!limit)
        return "; the time box holds no whole number (needs " + neededText(least_ms) + ")";
    return "; time limit " + std::to_string(*limit) + " s is " +
           (timeLimitEnough(*limit, least_ms) ? "enough" : "too short") + " (needs " + neededText(least_ms) + ")";
}

std::string verdictLine(const EditorLevelAnalysis& a, const std::string& timeBox)
{
    const Solution& s = a.search.solution;
    switch (a.search.outcome) {
    case Outcome::solvable:
        return "solvable: " + std::to_string(s.walks) + " walks + " + std::to_string(s.pushes) + " pushes" +
               (s.shortest ? "" : " (not proven shortest: search limit)") + ", least time " +
               secondsText(s.leastMilliseconds()) + timeRule(s, timeBox);
    case Outcome::unsolvable: return "unsolvable";
    case Outcome::state_limit: return "undecided (search limit)";
    case Outcome::time_limit: return "undecided (time limit)";
    case Outcome::cancelled: return "checking...";
    case Outcome::not_judgeable: break;
    }
    return "not checked until it can be played";
}

} // namespace

std::string analysisText(const EditorLevelAnalysis* analysis, const std::string& timeBox)
{
    if (!analysis)
        return "checking...";
    const EditorLevelAnalysis& a = *analysis;
    if (!a.unreadable.empty())
        return "the game cannot read this level: " + a.unreadable;
    std::string text = marksLine(a);
    if (!a.missing_marks.empty())
        return text;
    text += "\n" + frameLine(a.faults);
    if (a.faults.jewels != 1 || a.faults.goals != 1)
        text += "\ncells: " + std::to_string(a.faults.jewels) + " jewel(s), " + std::to_string(a.faults.goals) +
                " goal(s)";
    return text + "\n" + verdictLine(a, timeBox);
}

std::optional<int> fittingTime(const EditorLevelAnalysis& analysis)
{
    if (analysis.search.outcome != Outcome::solvable)
        return std::nullopt;
    return fittingTimeLimit(analysis.search.solution.leastMilliseconds());
}

} // namespace kelvaro
