// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's view of a level: the padded grid, states as overlays on it, and pushes between them.
#include "level/solver/solver_model.h"

#include "level/cell_rules.h"

#include <algorithm>

namespace kelvaro {
namespace {

bool movable(std::uint8_t code) { return ruleFor(code).pushable; }

std::uint32_t tracked(int x, int y) { return static_cast<std::uint32_t>((x & 0xff) << 8 | (y & 0xff)); }

} // namespace

SolverModel::SolverModel(const GameLevel& level, SolverTables* tables, bool bounded)
    : height_(level.maze.rows() + 4),
      steps_{height_, -height_, -1, 1},
      floor_(static_cast<std::size_t>(level.maze.columns() + 4) * static_cast<std::size_t>(height_), outside_code),
      goal_(tracked(level.goalx, level.goaly))
{
    std::vector<std::uint32_t> overlay;
    int jewels = 0;
    for (int x = 0; x <= level.maze.maxx(); ++x)
        for (int y = 0; y <= level.maze.maxy(); ++y) {
            const std::uint8_t code = level.maze.at(x, y);
            const std::uint32_t cell = cellOf(x, y);
            floor_[cell] = movable(code) ? std::uint8_t{blank} : code;
            if (movable(code))
                overlay.push_back(cell << 8 | code);
            jewels += code == jewel;
        }
    work_ = floor_;
    start_ = {cellOf(level.playerx, level.playery), tracked(level.jewelx, level.jewely)};
    start_.insert(start_.end(), overlay.begin(), overlay.end());

    // With one jewel, tracked where it lies, and the goal not under the start, the goal
    // can only be entered by the winning push: it is as fixed as a border cell, and the
    // dead-position tests hold.
    const bool standard = jewels == 1 && level.maze.at(level.jewelx, level.jewely) == jewel &&
                          level.maze.at(level.goalx, level.goaly) == goal;
    if (standard && bounded) {
        SolverBound::Layout layout{{}, {}, {steps_[0], steps_[1], steps_[2], steps_[3]}, height_,
                                   cellOf(level.goalx, level.goaly)};
        layout.jewel_wall.resize(floor_.size());
        std::transform(floor_.begin(), floor_.end(), layout.jewel_wall.begin(), [](std::uint8_t code) { return code == border; });
        layout.player_wall = layout.jewel_wall;
        layout.player_wall[layout.goal] = 1;
        bound_ = tables ? tables->boundFor(std::move(layout)) : std::make_shared<SolverBound>(std::move(layout));
    }
}

std::uint32_t SolverModel::cellOf(int x, int y) const
{
    return static_cast<std::uint32_t>((x + 2) * height_ + (y + 2));
}

void SolverModel::load(std::span<const std::uint32_t> state)
{
    for (std::uint32_t entry : state.subspan(2))
        work_[entry >> 8] = static_cast<std::uint8_t>(entry & 0xff);
}

void SolverModel::unload(std::span<const std::uint32_t> state)
{
    for (std::uint32_t entry : state.subspan(2))
        work_[entry >> 8] = floor_[entry >> 8];
}

void SolverModel::pushed(std::span<const std::uint32_t> state, std::uint32_t player, int dir,
                         std::uint32_t next_player, std::vector<std::uint32_t>& out) const
{
    const std::uint32_t front = player + static_cast<std::uint32_t>(steps_[dir]);
    const std::uint32_t beyond = front + static_cast<std::uint32_t>(steps_[dir]);
    const std::uint8_t moving = work_[front];

    out.clear();
    out.push_back(next_player);
    std::uint32_t jewel_at = state[1];
    if (moving == jewel) {
        // The game moves its jewel position by one step, whichever jewel cell was pushed.
        const Direction d = directions[dir];
        jewel_at = tracked(static_cast<int>(jewel_at >> 8) + d.dx, static_cast<int>(jewel_at & 0xff) + d.dy);
    }
    out.push_back(jewel_at);
    for (std::uint32_t entry : state.subspan(2))
        if ((entry >> 8) != front && (entry >> 8) != beyond)
            out.push_back(entry);
    // The cell left behind is blank; a code the jewel ran over is gone for good.
    if (floor_[front] != blank)
        out.push_back(front << 8 | blank);
    out.push_back(beyond << 8 | moving);
    std::sort(out.begin() + 2, out.end());
}

std::optional<int> SolverModel::actionsLeft(std::span<const std::uint32_t> state)
{
    if (won(state))
        return 0;
    if (!bound_)
        return 0;
    obstacles_.clear();
    for (std::uint32_t entry : state.subspan(2))
        if ((entry & 0xff) == obstacle)
            obstacles_.push_back(entry >> 8);
    const std::uint32_t jewel_cell = cellOf(static_cast<int>(state[1] >> 8), static_cast<int>(state[1] & 0xff));
    return bound_->actionsLeft(state[0], jewel_cell, obstacles_);
}

} // namespace kelvaro
