// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player can walk from one cell without pushing anything, and how far each cell is.
#pragma once

#include "level/solver/solver_model.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kelvaro {

class SolverWalkMap {
public:
    // Without `paths` the map keeps only the area: distance() and pathTo() are then not
    // to be asked, and fills skip their bookkeeping (the searches fill millions of areas).
    explicit SolverWalkMap(std::size_t cells, bool paths = true);

    // Walks breadth first over `blank` cells of the model's working grid from `from`.
    void fill(const SolverModel& model, std::uint32_t from);

    // The same from each of `starts`, never into a cell `known` reached: what a change of
    // the grid joins to an area already walked.
    void fillApart(const SolverModel& model, std::span<const std::uint32_t> starts, const SolverWalkMap& known);

    // Walks from `from` as fill does until it reaches `target`; whether it did. When it did
    // not, the map holds everything `from` reaches.
    bool fillUntil(const SolverModel& model, std::uint32_t from, std::uint32_t target);

    // The cells reached, `from` first, in order of distance.
    const std::vector<std::uint32_t>& reached() const { return reached_; }
    bool reaches(std::uint32_t cell) const { return seen_[cell] == stamp_; }
    int distance(std::uint32_t cell) const { return distance_[cell]; }
    std::uint32_t lowestCell() const { return lowest_; }

    // The facings of a shortest walk from `from` to `cell`, which must be reached.
    std::vector<std::uint8_t> pathTo(const SolverModel& model, std::uint32_t cell) const;

private:
    void start(std::span<const std::uint32_t> starts);
    template <bool Paths, bool Apart>
    bool walk(const SolverModel& model, const SolverWalkMap* known, std::uint32_t target);
    bool walk(const SolverModel& model, const SolverWalkMap* known, std::uint32_t target);

    bool paths_;
    std::uint32_t stamp_ = 0;
    std::vector<std::uint32_t> seen_;     // == stamp_ once reached in this fill
    std::vector<std::uint16_t> distance_;
    std::vector<std::uint8_t> came_;      // facing of the walk that reached the cell
    std::vector<std::uint32_t> reached_;
    std::uint32_t lowest_ = 0;
};

} // namespace kelvaro
