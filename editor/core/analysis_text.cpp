// SPDX-License-Identifier: GPL-3.0-or-later
// Wording of the editor's analysis read-out: a few short lines that fit beside the canvas.
#include "editor/core/analysis_text.h"

#include "editor/core/editor_input.h"
#include "editor/core/editor_phrases.h"

#include <cstdint>

namespace kelvaro {
namespace {

using namespace editor_words;

Message marksLine(const EditorLevelAnalysis& a)
{
    if (!a.missing_marks.empty())
        return editorMessage(marks_missing, {listed(a.missing_marks)});
    if (!a.faults.marks_outside.empty())
        return editorMessage(marks_outside, {listed(a.faults.marks_outside)});
    return editorMessage(marks_placed);
}

Message frameLine(const LevelFaults& faults)
{
    if (!faults.frame_gap)
        return editorMessage(frame_closed);
    return editorMessage(frame_open, {faults.frame_gap->x, faults.frame_gap->y});
}

Message timeRule(const Solution& solution, const std::string& timeBox)
{
    const int least_ms = solution.leastMilliseconds();
    const std::optional<int> limit = wholeNumberIn(timeBox, INT16_MIN, INT16_MAX);
    if (!limit)
        return editorMessage(no_whole_time, {neededText(least_ms)});
    return editorMessage(timeLimitEnough(*limit, least_ms) ? time_enough : time_short, {*limit, neededText(least_ms)});
}

Message verdictLine(const EditorLevelAnalysis& a, const std::string& timeBox)
{
    const Solution& s = a.search.solution;
    switch (a.search.outcome) {
    case Outcome::solvable:
        return editorMessage(solvable, {s.walks, s.pushes, s.shortest ? plainText("") : editorMessage(not_shortest),
                                        secondsText(s.leastMilliseconds()), timeRule(s, timeBox)});
    case Outcome::unsolvable: return editorMessage(unsolvable);
    case Outcome::state_limit: return editorMessage(search_limit);
    case Outcome::time_limit: return editorMessage(time_limit);
    case Outcome::cancelled: return editorMessage(checking);
    case Outcome::not_judgeable: break;
    }
    return editorMessage(not_checked);
}

} // namespace

Message analysisText(const EditorLevelAnalysis* analysis, const std::string& timeBox)
{
    if (!analysis)
        return editorMessage(editor_words::checking);
    const EditorLevelAnalysis& a = *analysis;
    if (a.unreadable)
        return editorMessage(editor_words::unreadable, {*a.unreadable});
    std::vector<Message> lines{marksLine(a)};
    if (!a.missing_marks.empty())
        return lines.front();
    lines.push_back(frameLine(a.faults));
    if (a.faults.jewels != 1 || a.faults.goals != 1)
        lines.push_back(editorMessage(editor_words::cells, {a.faults.jewels, a.faults.goals}));
    lines.push_back(verdictLine(a, timeBox));
    return listed(lines, "\n");
}

std::optional<int> fittingTime(const EditorLevelAnalysis& analysis)
{
    if (analysis.search.outcome != Outcome::solvable)
        return std::nullopt;
    return fittingTimeLimit(analysis.search.solution.leastMilliseconds());
}

} // namespace kelvaro
