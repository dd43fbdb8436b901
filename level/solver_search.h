// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's two searches over one model: the decision, then the shortest solution.
#pragma once

#include "solver.h"
#include "solver_model.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvaro {

// A push as a search edge: from the player's cell, in a facing.
struct SolverPush {
    std::uint32_t player;
    std::uint8_t dir;
};

struct SearchResult {
    Verdict verdict = Verdict::unknown;
    std::vector<SolverPush> pushes;  // from the start to the win, when solvable
    std::size_t states = 0;
    bool stopped = false;  // the caller's should_stop ended the search
};

// Over states whose player is reduced to the lowest cell of the area it can reach,
// nearest jewel first: decides the level, and gives some solution when there is one.
SearchResult decideLevel(SolverModel& model, const SolverLimits& limits);

// Best first over states with the exact player cell, each edge a shortest walk and
// one push, costed in actions: a shortest solution in actions.
SearchResult shortestSolution(SolverModel& model, const SolverLimits& limits);

} // namespace kelvaro
