// SPDX-License-Identifier: GPL-3.0-or-later
// Breadth-first walks over blank cells, with stamps so no fill has to clear the map.
#include "level/solver/solver_walk_map.h"

#include "level/cell_kind.h"

#include <algorithm>
#include <limits>

namespace kelvaro {
namespace {

constexpr std::uint32_t no_target = std::numeric_limits<std::uint32_t>::max();

} // namespace

SolverWalkMap::SolverWalkMap(std::size_t cells, bool paths)
    : paths_(paths), seen_(cells, 0), distance_(paths ? cells : 0, 0), came_(paths ? cells : 0, 0)
{
    reached_.reserve(cells);
}

void SolverWalkMap::fill(const SolverModel& model, std::uint32_t from)
{
    fillApart(model, std::span(&from, 1), *this);
}

void SolverWalkMap::fillApart(const SolverModel& model, std::span<const std::uint32_t> starts, const SolverWalkMap& known)
{
    start(starts);
    walk(model, &known == this ? nullptr : &known, no_target);
}

bool SolverWalkMap::fillUntil(const SolverModel& model, std::uint32_t from, std::uint32_t target)
{
    start(std::span(&from, 1));
    return walk(model, nullptr, target);
}

void SolverWalkMap::start(std::span<const std::uint32_t> starts)
{
    if (++stamp_ == 0) {
        std::fill(seen_.begin(), seen_.end(), 0);
        stamp_ = 1;
    }
    reached_.clear();
    lowest_ = starts.front();
    for (std::uint32_t from : starts)
        if (seen_[from] != stamp_) {
            reached_.push_back(from);
            seen_[from] = stamp_;
            if (paths_)
                distance_[from] = 0;
            lowest_ = std::min(lowest_, from);
        }
}

bool SolverWalkMap::walk(const SolverModel& model, const SolverWalkMap* known, std::uint32_t target)
{
    if (paths_)
        return known ? walk<true, true>(model, known, target) : walk<true, false>(model, known, target);
    return known ? walk<false, true>(model, known, target) : walk<false, false>(model, known, target);
}

// The hottest loop of the solver: the choices are made once per fill, not once per cell.
template <bool Paths, bool Apart>
bool SolverWalkMap::walk(const SolverModel& model, const SolverWalkMap* known, std::uint32_t target)
{
    const std::uint32_t steps[4] = {static_cast<std::uint32_t>(model.step(0)), static_cast<std::uint32_t>(model.step(1)),
                                    static_cast<std::uint32_t>(model.step(2)), static_cast<std::uint32_t>(model.step(3))};
    const std::uint32_t stamp = stamp_;
    std::uint32_t* const seen = seen_.data();
    std::uint32_t lowest = lowest_;
    for (std::size_t head = 0; head < reached_.size(); ++head) {
        const std::uint32_t cell = reached_[head];
        for (int dir = 0; dir < 4; ++dir) {
            const std::uint32_t next = cell + steps[dir];
            if (seen[next] == stamp || model.code(next) != blank)
                continue;
            if constexpr (Apart)
                if (known->reaches(next))
                    continue;
            seen[next] = stamp;
            if constexpr (Paths) {
                distance_[next] = static_cast<std::uint16_t>(distance_[cell] + 1);
                came_[next] = static_cast<std::uint8_t>(dir);
            }
            reached_.push_back(next);
            lowest = std::min(lowest, next);
            if (next == target) {
                lowest_ = lowest;
                return true;
            }
        }
    }
    lowest_ = lowest;
    return false;
}

std::vector<std::uint8_t> SolverWalkMap::pathTo(const SolverModel& model, std::uint32_t cell) const
{
    std::vector<std::uint8_t> path(distance_[cell]);
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        *it = came_[cell];
        cell -= static_cast<std::uint32_t>(model.step(*it));
    }
    return path;
}

} // namespace kelvaro
