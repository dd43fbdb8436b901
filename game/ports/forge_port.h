// SPDX-License-Identifier: GPL-3.0-or-later
// How the window asks for a generated puzzle: a code or a day's puzzle, forged inline or on a worker thread.
#pragma once

#include "level/forge/grade_forge.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <variant>

namespace kelvaro {

// What to forge: the level of a code, or the daily puzzle of a day.
using ForgeRequest = std::variant<forge::LevelCode, std::chrono::year_month_day>;

forge::ForgeOutcome forgeRequested(const ForgeRequest& request, const std::atomic<bool>* cancel,
                                   const forge::Progress& progress);

class ForgePort {
public:
    virtual ~ForgePort() = default;
    // Forges `request`; `progress` (the share of the budget spent) and `done` run on the
    // window's thread. A forge that was cancelled never answers.
    virtual void forge(ForgeRequest request, std::function<void(double share)> progress,
                       std::function<void(const forge::ForgeOutcome&)> done) = 0;
    virtual void cancel() = 0;
};

// Forges at once, on the caller's thread: for tests and tools without an event loop.
class InlineForge : public ForgePort {
public:
    void forge(ForgeRequest request, std::function<void(double)>, std::function<void(const forge::ForgeOutcome&)> done) override
    {
        done(forgeRequested(request, nullptr, {}));
    }
    void cancel() override {}
};

} // namespace kelvaro
