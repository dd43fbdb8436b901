// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis thread: checks the newest level, reports unless a newer one came.
#include "editor/core/analysis_worker.h"

#include <utility>

namespace kelvaro {

AnalysisWorker::AnalysisWorker(PostToOwner post, Report report, Clock now, std::int64_t time_budget_ms,
                               std::size_t max_states)
    : report_(std::move(report)), now_(std::move(now)), time_budget_ms_(time_budget_ms), max_states_(max_states),
      worker_(std::move(post), [this](Job& job, const JobTicket& ticket) { run(job, ticket); },
              Worker<Job>::Keep::newest_job)
{
}

std::uint64_t AnalysisWorker::request(AuthorLevel level)
{
    const std::uint64_t generation = ++latest_;  // from now on the running check answers too late
    worker_.submit({std::move(level), generation});
    return generation;
}

void AnalysisWorker::run(Job& job, const JobTicket& ticket)
{
    const std::int64_t started = now_();
    AnalysisStops stops;
    stops.max_states = max_states_;
    stops.cancelled = [&ticket] { return ticket.stopped(); };
    stops.out_of_time = [this, started] { return now_() - started >= time_budget_ms_; };
    EditorLevelAnalysis analysis = analyseEditorLevel(job.level, stops);
    if (analysis.search.outcome == Outcome::cancelled)
        return;
    ticket.answer([this, generation = job.generation, analysis = std::move(analysis)] {
        report_(generation, analysis);
    });
}

} // namespace kelvaro
