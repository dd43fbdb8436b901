// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's way to the solver's worker: a Web Worker the page starts (web/library_solver_link.js).
#pragma once

#include "web/web_solver.h"

namespace kelvaro {

class JsSolverLink : public SolverLink {
public:
    void post(const std::string& job) override;
    void restart() override;
    // Loads the worker soon, once the page has shown the game.
    void prepare();
};

} // namespace kelvaro
