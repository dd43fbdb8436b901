// SPDX-License-Identifier: GPL-3.0-or-later
// Searches run on one worker thread, below the window's priority, so painting and play never wait.
#include "game/aid/threaded_solver.h"

#include <sys/resource.h>
#include <unistd.h>

namespace kelvaro {

ThreadedSolver::ThreadedSolver(std::chrono::milliseconds budget, Post post)
    : budget_(budget), post_(std::move(post)), thread_([this] { work(); })
{
}

ThreadedSolver::~ThreadedSolver()
{
    *alive_ = false;  // on the window's thread, as every posted answer runs
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
        if (running_)
            running_->store(true);
    }
    wake_.notify_all();
    thread_.join();
}

void ThreadedSolver::solve(GameLevel position, std::function<void(const Solution&)> done)
{
    {
        std::lock_guard lock(mutex_);
        queue_.push_back({std::move(position), std::move(done), std::make_shared<std::atomic<bool>>(false)});
    }
    wake_.notify_one();
}

// The flags are set and read on the window's thread before an answer is handed over,
// so a search cancelled here never answers, even if it had already finished.
void ThreadedSolver::cancelAll()
{
    std::lock_guard lock(mutex_);
    for (Job& job : queue_)
        job.cancelled->store(true);
    queue_.clear();
    if (running_)
        running_->store(true);
}

void ThreadedSolver::work()
{
    // A nicer thread: on a busy machine the window's thread gets the processor first.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_)
                return;
            job = std::move(queue_.front());
            queue_.pop_front();
            running_ = job.cancelled;
        }
        const auto deadline = std::chrono::steady_clock::now() + budget_;
        SolverLimits limits;
        limits.should_stop = [flag = job.cancelled, deadline] {
            return flag->load() || std::chrono::steady_clock::now() > deadline;
        };
        Solution solution = kelvaro::solve(job.position, limits);
        ++searches_;
        {
            std::lock_guard lock(mutex_);
            running_.reset();
        }
        post_([this, alive = alive_, flag = job.cancelled, done = std::move(job.done), solution = std::move(solution)] {
            if (!*alive || flag->load())
                return;
            done(solution);
            if (after_answer)
                after_answer();
        });
    }
}

} // namespace kelvaro
