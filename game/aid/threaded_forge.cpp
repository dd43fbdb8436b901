// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzles forged on one worker thread, below the window's priority, so painting and play never wait.
#include "game/aid/threaded_forge.h"

namespace kelvaro {

forge::ForgeOutcome forgeRequested(const ForgeRequest& request, const std::atomic<bool>* cancel,
                                   const forge::Progress& progress)
{
    if (const auto* code = std::get_if<forge::LevelCode>(&request))
        return forge::forgeCode(*code, cancel, progress);
    return forge::forgeDaily(std::get<std::chrono::year_month_day>(request), cancel, progress);
}

ThreadedForge::ThreadedForge(Post post)
    : worker_(std::move(post), [this](Job& job, const JobTicket& ticket) { run(job, ticket); },
              Worker<Job>::Keep::newest_job)
{
}

void ThreadedForge::forge(ForgeRequest request, std::function<void(double)> progress,
                          std::function<void(const forge::ForgeOutcome&)> done)
{
    worker_.submit({std::move(request), std::move(progress), std::move(done)});
}

void ThreadedForge::hand(const JobTicket& ticket, std::function<void()> task)
{
    ticket.answer([this, task = std::move(task)] {
        task();
        if (after_answer)
            after_answer();
    });
}

void ThreadedForge::run(Job& job, const JobTicket& ticket)
{
    const forge::Progress progress = [&](double share) {
        hand(ticket, [report = job.progress, share] { report(share); });
    };
    forge::ForgeOutcome outcome = forgeRequested(job.request, &ticket.cancelled(), progress);
    hand(ticket, [done = std::move(job.done), outcome = std::move(outcome)] { done(outcome); });
}

} // namespace kelvaro
