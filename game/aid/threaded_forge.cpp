// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzles forged on one worker thread, below the window's priority, so painting and play never wait.
#include "game/aid/threaded_forge.h"

#include <sys/resource.h>
#include <unistd.h>

namespace kelvaro {

forge::ForgeOutcome forgeRequested(const ForgeRequest& request, const std::atomic<bool>* cancel,
                                   const forge::Progress& progress)
{
    if (const auto* code = std::get_if<forge::LevelCode>(&request))
        return forge::forgeCode(*code, cancel, progress);
    return forge::forgeDaily(std::get<std::chrono::year_month_day>(request), cancel, progress);
}

ThreadedForge::ThreadedForge(Post post) : post_(std::move(post)), thread_([this] { work(); }) {}

ThreadedForge::~ThreadedForge()
{
    *alive_ = false;  // on the window's thread, as every posted report runs
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        waiting_.reset();
        if (running_)
            running_->store(true);
    }
    wake_.notify_all();
    thread_.join();
}

void ThreadedForge::forge(ForgeRequest request, std::function<void(double)> progress,
                          std::function<void(const forge::ForgeOutcome&)> done)
{
    {
        std::lock_guard lock(mutex_);
        if (waiting_)
            waiting_->cancelled->store(true);
        if (running_)
            running_->store(true);
        waiting_ = Job{request, std::move(progress), std::move(done), std::make_shared<std::atomic<bool>>(false)};
    }
    wake_.notify_one();
}

// The flags are set and read on the window's thread before a report is handed over, so a
// forge cancelled here never answers, even if it had already finished.
void ThreadedForge::cancel()
{
    std::lock_guard lock(mutex_);
    if (waiting_)
        waiting_->cancelled->store(true);
    waiting_.reset();
    if (running_)
        running_->store(true);
}

void ThreadedForge::hand(const Flag& cancelled, std::function<void()> task)
{
    post_([this, alive = alive_, cancelled, task = std::move(task)] {
        if (!*alive || cancelled->load())
            return;
        task();
        if (after_answer)
            after_answer();
    });
}

void ThreadedForge::work()
{
    // A nicer thread: on a busy machine the window's thread gets the processor first.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || waiting_; });
            if (stopping_)
                return;
            job = std::move(*waiting_);
            waiting_.reset();
            running_ = job.cancelled;
        }
        const forge::Progress progress = [&](double share) {
            hand(job.cancelled, [report = job.progress, share] { report(share); });
        };
        forge::ForgeOutcome outcome = forgeRequested(job.request, job.cancelled.get(), progress);
        {
            std::lock_guard lock(mutex_);
            running_.reset();
        }
        hand(job.cancelled, [done = std::move(job.done), outcome = std::move(outcome)] { done(outcome); });
    }
}

} // namespace kelvaro
