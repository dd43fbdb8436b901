// SPDX-License-Identifier: GPL-3.0-or-later
// The solver port of the page: searches go to a worker one at a time, and each answer comes back on the page's thread.
#pragma once

#include "game/ports/solver_port.h"
#include "web/worker_link.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace kelvaro {

// Jobs are searched in turn, as the desktop's worker thread does. A job cancelled never
// answers: one waiting is forgotten, the one under way ends with its worker, and an answer
// that still comes for it is dropped by its number.
class WebSolver : public SolverPort {
public:
    // Each search may take `budget_ms` of the worker's time; it then answers with an unknown verdict.
    WebSolver(WorkerLink& link, int budget_ms) : link_(link), budget_ms_(budget_ms) {}

    void solve(GameLevel position, std::function<void(const Solution&)> done) override;
    void cancelAll() override;

    // The worker's answer, on the page's thread: the job's `done` runs if it is the one
    // under way, then the next job goes. Whether it was handed over.
    bool answer(const std::string& text);
    // The worker failed (it could not load, or ran out of memory): the search under way
    // answers unknown, as one out of time does, and a fresh worker takes the next.
    void failed();

    // Jobs not answered yet, the one under way included.
    std::size_t outstanding() const { return waiting_.size() + (running_ ? 1 : 0); }
    // Answers that came for no job under way (for the tests).
    int dropped() const { return dropped_; }

private:
    struct Job {
        std::uint32_t id;
        GameLevel position;
        std::function<void(const Solution&)> done;
    };
    void sendNext();
    void finish(const Solution& solution);

    WorkerLink& link_;
    int budget_ms_;
    std::uint32_t next_id_ = 1;
    std::deque<Job> waiting_;
    std::optional<Job> running_;  // posted to the worker, not answered yet
    int dropped_ = 0;
};

} // namespace kelvaro
