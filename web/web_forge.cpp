// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzles forged in the forge's worker, its reports matched to the forge under way by number.
#include "web/web_forge.h"

#include "web/forge_job.h"

#include <utility>

namespace kelvaro {

void WebForge::forge(ForgeRequest request, std::function<void(double)> progress,
                     std::function<void(const forge::ForgeOutcome&)> done)
{
    cancel();
    running_.emplace(Job{next_id_++, std::move(progress), std::move(done)});
    link_.post(forgeJobText({running_->id, std::move(request)}));
}

void WebForge::cancel()
{
    if (!running_)
        return;
    running_.reset();
    link_.restart();
}

// The forge leaves before its `done` runs: that may ask for another.
void WebForge::finish(const forge::ForgeOutcome& outcome)
{
    const std::function<void(const forge::ForgeOutcome&)> done = std::move(running_->done);
    running_.reset();
    done(outcome);
}

bool WebForge::answer(const std::string& text)
{
    const std::optional<ForgeReport> report = parseForgeReport(text);
    if (!report || !running_ || report->id != running_->id)
        return false;
    if (const double* share = std::get_if<double>(&report->what)) {
        if (running_->progress)
            running_->progress(*share);
        return true;
    }
    finish(std::get<forge::ForgeOutcome>(report->what));
    return true;
}

void WebForge::failed()
{
    if (!running_)
        return;
    link_.restart();
    finish(forge::ForgeOutcome{forge::ForgeFailure::no_level_found});
}

} // namespace kelvaro
