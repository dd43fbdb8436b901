// SPDX-License-Identifier: GPL-3.0-or-later
// The solver on a worker thread: one search at a time, each bounded in time, answers posted to the window's thread.
#pragma once

#include "game/ports/solver_port.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace kelvaro {

class ThreadedSolver : public SolverPort {
public:
    // Hands a task to the window's thread, to run there later: the shell's event loop.
    using Post = std::function<void(std::function<void()>)>;

    ThreadedSolver(std::chrono::milliseconds budget, Post post);
    ~ThreadedSolver() override;

    void solve(GameLevel position, std::function<void(const Solution&)> done) override;
    void cancelAll() override;

    // Runs on the window's thread after each answer was handed over (the view mirrors the model).
    std::function<void()> after_answer;
    // Searches finished so far, answered or not (benchmarks).
    int searches() const { return searches_.load(); }

private:
    using Flag = std::shared_ptr<std::atomic<bool>>;
    struct Job {
        GameLevel position;
        std::function<void(const Solution&)> done;
        Flag cancelled;
    };
    void work();

    std::chrono::milliseconds budget_;
    Post post_;
    // Cleared when the solver goes: an answer already posted then finds nobody to hand it to.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> queue_;
    Flag running_;  // the cancel flag of the search under way
    bool stopping_ = false;
    std::atomic<int> searches_{0};
    std::thread thread_;
};

} // namespace kelvaro
