// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the editor's level on a thread of its own: the newest request cancels the older one.
#pragma once

#include "level/analysis/level_analysis.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace kelvaro {

class AnalysisWorker {
public:
    // Called on the worker's thread with the answer to the newest request only; a request
    // overtaken by a newer one is never reported.
    using Report = std::function<void(std::uint64_t generation, const EditorLevelAnalysis&)>;
    // Milliseconds of a steady clock; the window passes the real one, tests a fake.
    using Clock = std::function<std::int64_t()>;

    static constexpr std::int64_t default_time_budget_ms = 5000;
    static constexpr std::size_t default_max_states = 1'000'000;

    AnalysisWorker(Report report, Clock now, std::int64_t time_budget_ms = default_time_budget_ms,
                   std::size_t max_states = default_max_states);
    ~AnalysisWorker();  // cancels what runs and waits for the thread
    AnalysisWorker(const AnalysisWorker&) = delete;
    AnalysisWorker& operator=(const AnalysisWorker&) = delete;

    // Asks for `level` to be checked; returns the request's generation.
    std::uint64_t request(AuthorLevel level);
    std::uint64_t latest() const { return latest_.load(); }

private:
    void run();

    Report report_;
    Clock now_;
    std::int64_t time_budget_ms_;
    std::size_t max_states_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<AuthorLevel> pending_;  // guarded by mutex_
    bool quit_ = false;                   // guarded by mutex_
    std::atomic<std::uint64_t> latest_{0};
    std::atomic<bool> quitting_{false};
    std::thread thread_;  // last: started once everything it uses exists
};

} // namespace kelvaro
