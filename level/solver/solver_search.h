// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's two searches over one model: the decision, then the shortest solution.
#pragma once

#include "level/solver/solver.h"
#include "level/solver/solver_model.h"
#include "level/solver/solver_walk_map.h"
#include "level/cell_rules.h"

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
    std::size_t expanded = 0;  // states taken from the open list and their pushes tried
    bool stopped = false;      // the caller's should_stop ended the search
};

// Calls `visit(player, dir)` for every push the player can make from the cells it reaches.
template <typename Visit>
void forEachPush(const SolverModel& model, const SolverWalkMap& walks, Visit&& visit)
{
    for (std::uint32_t player : walks.reached())
        for (int dir = 0; dir < 4; ++dir) {
            const std::uint32_t front = player + static_cast<std::uint32_t>(model.step(dir));
            if (mayPush(model.code(front), model.code(front + static_cast<std::uint32_t>(model.step(dir)))))
                visit(player, dir);
        }
}

// The lowest cell the player reaches from `player` once the push it makes in `dir` is done.
// `area` holds where the player walks before the push (filled from a cell of its area);
// `walks` is scratch for the pushes that change more than one cell's worth of it.
std::uint32_t areaAfterPush(SolverModel& model, const SolverWalkMap& area, SolverWalkMap& walks, std::uint32_t player,
                            int dir);

// Over states whose player is reduced to the lowest cell of the area it can reach,
// nearest jewel first: decides the level, and gives some solution when there is one.
SearchResult decideLevel(SolverModel& model, const SolverLimits& limits);

// Best first over states with the exact player cell, each edge a shortest walk and
// one push, costed in actions: a shortest solution in actions.
SearchResult shortestSolution(SolverModel& model, const SolverLimits& limits);

} // namespace kelvaro
