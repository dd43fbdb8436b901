// SPDX-License-Identifier: GPL-3.0-or-later
// Every position a level can reach, as a graph of pushes, with the positions from which it can still be won.
#pragma once

#include "level/game_level.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <span>
#include <vector>

namespace kelvaro {

class SolverTables;

// A push out of a position: what stands at (x, y) moves one cell in `dir`.
struct SpacePush {
    static constexpr std::uint32_t won = std::numeric_limits<std::uint32_t>::max();
    static constexpr std::uint32_t dead = won - 1;  // cut off at once: the jewel or the way is stuck for good

    std::uint8_t x;
    std::uint8_t y;
    std::uint8_t dir;
    std::uint32_t to;  // the position it leads to, or won, or dead
};

// Positions count the player once per area it can walk in, as the deciding search does;
// position 0 is the start. Built only when the whole space fits the state limit.
class PositionSpace {
public:
    // `complete` is false when the level has more than `max_states` positions, or when
    // `should_stop` (asked every few hundred positions) ended the count; nothing else is
    // then filled in. `tables` as in SolverLimits.
    PositionSpace(const GameLevel& level, std::size_t max_states, const std::function<bool()>& should_stop = {},
                  SolverTables* tables = nullptr);

    bool complete() const { return complete_; }
    bool stopped() const { return stopped_; }
    // Positions found: all of them when complete, else how many there were when the limit stopped the search.
    std::size_t found() const { return found_; }
    std::size_t size() const { return first_.empty() ? 0 : first_.size() - 1; }
    std::span<const SpacePush> pushes(std::uint32_t position) const;

    // Whether the level can be won from the position, or after the push.
    bool winnable(std::uint32_t position) const { return winnable_[position] != 0; }
    bool wins(const SpacePush& push) const;

    // Whether a way from the start to a win exists that never pushes what stands at
    // (x, y) in the start position.
    bool winsWithout(int x, int y) const;

private:
    bool complete_ = false;
    bool stopped_ = false;
    std::size_t found_ = 0;
    std::vector<std::uint32_t> first_;  // pushes of position i: pushes_[first_[i] .. first_[i + 1])
    std::vector<SpacePush> pushes_;
    std::vector<std::uint8_t> winnable_;
};

} // namespace kelvaro
