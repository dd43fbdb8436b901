// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis thread: waits for a level, checks it, reports unless a newer one came.
#include "editor/core/analysis_worker.h"

#include <utility>

namespace kelvaro {

AnalysisWorker::AnalysisWorker(Report report, Clock now, std::int64_t time_budget_ms, std::size_t max_states)
    : report_(std::move(report)), now_(std::move(now)), time_budget_ms_(time_budget_ms), max_states_(max_states),
      thread_([this] { run(); })
{
}

AnalysisWorker::~AnalysisWorker()
{
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    quitting_ = true;
    wake_.notify_one();
    thread_.join();
}

std::uint64_t AnalysisWorker::request(AuthorLevel level)
{
    std::uint64_t generation = 0;
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(level);
        generation = ++latest_;  // from now on the running check answers too late
    }
    wake_.notify_one();
    return generation;
}

void AnalysisWorker::run()
{
    for (;;) {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return quit_ || pending_; });
        if (quit_)
            return;
        const AuthorLevel level = std::move(*pending_);
        pending_.reset();
        const std::uint64_t generation = latest_.load();
        lock.unlock();

        const std::int64_t started = now_();
        AnalysisStops stops;
        stops.max_states = max_states_;
        stops.cancelled = [this, generation] { return quitting_.load() || latest_.load() != generation; };
        stops.out_of_time = [this, started] { return now_() - started >= time_budget_ms_; };
        const EditorLevelAnalysis analysis = analyseEditorLevel(level, stops);
        if (analysis.search.outcome == Outcome::cancelled || latest_.load() != generation || quitting_.load())
            continue;
        report_(generation, analysis);
    }
}

} // namespace kelvaro
