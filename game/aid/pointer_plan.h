// SPDX-License-Identifier: GPL-3.0-or-later
// Where a click on the playfield takes the player: a walk to a floor cell, a push of an object beside it, or the pushes that take an object to a chosen cell.
#pragma once

#include "level/game_level.h"
#include "level/solver/solver.h"
#include "level/solver/solver_model.h"
#include "level/solver/solver_walk_map.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kelvaro {

// The cells an object can be pushed to, counting the walks between pushes, and for each the
// walks and the fewest pushes that take it there.
class PushTargets {
public:
    // Nearest in pushes first, as (column, row).
    const std::vector<std::pair<int, int>>& cells() const { return cells_; }
    bool contains(int x, int y) const;
    // The moves that take the object to (x, y); none when it is not one of the cells.
    std::vector<Action> movesTo(int x, int y) const;

private:
    friend class PointerPlan;
    struct Node {
        std::uint32_t object;  // where the object stands
        std::uint32_t player;  // where the push that brought it there was made from
        std::int32_t parent;
        std::uint8_t dir;
    };
    explicit PushTargets(const SolverModel& model) : model_(model) {}
    std::optional<std::uint32_t> cellOf(int x, int y) const;

    SolverModel model_;  // the position with the object lifted off
    std::uint8_t code_ = 0;
    std::vector<Node> nodes_;  // the search tree, breadth first: nodes_[0] is the start
    std::unordered_map<std::uint32_t, std::int32_t> reached_;  // a target cell's first node
    std::vector<std::pair<int, int>> cells_;
};

// The answers for one position: built once, asked as often as the pointer moves.
class PointerPlan {
public:
    // Cells a push search may visit, summed over the walks it fills: some 10 ms of work at
    // most; a room as large as the window shows needs a tenth of it.
    static constexpr std::size_t search_budget = 1'000'000;

    explicit PointerPlan(const GameLevel& position);

    // A floor cell the player can walk to, other than its own.
    bool reaches(int x, int y) const;
    // The walks of a shortest way there; none when it cannot be reached.
    std::vector<Action> walkTo(int x, int y) const;
    // The push of the crate or jewel at (x, y) from beside it, in line, as Ctrl with that
    // arrow would make it; none when it is not beside the player or cannot move that way.
    std::optional<Action> pushBeside(int x, int y) const;
    // A crate or jewel the player can push from where it may walk to.
    bool pushable(int x, int y) const;
    // Where the object at (x, y) can be pushed; none when it cannot be pushed at all, or when
    // the search would visit more than `budget` cells.
    std::optional<PushTargets> pushTargets(int x, int y, std::size_t budget = search_budget) const;

private:
    std::optional<std::uint32_t> cellOf(int x, int y) const;

    int maxx_, maxy_;
    SolverModel model_;
    SolverWalkMap walks_;
    std::uint32_t player_;
    std::uint32_t goal_;
};

} // namespace kelvaro
