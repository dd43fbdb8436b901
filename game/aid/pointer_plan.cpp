// SPDX-License-Identifier: GPL-3.0-or-later
// Walks and pushes planned for a click, over the solver's walk maps.
#include "game/aid/pointer_plan.h"

#include "level/cell_rules.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace kelvaro {
namespace {

std::vector<Action> walks(const std::vector<std::uint8_t>& facings)
{
    std::vector<Action> moves;
    for (std::uint8_t dir : facings)
        moves.push_back({false, dir});
    return moves;
}

std::uint64_t pair(std::uint32_t a, std::uint32_t b) { return std::uint64_t{a} << 32 | b; }

} // namespace

PointerPlan::PointerPlan(const GameLevel& position)
    : maxx_(position.maze.maxx()), maxy_(position.maze.maxy()), model_(position, nullptr, false),
      walks_(model_.cellCount()), player_(model_.cellOf(position.playerx, position.playery)),
      goal_(model_.cellOf(position.goalx, position.goaly))
{
    model_.load(model_.startWords());
    walks_.fill(model_, player_);
}

std::optional<std::uint32_t> PointerPlan::cellOf(int x, int y) const
{
    if (x < 0 || y < 0 || x > maxx_ || y > maxy_)
        return std::nullopt;
    return model_.cellOf(x, y);
}

bool PointerPlan::reaches(int x, int y) const
{
    const auto cell = cellOf(x, y);
    return cell && *cell != player_ && model_.code(*cell) == blank && walks_.reaches(*cell);
}

std::vector<Action> PointerPlan::walkTo(int x, int y) const
{
    if (!reaches(x, y))
        return {};
    return walks(walks_.pathTo(model_, *cellOf(x, y)));
}

std::optional<Action> PointerPlan::pushBeside(int x, int y) const
{
    const auto cell = cellOf(x, y);
    if (!cell)
        return std::nullopt;
    for (std::uint8_t dir = 0; dir < 4; ++dir) {
        const std::uint32_t step = static_cast<std::uint32_t>(model_.step(dir));
        if (player_ + step == *cell && mayPush(model_.code(*cell), model_.code(*cell + step)))
            return Action{true, dir};
    }
    return std::nullopt;
}

bool PointerPlan::pushable(int x, int y) const
{
    const auto cell = cellOf(x, y);
    if (!cell)
        return false;
    for (int dir = 0; dir < 4; ++dir) {
        const std::uint32_t step = static_cast<std::uint32_t>(model_.step(dir));
        if (walks_.reaches(*cell - step) && mayPush(model_.code(*cell), model_.code(*cell + step)))
            return true;
    }
    return false;
}

// Breadth first over pushes: a state is where the object stands and the area the player may
// walk in, so each is searched once however the player got there. After a push the player
// stands two cells behind the object, the cell between them just left blank: the player's area
// is the one that cell lies in, known without a walk once a walk has reached it.
std::optional<PushTargets> PointerPlan::pushTargets(int x, int y, std::size_t budget) const
{
    if (!pushable(x, y))
        return std::nullopt;
    const std::uint32_t start = *cellOf(x, y);
    PushTargets targets(model_);
    SolverModel& model = targets.model_;
    targets.code_ = model.code(start);
    model.setCode(start, blank);
    targets.nodes_.push_back({start, player_, -1, 0});
    SolverWalkMap walks(model.cellCount());
    std::unordered_set<std::uint64_t> queued{pair(start, player_)}, searched;
    // By object cell: the area (its lowest cell) each of the four cells around it lies in; 0 unknown.
    std::unordered_map<std::uint32_t, std::array<std::uint32_t, 4>> areas;
    std::size_t visited = 0;
    for (std::size_t head = 0; head < targets.nodes_.size(); ++head) {
        const PushTargets::Node node = targets.nodes_[head];
        if (targets.code_ == jewel && node.object == goal_)
            continue;  // the level is won there: nothing is pushed further
        std::array<std::uint32_t, 4>& around = areas[node.object];
        const std::uint32_t behind = head == 0 ? 0 : around[node.dir ^ 1];  // the cell just left
        if (behind != 0 && searched.contains(pair(node.object, behind)))
            continue;
        const std::uint8_t under = model.code(node.object);
        model.setCode(node.object, targets.code_);
        walks.fill(model, node.player);
        visited += walks.reached().size();
        if (visited > budget)
            return std::nullopt;
        for (std::uint8_t dir = 0; dir < 4; ++dir)
            if (walks.reaches(node.object + static_cast<std::uint32_t>(model.step(dir))))
                around[dir] = walks.lowestCell();
        if (searched.insert(pair(node.object, walks.lowestCell())).second) {
            for (std::uint8_t dir = 0; dir < 4; ++dir) {
                const std::uint32_t step = static_cast<std::uint32_t>(model.step(dir));
                const std::uint32_t side = node.object - step, beyond = node.object + step;
                if (!walks.reaches(side) || !mayPushOnto(targets.code_, model.code(beyond)) ||
                    !queued.insert(pair(beyond, side)).second)
                    continue;
                targets.nodes_.push_back({beyond, side, static_cast<std::int32_t>(head), dir});
                if (beyond != start && targets.reached_.emplace(beyond, targets.nodes_.size() - 1).second)
                    targets.cells_.emplace_back(model.xOf(beyond), model.yOf(beyond));
            }
        }
        model.setCode(node.object, under);
    }
    return targets;
}

std::optional<std::uint32_t> PushTargets::cellOf(int x, int y) const
{
    const auto found = std::find(cells_.begin(), cells_.end(), std::pair{x, y});
    if (found == cells_.end())
        return std::nullopt;
    return model_.cellOf(x, y);
}

bool PushTargets::contains(int x, int y) const { return cellOf(x, y).has_value(); }

std::vector<Action> PushTargets::movesTo(int x, int y) const
{
    const auto cell = cellOf(x, y);
    if (!cell)
        return {};
    std::vector<const Node*> chain;
    for (std::int32_t at = reached_.at(*cell); at > 0; at = nodes_[static_cast<std::size_t>(at)].parent)
        chain.push_back(&nodes_[static_cast<std::size_t>(at)]);
    std::reverse(chain.begin(), chain.end());

    SolverModel model = model_;
    SolverWalkMap walks(model.cellCount());
    std::uint32_t object = nodes_.front().object, player = nodes_.front().player;
    std::vector<Action> moves;
    for (const Node* push : chain) {
        model.setCode(object, code_);
        walks.fill(model, player);
        const std::vector<Action> walk = kelvaro::walks(walks.pathTo(model, push->player));
        moves.insert(moves.end(), walk.begin(), walk.end());
        moves.push_back({true, push->dir});
        model.setCode(object, blank);  // the cell an object leaves is blank
        object = push->object;
        player = push->player;
    }
    return moves;
}

} // namespace kelvaro
