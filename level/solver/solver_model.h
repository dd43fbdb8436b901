// SPDX-License-Identifier: GPL-3.0-or-later
// The level as the solver searches it: fixed cells, and the cells that changed as a state.
#pragma once

#include "level/game_level.h"
#include "level/solver/solver_bound.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace kelvaro {

// A state is a run of words: the player's cell, the jewel position the game tracks
// (`jewelx` << 8 | `jewely`, bytes as the game keeps them), then every cell whose
// code differs from the fixed floor, sorted, as (cell << 8 | code). Cells are
// numbered in a grid padded with two rings of border, so every cell a rule looks at,
// up to two steps from the player, exists and reads as border outside the level.
class SolverModel {
public:
    // With `tables`, the bound's tables are taken from the levels solved before when
    // their walls and goal are the same, and kept for the next. Unbounded, the model has no
    // dead-position tests (actionsLeft is 0): cheap to build, for walks and pushes planned
    // by hand rather than searched for a solution.
    explicit SolverModel(const GameLevel& level, SolverTables* tables = nullptr, bool bounded = true);

    std::vector<std::uint32_t> startWords() const { return start_; }

    // Index steps of the four facings (0 right, 1 left, 2 up, 3 down).
    int step(int dir) const { return steps_[dir]; }
    std::uint32_t cellOf(int x, int y) const;
    int xOf(std::uint32_t cell) const { return static_cast<int>(cell) / height_ - 2; }
    int yOf(std::uint32_t cell) const { return static_cast<int>(cell) % height_ - 2; }
    std::size_t cellCount() const { return floor_.size(); }

    // Lays a state's changed cells over the working grid, and takes them off again.
    void load(std::span<const std::uint32_t> state);
    void unload(std::span<const std::uint32_t> state);
    std::uint8_t code(std::uint32_t cell) const { return work_[cell]; }
    void setCode(std::uint32_t cell, std::uint8_t code) { work_[cell] = code; }

    // The state after a push from `player` in `dir` (the caller has checked the rules),
    // with `next_player` as its first word.
    void pushed(std::span<const std::uint32_t> state, std::uint32_t player, int dir, std::uint32_t next_player,
                std::vector<std::uint32_t>& out) const;

    // The level is won once the tracked jewel position is the goal.
    bool won(std::span<const std::uint32_t> state) const { return state[1] == goal_; }

    // At least how many actions a state that is not won still needs; nothing when it
    // is dead. 0 without pruning.
    std::optional<int> actionsLeft(std::span<const std::uint32_t> state);

private:
    int height_;
    int steps_[4];
    std::vector<std::uint8_t> floor_;  // the level with the jewel and obstacles lifted off
    std::vector<std::uint8_t> work_;   // the floor with the loaded state laid over it
    std::vector<std::uint32_t> start_;
    std::uint32_t goal_;               // tracked form
    std::shared_ptr<SolverBound> bound_;  // only where the dead-position tests hold
    std::vector<std::uint32_t> obstacles_;
};

} // namespace kelvaro
