// SPDX-License-Identifier: GPL-3.0-or-later
// Breadth-first walks over blank cells, with stamps so no fill has to clear the map.
#include "level/solver/solver_walk_map.h"

#include "level/cell_kind.h"

#include <algorithm>

namespace kelvaro {

SolverWalkMap::SolverWalkMap(std::size_t cells) : seen_(cells, 0), distance_(cells, 0), came_(cells, 0) {}

void SolverWalkMap::fill(const SolverModel& model, std::uint32_t from)
{
    if (++stamp_ == 0) {
        std::ranges::fill(seen_, 0);
        stamp_ = 1;
    }
    reached_.clear();
    reached_.push_back(from);
    seen_[from] = stamp_;
    distance_[from] = 0;
    lowest_ = from;
    for (std::size_t head = 0; head < reached_.size(); ++head) {
        const std::uint32_t cell = reached_[head];
        for (int dir = 0; dir < 4; ++dir) {
            const std::uint32_t next = cell + static_cast<std::uint32_t>(model.step(dir));
            if (seen_[next] == stamp_ || model.code(next) != blank)
                continue;
            seen_[next] = stamp_;
            distance_[next] = static_cast<std::uint16_t>(distance_[cell] + 1);
            came_[next] = static_cast<std::uint8_t>(dir);
            reached_.push_back(next);
            lowest_ = std::min(lowest_, next);
        }
    }
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
