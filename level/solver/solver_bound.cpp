// SPDX-License-Identifier: GPL-3.0-or-later
// Frozen obstacles and the relaxed games of the jewel and the player, solved backwards from the goal.
#include "level/solver/solver_bound.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kelvaro {
namespace {

constexpr std::uint16_t unreachable = std::numeric_limits<std::uint16_t>::max();
constexpr std::int32_t no_cell = -1;
// Levels with up to this many cells that are not border get the table of player and
// jewel together (2 MB at most); larger ones the table of pushes alone.
constexpr std::size_t pair_cells = 1024;
// Tables kept for sets of frozen obstacles, counted in entries, before new ones go uncached.
constexpr std::size_t cache_entries = 8u << 20;

} // namespace

SolverBound::SolverBound(Layout layout) : layout_(std::move(layout)), solid_(layout_.player_wall)
{
    // Only cells that are not border take part in the relaxed games: number them densely.
    index_.assign(layout_.jewel_wall.size(), no_cell);
    for (std::uint32_t cell = 0; cell < index_.size(); ++cell)
        if (!layout_.jewel_wall[cell]) {
            index_[cell] = static_cast<std::int32_t>(cells_.size());
            cells_.push_back(cell);
        }
    near_.resize(cells_.size() * 4);
    for (std::size_t i = 0; i < cells_.size(); ++i)
        for (int dir = 0; dir < 4; ++dir)
            near_[i * 4 + static_cast<std::size_t>(dir)] = index_[cells_[i] + static_cast<std::uint32_t>(layout_.steps[dir])];
    pairs_ = cells_.size() <= pair_cells;
    fillTable({}, open_);
}

std::optional<int> SolverBound::actionsLeft(std::uint32_t player, std::uint32_t jewel,
                                            std::span<const std::uint32_t> obstacles)
{
    frozen(obstacles, frozen_);
    const Table& table = tableFor(frozen_);
    const auto p = static_cast<std::size_t>(index_[player]);
    const auto j = static_cast<std::size_t>(index_[jewel]);
    if (pairs_) {
        const std::uint16_t left = table[j * cells_.size() + p];
        return left == unreachable ? std::nullopt : std::optional<int>(left);
    }
    // Large levels: p pushes of the jewel, a walk before the first and between any two.
    const std::uint16_t pushes = table[j];
    if (pushes == unreachable)
        return std::nullopt;
    int walks = unreachable;
    for (int step : layout_.steps)
        walks = std::min(walks, planeDistance(player, jewel + static_cast<std::uint32_t>(step)));
    return 2 * pushes - 1 + walks;
}

int SolverBound::planeDistance(std::uint32_t a, std::uint32_t b) const
{
    const int h = layout_.height;
    return std::abs(static_cast<int>(a) / h - static_cast<int>(b) / h) +
           std::abs(static_cast<int>(a) % h - static_cast<int>(b) % h);
}

void SolverBound::frozen(std::span<const std::uint32_t> obstacles, std::vector<std::uint32_t>& out)
{
    // Start from every obstacle and drop those with a free axis until none is left to
    // drop: what remains is held on both axes by walls or by itself, so none of it can
    // ever be the first to move. Pushing along an axis needs the player on one side
    // and room on the other, so a wall or a frozen obstacle on either side holds it.
    // The result is the largest set so held, whatever order they are dropped in; the
    // order of `obstacles` is kept, as the tables are found again by the set.
    for (std::uint32_t cell : obstacles)
        solid_[cell] = 1;
    auto held = [&](std::uint32_t cell) {
        auto solid = [&](int dir) { return solid_[cell + static_cast<std::uint32_t>(layout_.steps[dir])] != 0; };
        return (solid(0) || solid(1)) && (solid(2) || solid(3));
    };
    out.clear();
    for (std::uint32_t cell : obstacles) {
        if (held(cell))
            out.push_back(cell);
        else
            solid_[cell] = layout_.player_wall[cell];
    }
    for (bool dropped = out.size() != obstacles.size(); dropped && !out.empty();) {
        dropped = false;
        std::erase_if(out, [&](std::uint32_t cell) {
            if (held(cell))
                return false;
            solid_[cell] = layout_.player_wall[cell];
            dropped = true;
            return true;
        });
    }
    for (std::uint32_t cell : out)
        solid_[cell] = layout_.player_wall[cell];
}

std::size_t SolverBound::CellsHash::operator()(const std::vector<std::uint32_t>& cells) const
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (std::uint32_t cell : cells)
        hash = (hash ^ cell) * 0x100000001b3ULL;
    return static_cast<std::size_t>(hash);
}

const SolverBound::Table& SolverBound::tableFor(const std::vector<std::uint32_t>& frozen)
{
    if (frozen.empty())
        return open_;
    // Sibling states mostly freeze the same obstacles: a comparison spares the hashing.
    if (last_ && frozen == last_->first)
        return last_->second;
    if (auto found = cache_.find(frozen); found != cache_.end()) {
        last_ = &*found;
        return found->second;
    }
    if (cached_entries_ + open_.size() > cache_entries) {
        fillTable(frozen, scratch_);
        return scratch_;
    }
    cached_entries_ += open_.size();
    auto& entry = *cache_.try_emplace(frozen).first;
    fillTable(frozen, entry.second);
    last_ = &entry;
    return entry.second;
}

void SolverBound::fillTable(const std::vector<std::uint32_t>& frozen, Table& out) const
{
    // Dense walls: a cell the player may never stand on, and one the jewel may never enter.
    std::vector<std::uint8_t> player_wall(cells_.size()), jewel_wall(cells_.size(), 0);
    for (std::size_t i = 0; i < cells_.size(); ++i)
        player_wall[i] = layout_.player_wall[cells_[i]];
    for (std::uint32_t cell : frozen)
        player_wall[static_cast<std::size_t>(index_[cell])] = jewel_wall[static_cast<std::size_t>(index_[cell])] = 1;
    if (pairs_)
        fillPairs(player_wall, jewel_wall, out);
    else
        fillPushes(player_wall, jewel_wall, out);
}

std::int32_t SolverBound::neighbour(std::size_t i, int dir) const
{
    return near_[i * 4 + static_cast<std::size_t>(dir)];
}

void SolverBound::fillPairs(const std::vector<std::uint8_t>& player_wall, const std::vector<std::uint8_t>& jewel_wall,
                            Table& out) const
{
    // Backwards from every state with the jewel on the goal. Entry jewel * n + player, so
    // that most walks stay within a cache line; the queue holds player << 16 | jewel,
    // which spares a division per state (n <= pair_cells).
    const std::size_t n = cells_.size();
    const auto goal = static_cast<std::uint32_t>(index_[layout_.goal]);
    out.assign(n * n, unreachable);
    // Where the player may have walked from, per cell and facing: a neighbour it may stand on.
    std::vector<std::int32_t> came(n * 4, no_cell);
    for (std::size_t i = 0; i < n * 4; ++i)
        if (near_[i] != no_cell && !player_wall[static_cast<std::size_t>(near_[i])])
            came[i] = near_[i];
    std::vector<std::uint32_t> queue;
    queue.reserve(n * 4);
    for (std::uint32_t player = 0; player < n; ++player)
        if (!player_wall[player]) {
            out[goal * n + player] = 0;
            queue.push_back(player << 16 | goal);
        }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::uint32_t player = queue[head] >> 16;
        const std::uint32_t jewel = queue[head] & 0xffff;
        // Saturating one short of unreachable keeps it a lower bound on the longest mazes.
        const auto next = static_cast<std::uint16_t>(std::min(out[jewel * n + player] + 1, unreachable - 1));
        auto reach = [&](std::uint32_t p, std::uint32_t j) {
            if (out[j * n + p] == unreachable) {
                out[j * n + p] = next;
                queue.push_back(p << 16 | j);
            }
        };
        // The player walked here from a neighbour (facings come in opposite pairs).
        const std::int32_t* const walked = &came[player * 4];
        for (int dir = 0; dir < 4; ++dir) {
            const std::int32_t from = walked[dir ^ 1];
            if (from != no_cell && static_cast<std::uint32_t>(from) != jewel)
                reach(static_cast<std::uint32_t>(from), jewel);
        }
        // Or it pushed the jewel here from the cell between them: only when the jewel is two
        // steps away in a straight line, which is one facing at most.
        const auto apart = static_cast<std::int64_t>(cells_[jewel]) - static_cast<std::int64_t>(cells_[player]);
        for (int dir = 0; dir < 4; ++dir)
            if (apart == 2 * std::int64_t{layout_.steps[dir]}) {
                const std::int32_t between = neighbour(player, dir);
                if (between != no_cell && !jewel_wall[static_cast<std::size_t>(between)] &&
                    static_cast<std::uint32_t>(between) != goal)
                    reach(player, static_cast<std::uint32_t>(between));
                break;
            }
    }
}

void SolverBound::fillPushes(const std::vector<std::uint8_t>& player_wall, const std::vector<std::uint8_t>& jewel_wall,
                             Table& out) const
{
    // Pushes only: the jewel at J reaches J + step when the player may stand at J - step.
    const auto goal = static_cast<std::size_t>(index_[layout_.goal]);
    out.assign(cells_.size(), unreachable);
    std::vector<std::size_t> queue{goal};
    out[goal] = 0;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::size_t to = queue[head];
        for (int dir = 0; dir < 4; ++dir) {
            const std::int32_t from = neighbour(to, dir ^ 1);
            if (from == no_cell || jewel_wall[static_cast<std::size_t>(from)] || out[static_cast<std::size_t>(from)] != unreachable)
                continue;
            const std::int32_t stand = neighbour(static_cast<std::size_t>(from), dir ^ 1);
            if (stand == no_cell || player_wall[static_cast<std::size_t>(stand)])
                continue;
            out[static_cast<std::size_t>(from)] = static_cast<std::uint16_t>(out[to] + 1);
            queue.push_back(static_cast<std::size_t>(from));
        }
    }
}

std::shared_ptr<SolverBound> SolverTables::boundFor(SolverBound::Layout layout)
{
    auto found = std::find_if(recent_.begin(), recent_.end(), [&](const auto& bound) { return bound->layout() == layout; });
    std::shared_ptr<SolverBound> bound;
    if (found != recent_.end()) {
        bound = *found;
        recent_.erase(found);
    } else {
        bound = std::make_shared<SolverBound>(std::move(layout));
        if (recent_.size() == kept)
            recent_.pop_back();
    }
    recent_.push_front(bound);
    return bound;
}

} // namespace kelvaro
