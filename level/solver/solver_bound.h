// SPDX-License-Identifier: GPL-3.0-or-later
// How many actions a solver state still needs at least, and whether it is dead.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

namespace kelvaro {

// The bound is the exact cost of a relaxed game: only the player and the jewel exist,
// and obstacles that can never move again stand as walls (on levels larger than the
// window the game is simpler still: the jewel is pushed alone, with a walk before each
// push). Every real walk or push is a move of that game or changes nothing in it, and
// frozen obstacles never thaw, so the bound never falls by more than a move costs:
// best-first search with it stays exact. A state the relaxed game cannot win is dead.
class SolverBound {
public:
    struct Layout {
        std::vector<std::uint8_t> player_wall;  // never blank: border, and the goal
        std::vector<std::uint8_t> jewel_wall;   // never open to the jewel: border
        int steps[4];
        int height;                             // of the padded grid, for plane distances
        std::uint32_t goal;

        bool operator==(const Layout&) const = default;
    };

    explicit SolverBound(Layout layout);
    SolverBound(const SolverBound&) = delete;  // last_ points into its own cache
    SolverBound& operator=(const SolverBound&) = delete;

    const Layout& layout() const { return layout_; }

    // `obstacles` are the cells obstacles stand in; nothing when the state is dead.
    std::optional<int> actionsLeft(std::uint32_t player, std::uint32_t jewel, std::span<const std::uint32_t> obstacles);

private:
    using Table = std::vector<std::uint16_t>;

    void frozen(std::span<const std::uint32_t> obstacles, std::vector<std::uint32_t>& out);
    const Table& tableFor(const std::vector<std::uint32_t>& frozen);
    void fillTable(const std::vector<std::uint32_t>& frozen, Table& out) const;
    void fillPairs(const std::vector<std::uint8_t>& player_wall, const std::vector<std::uint8_t>& jewel_wall,
                   Table& out) const;
    void fillPushes(const std::vector<std::uint8_t>& player_wall, const std::vector<std::uint8_t>& jewel_wall,
                    Table& out) const;
    // The dense number of the cell next to dense cell `index` in facing `dir`, or -1.
    std::int32_t neighbour(std::size_t index, int dir) const;
    int planeDistance(std::uint32_t a, std::uint32_t b) const;

    Layout layout_;
    std::vector<std::int32_t> index_;   // per padded cell: its dense number, or -1 for border
    std::vector<std::uint32_t> cells_;  // per dense number: the padded cell
    std::vector<std::int32_t> near_;    // per dense number and facing: neighbour()
    bool pairs_ = false;                // the table holds player and jewel together
    std::vector<std::uint8_t> solid_;  // player_wall, with the obstacles still held while frozen() runs
    std::vector<std::uint32_t> frozen_;
    Table open_;  // no obstacle frozen: the usual case
    struct CellsHash {
        std::size_t operator()(const std::vector<std::uint32_t>& cells) const;
    };
    std::unordered_map<std::vector<std::uint32_t>, Table, CellsHash> cache_;
    const std::pair<const std::vector<std::uint32_t>, Table>* last_ = nullptr;  // found last; nodes never move
    std::size_t cached_entries_ = 0;
    Table scratch_;
};

// Bounds kept for the levels solved last, found again by their layout: the walls and the
// goal alone decide the tables, so levels that differ only in their crates, jewel and
// start share them. For one thread at a time.
class SolverTables {
public:
    std::shared_ptr<SolverBound> boundFor(SolverBound::Layout layout);

private:
    static constexpr std::size_t kept = 3;
    std::deque<std::shared_ptr<SolverBound>> recent_;  // the last used first
};

} // namespace kelvaro
