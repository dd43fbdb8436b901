// SPDX-License-Identifier: GPL-3.0-or-later
// The solver on a worker thread: one search at a time, each bounded in time, answers posted to the window's thread.
#pragma once

#include "solver_port.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace kelvaro {

class ThreadedSolver : public QObject, public SolverPort {
public:
    explicit ThreadedSolver(std::chrono::milliseconds budget, QObject* parent = nullptr);
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
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> queue_;
    Flag running_;  // the cancel flag of the search under way
    bool stopping_ = false;
    std::atomic<int> searches_{0};
    std::thread thread_;
};

} // namespace kelvaro
