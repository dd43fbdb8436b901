// SPDX-License-Identifier: GPL-3.0-or-later
// A search for the solver's worker module, and its answer, as the plain text the page's worker passes on.
#pragma once

#include "level/game_level.h"
#include "level/solver/solver.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kelvaro {

// A position to solve, numbered so that its answer finds its asker, bounded in the worker's time.
struct SolverJob {
    std::uint32_t id = 0;
    int budget_ms = 0;
    GameLevel position;
};

struct SolverAnswer {
    std::uint32_t id = 0;
    Solution solution;
};

// "job ID BUDGET POSITION", the position as putPosition (web/job_text.h) writes it.
std::string jobText(const SolverJob& job);
// Nothing for text that is not a whole job.
std::optional<SolverJob> parseJob(const std::string& text);

// "answer ID VERDICT SHORTEST WALKS PUSHES STATES EXPANDED STOPPED MOVES", the moves as movesText
// writes them ("-" for none).
std::string answerText(const SolverAnswer& answer);
std::optional<SolverAnswer> parseAnswer(const std::string& text);

// What the worker does with a job's text: solves it within its budget on `now` (milliseconds)
// and answers; nothing for text that is not a job.
std::optional<std::string> answerJob(const std::string& text, const std::function<double()>& now);

} // namespace kelvaro
