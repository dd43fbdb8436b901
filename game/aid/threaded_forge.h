// SPDX-License-Identifier: GPL-3.0-or-later
// The forge on a worker thread: one puzzle at a time, its progress and outcome posted to the window's thread.
#pragma once

#include "game/ports/forge_port.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace kelvaro {

class ThreadedForge : public ForgePort {
public:
    // Hands a task to the window's thread, to run there later: the shell's event loop.
    using Post = std::function<void(std::function<void()>)>;

    explicit ThreadedForge(Post post);
    // Cancels a forge under way and waits for the thread, which hears the flag within milliseconds.
    ~ThreadedForge() override;

    // A new request cancels the one under way.
    void forge(ForgeRequest request, std::function<void(double share)> progress,
               std::function<void(const forge::ForgeOutcome&)> done) override;
    void cancel() override;

    // Runs on the window's thread after each progress report and outcome was handed over.
    std::function<void()> after_answer;

private:
    using Flag = std::shared_ptr<std::atomic<bool>>;
    struct Job {
        ForgeRequest request;
        std::function<void(double)> progress;
        std::function<void(const forge::ForgeOutcome&)> done;
        Flag cancelled;
    };
    void work();
    // Hands `task` to the window's thread, where it runs unless the forge is gone or the job cancelled.
    void hand(const Flag& cancelled, std::function<void()> task);

    Post post_;
    // Cleared when the forge goes: a report already posted then finds nobody to hand it to.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> waiting_;
    Flag running_;  // the cancel flag of the forge under way
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace kelvaro
