// SPDX-License-Identifier: GPL-3.0-or-later
// Wording of the editor's analysis read-out: a few short lines that fit beside the canvas.
#include "editor/core/analysis_text.h"

#include "editor/core/editor_input.h"
#include "editor/core/editor_phrases.h"

#include <cstdint>

namespace kelvaro {
namespace {

using namespace editor_words;

std::string marksLine(const EditorLevelAnalysis& a)
{
    if (!a.missing_marks.empty())
        return fill(marks_missing, {joined(a.missing_marks)});
    if (!a.faults.marks_outside.empty())
        return fill(marks_outside, {joined(a.faults.marks_outside)});
    return marks_placed;
}

std::string frameLine(const LevelFaults& faults)
{
    if (!faults.frame_gap)
        return frame_closed;
    return fill(frame_open, {std::to_string(faults.frame_gap->x), std::to_string(faults.frame_gap->y)});
}

std::string timeRule(const Solution& solution, const std::string& timeBox)
{
    const int least_ms = solution.leastMilliseconds();
    const std::optional<int> limit = wholeNumberIn(timeBox, INT16_MIN, INT16_MAX);
    if (!limit)
        return fill(no_whole_time, {neededText(least_ms)});
    return fill(timeLimitEnough(*limit, least_ms) ? time_enough : time_short, {std::to_string(*limit), neededText(least_ms)});
}

std::string verdictLine(const EditorLevelAnalysis& a, const std::string& timeBox)
{
    const Solution& s = a.search.solution;
    switch (a.search.outcome) {
    case Outcome::solvable:
        return fill(solvable, {std::to_string(s.walks), std::to_string(s.pushes), s.shortest ? "" : not_shortest,
                               secondsText(s.leastMilliseconds()), timeRule(s, timeBox)});
    case Outcome::unsolvable: return unsolvable;
    case Outcome::state_limit: return search_limit;
    case Outcome::time_limit: return time_limit;
    case Outcome::cancelled: return checking;
    case Outcome::not_judgeable: break;
    }
    return not_checked;
}

} // namespace

std::string analysisText(const EditorLevelAnalysis* analysis, const std::string& timeBox)
{
    if (!analysis)
        return editor_words::checking;
    const EditorLevelAnalysis& a = *analysis;
    if (!a.unreadable.empty())
        return fill(editor_words::unreadable, {a.unreadable});
    std::string text = marksLine(a);
    if (!a.missing_marks.empty())
        return text;
    text += "\n" + frameLine(a.faults);
    if (a.faults.jewels != 1 || a.faults.goals != 1)
        text += "\n" + fill(editor_words::cells, {std::to_string(a.faults.jewels), std::to_string(a.faults.goals)});
    return text + "\n" + verdictLine(a, timeBox);
}

std::optional<int> fittingTime(const EditorLevelAnalysis& analysis)
{
    if (analysis.search.outcome != Outcome::solvable)
        return std::nullopt;
    return fittingTimeLimit(analysis.search.solution.leastMilliseconds());
}

} // namespace kelvaro
