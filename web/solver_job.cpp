// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's jobs and answers as text, and what the worker does with a job.
#include "web/solver_job.h"

#include "web/job_text.h"

#include <string_view>
#include <vector>

namespace kelvaro {
namespace {

bool readMoveList(std::string_view text, std::vector<Action>& moves)
{
    if (text == "-")
        return true;
    std::optional<std::vector<Action>> read = readMoves(text);
    if (read)
        moves = std::move(*read);
    return read.has_value();
}

} // namespace

std::string jobText(const SolverJob& job)
{
    std::string text = "job";
    putNumber(text, job.id);
    putNumber(text, job.budget_ms);
    putPosition(text, job.position);
    return text;
}

std::optional<SolverJob> parseJob(const std::string& text)
{
    JobWords words(text);
    if (words.word() != "job")
        return std::nullopt;
    SolverJob job;
    job.id = words.number<std::uint32_t>();
    job.budget_ms = words.number<int>(0);
    job.position = readPosition(words);
    if (!words.ok())
        return std::nullopt;
    return job;
}

std::string answerText(const SolverAnswer& answer)
{
    const Solution& s = answer.solution;
    std::string text = "answer";
    for (const long long value : {static_cast<long long>(answer.id), static_cast<long long>(s.verdict),
                                  static_cast<long long>(s.shortest), static_cast<long long>(s.walks),
                                  static_cast<long long>(s.pushes), static_cast<long long>(s.states),
                                  static_cast<long long>(s.expanded), static_cast<long long>(s.stopped)})
        putNumber(text, value);
    text += ' ';
    text += s.moves.empty() ? std::string("-") : movesText(s.moves);
    return text;
}

std::optional<SolverAnswer> parseAnswer(const std::string& text)
{
    JobWords words(text);
    if (words.word() != "answer")
        return std::nullopt;
    SolverAnswer answer;
    Solution& s = answer.solution;
    answer.id = words.number<std::uint32_t>();
    s.verdict = static_cast<Verdict>(words.number<int>(0, static_cast<int>(Verdict::unknown)));
    s.shortest = words.number<int>(0, 1) != 0;
    s.walks = words.number<int>(0);
    s.pushes = words.number<int>(0);
    s.states = words.number<std::size_t>();
    s.expanded = words.number<std::size_t>();
    s.stopped = words.number<int>(0, 1) != 0;
    const std::string_view moves = words.word();
    if (!words.ok() || !readMoveList(moves, s.moves))
        return std::nullopt;
    return answer;
}

std::optional<std::string> answerJob(const std::string& text, const std::function<double()>& now)
{
    const std::optional<SolverJob> job = parseJob(text);
    if (!job)
        return std::nullopt;
    const double deadline = now() + job->budget_ms;
    SolverLimits limits;
    limits.should_stop = [&now, deadline] { return now() > deadline; };
    return answerText({job->id, solve(job->position, limits)});
}

} // namespace kelvaro
