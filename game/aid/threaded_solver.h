// SPDX-License-Identifier: GPL-3.0-or-later
// The solver on a worker thread: one search at a time, each bounded in time, answers posted to the window's thread.
#pragma once

#include "game/ports/solver_port.h"
#include "level/work/worker.h"

#include <atomic>
#include <chrono>

namespace kelvaro {

class ThreadedSolver : public SolverPort {
public:
    // Hands a task to the window's thread, to run there later: the shell's event loop.
    using Post = PostToOwner;

    ThreadedSolver(std::chrono::milliseconds budget, Post post);

    void solve(GameLevel position, std::function<void(const Solution&)> done) override;
    void cancelAll() override { worker_.cancelAll(); }

    // Runs on the window's thread after each answer was handed over (the view mirrors the model).
    std::function<void()> after_answer;
    // Searches finished so far, answered or not (benchmarks).
    int searches() const { return searches_.load(); }

private:
    struct Job {
        GameLevel position;
        std::function<void(const Solution&)> done;
    };
    void run(Job& job, const JobTicket& ticket);

    std::chrono::milliseconds budget_;
    std::atomic<int> searches_{0};
    Worker<Job> worker_;  // last: going, it stops the search under way before the rest goes
};

} // namespace kelvaro
