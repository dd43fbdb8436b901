// SPDX-License-Identifier: GPL-3.0-or-later
// One worker thread for slow jobs: answers handed to the owner's thread, a cancel heard at once, joined at close.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace kelvaro {

// Hands a task to the owner's thread, to run there later: a shell's event loop, or a queue
// the owner drains itself.
using PostToOwner = std::function<void(std::function<void()>)>;

// Lowers the calling thread's priority: on a busy machine the owner's thread gets the processor first.
void lowerThreadPriority();

// What a running job holds: its cancel flag, and the way to answer the owner.
class JobTicket {
public:
    using Flag = std::shared_ptr<std::atomic<bool>>;

    JobTicket(const PostToOwner& post, std::shared_ptr<const std::atomic<bool>> alive, Flag cancelled)
        : post_(post), alive_(std::move(alive)), cancelled_(std::move(cancelled)) {}

    // Set once the job is cancelled or its worker closes: a long job looks at it every few milliseconds.
    const std::atomic<bool>& cancelled() const { return *cancelled_; }
    bool stopped() const { return cancelled_->load(); }

    // Hands `task` to the owner's thread. Both flags are set and read there, so a job cancelled
    // before its answer arrives never answers, even one that had already finished.
    void answer(std::function<void()> task) const
    {
        post_([alive = alive_, cancelled = cancelled_, task = std::move(task)] {
            if (alive->load() && !cancelled->load())
                task();
        });
    }

private:
    const PostToOwner& post_;
    std::shared_ptr<const std::atomic<bool>> alive_;
    Flag cancelled_;
};

// Runs jobs one at a time on a thread of its own. With `Keep::every_job` they run in turn;
// with `Keep::newest_job` a job submitted cancels the one waiting and the one under way.
template <typename Job>
class Worker {
public:
    enum class Keep { every_job, newest_job };
    using Run = std::function<void(Job&, const JobTicket&)>;

    Worker(PostToOwner post, Run run, Keep keep = Keep::every_job)
        : post_(std::move(post)), run_(std::move(run)), keep_(keep), thread_([this] { work(); })
    {
    }
    // Cancels every job and waits for the thread: the job under way hears its flag and ends.
    ~Worker()
    {
        alive_->store(false);  // on the owner's thread, as every answer runs
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            cancelLocked();
        }
        wake_.notify_all();
        thread_.join();
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    void submit(Job job)
    {
        {
            std::lock_guard lock(mutex_);
            if (keep_ == Keep::newest_job)
                cancelLocked();
            queue_.push_back({std::move(job), std::make_shared<std::atomic<bool>>(false)});
        }
        wake_.notify_one();
    }

    // Every job waiting or under way is abandoned: none of them answers.
    void cancelAll()
    {
        std::lock_guard lock(mutex_);
        cancelLocked();
    }

private:
    struct Waiting {
        Job job;
        JobTicket::Flag cancelled;
    };

    void cancelLocked()
    {
        for (Waiting& waiting : queue_)
            waiting.cancelled->store(true);
        queue_.clear();
        if (running_)
            running_->store(true);
    }

    void work()
    {
        lowerThreadPriority();
        for (;;) {
            std::optional<Waiting> next;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
                if (stopping_)
                    return;
                next.emplace(std::move(queue_.front()));
                queue_.pop_front();
                running_ = next->cancelled;
            }
            run_(next->job, JobTicket(post_, alive_, next->cancelled));
            std::lock_guard lock(mutex_);
            running_.reset();
        }
    }

    PostToOwner post_;
    Run run_;
    Keep keep_;
    // Cleared when the worker goes: an answer already posted then finds nobody to hand it to.
    std::shared_ptr<std::atomic<bool>> alive_ = std::make_shared<std::atomic<bool>>(true);
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Waiting> queue_;   // guarded by mutex_
    JobTicket::Flag running_;     // the cancel flag of the job under way, guarded by mutex_
    bool stopping_ = false;       // guarded by mutex_
    std::thread thread_;          // last: started once everything it uses exists
};

} // namespace kelvaro
