// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the editor's level on a thread of its own: the newest request cancels the older one.
#pragma once

#include "level/analysis/level_analysis.h"
#include "level/work/worker.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace kelvaro {

class AnalysisWorker {
public:
    // Called on the window's thread, through the post hook, with the answer to the newest request
    // only; a request overtaken by a newer one is never reported.
    using Report = std::function<void(std::uint64_t generation, const EditorLevelAnalysis&)>;
    // Milliseconds of a steady clock; the window passes the real one, tests a fake.
    using Clock = std::function<std::int64_t()>;

    static constexpr std::int64_t default_time_budget_ms = 5000;
    static constexpr std::size_t default_max_states = 1'000'000;

    AnalysisWorker(PostToOwner post, Report report, Clock now, std::int64_t time_budget_ms = default_time_budget_ms,
                   std::size_t max_states = default_max_states);

    // Asks for `level` to be checked; returns the request's generation.
    std::uint64_t request(AuthorLevel level);
    std::uint64_t latest() const { return latest_.load(); }

private:
    struct Job {
        AuthorLevel level;
        std::uint64_t generation;
    };
    void run(Job& job, const JobTicket& ticket);

    Report report_;
    Clock now_;
    std::int64_t time_budget_ms_;
    std::size_t max_states_;
    std::atomic<std::uint64_t> latest_{0};
    Worker<Job> worker_;  // last: going, it cancels what runs and waits for the thread
};

} // namespace kelvaro
