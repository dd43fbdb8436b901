// SPDX-License-Identifier: GPL-3.0-or-later
// Searches run on one worker thread, below the window's priority, so painting and play never wait.
#include "game/aid/threaded_solver.h"

namespace kelvaro {

ThreadedSolver::ThreadedSolver(std::chrono::milliseconds budget, Post post)
    : budget_(budget), worker_(std::move(post), [this](Job& job, const JobTicket& ticket) { run(job, ticket); })
{
}

void ThreadedSolver::solve(GameLevel position, std::function<void(const Solution&)> done)
{
    worker_.submit({std::move(position), std::move(done)});
}

void ThreadedSolver::run(Job& job, const JobTicket& ticket)
{
    const auto deadline = std::chrono::steady_clock::now() + budget_;
    SolverLimits limits;
    limits.should_stop = [&ticket, deadline] {
        return ticket.stopped() || std::chrono::steady_clock::now() > deadline;
    };
    Solution solution = kelvaro::solve(job.position, limits);
    ++searches_;
    ticket.answer([this, done = std::move(job.done), solution = std::move(solution)] {
        done(solution);
        if (after_answer)
            after_answer();
    });
}

} // namespace kelvaro
