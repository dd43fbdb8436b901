// SPDX-License-Identifier: GPL-3.0-or-later
// What a level author needs to know about a level: marks, frame, cells, solution and time
// rule. kel_check prints it and the editor shows it while the author paints.
#pragma once

#include "level/author_level.h"
#include "level/game_level.h"
#include "level/message.h"
#include "level/solver/solver.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

struct CellPosition {
    int x;
    int y;
};

// The findings that need no search, each quick on any grid.
struct LevelFaults {
    std::vector<Message> marks_outside;  // "start (0, 3)": marks the game would not draw
    std::optional<CellPosition> frame_gap;   // an outermost-ring cell things could reach
    std::vector<Message> cell_faults;    // codes and counts a level made in the editor never has
    int jewels = 0;                          // jewel and goal cells once the marks are applied
    int goals = 0;

    // A search can only judge a level with its marks drawn, its frame closed and exactly
    // one jewel and one goal; anything else is reported without one.
    bool judgeable() const { return marks_outside.empty() && !frame_gap && jewels == 1 && goals == 1; }
};

LevelFaults findFaults(const GameLevel& level);

// Figures of the time rule (minimumTimeLimit) for a solution taking `least_ms`.
bool timeLimitEnough(int limit_s, int least_ms);
// The least limit that passes, rounded up to whole 5 s.
int fittingTimeLimit(int least_ms);
// "16.1 s": what the rule needs, to a tenth of a second.
std::string neededText(int least_ms);
// "2.025 s": the exact seconds of a millisecond count, without trailing zeros.
std::string secondsText(int milliseconds);
// "start (0, 3), goal (1, 1)": findings listed in one line.
std::string joined(const std::vector<std::string>& parts);

// How a search of the level ended, or why none was made.
enum class Outcome {
    not_judgeable,  // see LevelFaults; no search
    solvable,
    unsolvable,
    state_limit,    // undecided: the search held as many states as it may
    time_limit,     // undecided: the search ran out of time
    cancelled,      // a newer edit made the answer useless
};

// Two ways to stop a search, told apart afterwards.
struct AnalysisStops {
    std::size_t max_states = SolverLimits{}.max_states;
    std::function<bool()> cancelled;    // asked first
    std::function<bool()> out_of_time;  // a time bound from the caller's clock
};

struct LevelSearch {
    Outcome outcome = Outcome::not_judgeable;
    Solution solution;
};

// Searches only a judgeable level; the outcome says which stop ended it, if any.
LevelSearch searchLevel(const GameLevel& level, const LevelFaults& faults, const AnalysisStops& stops);

// The editor's level as the game would read it from a saved file, or why it cannot be.
struct EditorLevelAnalysis {
    std::vector<Message> missing_marks;  // "start", "jewel", "goal" never placed
    std::optional<Message> unreadable;   // what the game's reader says, when it refuses
    GameLevel level;
    LevelFaults faults;
    LevelSearch search;
};

EditorLevelAnalysis analyseEditorLevel(const AuthorLevel& level, const AnalysisStops& stops);

} // namespace kelvaro
