// SPDX-License-Identifier: GPL-3.0-or-later
// Searches queued for the solver's worker, their answers matched to them by number.
#include "web/web_solver.h"

#include "web/solver_job.h"

#include <utility>

namespace kelvaro {

void WebSolver::solve(GameLevel position, std::function<void(const Solution&)> done)
{
    waiting_.push_back({next_id_++, std::move(position), std::move(done)});
    if (!running_)
        sendNext();
}

void WebSolver::cancelAll()
{
    waiting_.clear();
    if (running_) {
        running_.reset();
        link_.restart();
    }
}

void WebSolver::sendNext()
{
    if (running_ || waiting_.empty())
        return;
    running_.emplace(std::move(waiting_.front()));
    waiting_.pop_front();
    link_.post(jobText({running_->id, budget_ms_, running_->position}));
}

// The job leaves before its `done` runs: that may ask for another search or cancel them all.
void WebSolver::finish(const Solution& solution)
{
    const std::function<void(const Solution&)> done = std::move(running_->done);
    running_.reset();
    done(solution);
    sendNext();
}

bool WebSolver::answer(const std::string& text)
{
    const std::optional<SolverAnswer> answered = parseAnswer(text);
    if (!answered || !running_ || answered->id != running_->id) {
        ++dropped_;
        return false;
    }
    finish(answered->solution);
    return true;
}

void WebSolver::failed()
{
    if (!running_)
        return;
    link_.restart();
    Solution unknown;
    unknown.stopped = true;
    finish(unknown);
}

} // namespace kelvaro
