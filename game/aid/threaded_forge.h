// SPDX-License-Identifier: GPL-3.0-or-later
// The forge on a worker thread: one puzzle at a time, its progress and outcome posted to the window's thread.
#pragma once

#include "game/ports/forge_port.h"
#include "level/work/worker.h"

namespace kelvaro {

class ThreadedForge : public ForgePort {
public:
    // Hands a task to the window's thread, to run there later: the shell's event loop.
    using Post = PostToOwner;

    // Going, it cancels a forge under way and waits for the thread, which hears the flag within milliseconds.
    explicit ThreadedForge(Post post);

    // A new request cancels the one under way.
    void forge(ForgeRequest request, std::function<void(double share)> progress,
               std::function<void(const forge::ForgeOutcome&)> done) override;
    void cancel() override { worker_.cancelAll(); }

    // Runs on the window's thread after each progress report and outcome was handed over.
    std::function<void()> after_answer;

private:
    struct Job {
        ForgeRequest request;
        std::function<void(double)> progress;
        std::function<void(const forge::ForgeOutcome&)> done;
    };
    void run(Job& job, const JobTicket& ticket);
    // Hands `task` to the window's thread, then lets the window mirror what it changed.
    void hand(const JobTicket& ticket, std::function<void()> task);

    Worker<Job> worker_;  // last: going, it stops the forge under way before the rest goes
};

} // namespace kelvaro
