// SPDX-License-Identifier: GPL-3.0-or-later
// Hands positions to the solver away from the window's thread; the answers come back on it.
#pragma once

#include "level/game_level.h"
#include "level/solver/solver.h"

#include <functional>

namespace kelvaro {

class SolverPort {
public:
    virtual ~SolverPort() = default;
    // Solves `position` in the background; `done` runs later on the window's thread,
    // unless the search is cancelled first. A search that runs out of time answers with
    // an unknown verdict.
    virtual void solve(GameLevel position, std::function<void(const Solution&)> done) = 0;
    // Every outstanding search is abandoned: its `done` never runs.
    virtual void cancelAll() = 0;
};

// Solves at once on the caller's thread: for tests and for programs without a worker.
class InlineSolver : public SolverPort {
public:
    SolverLimits limits;
    void solve(GameLevel position, std::function<void(const Solution&)> done) override
    {
        done(kelvaro::solve(position, limits));
    }
    void cancelAll() override {}
};

} // namespace kelvaro
