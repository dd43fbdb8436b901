// SPDX-License-Identifier: GPL-3.0-or-later
// Breadth first over every position of a level, then backwards from the winning pushes.
#include "level/solver/solver_space.h"

#include "level/solver/solver_model.h"
#include "level/solver/solver_search.h"
#include "level/solver/solver_state_set.h"
#include "level/solver/solver_walk_map.h"

namespace kelvaro {

PositionSpace::PositionSpace(const GameLevel& level, std::size_t max_states, const std::function<bool()>& should_stop,
                             SolverTables* tables)
{
    SolverModel model(level, tables);
    SolverStateSet states(max_states);
    SolverWalkMap walks(model.cellCount(), false);
    SolverWalkMap after(model.cellCount(), false);
    std::vector<std::uint32_t> state = model.startWords();
    if (!model.actionsLeft(state))
        return;
    model.load(state);
    walks.fill(model, state[0]);
    model.unload(state);
    state[0] = walks.lowestCell();
    if (!states.insert(state))
        return;

    // Ids are handed out in the order positions are found, so expanding them in id
    // order is breadth first and lays the pushes out position by position.
    std::vector<std::uint32_t> child;
    auto giveUp = [&] {
        found_ = states.size();
        first_.clear();
        pushes_.clear();
    };
    for (std::uint32_t id = 0; id < states.size(); ++id) {
        if (should_stop && (id & 255u) == 255u && should_stop()) {
            stopped_ = true;
            giveUp();
            return;
        }
        first_.push_back(static_cast<std::uint32_t>(pushes_.size()));
        const auto words = states.words(id);
        state.assign(words.begin(), words.end());
        model.load(state);
        walks.fill(model, state[0]);
        bool room = true;
        forEachPush(model, walks, [&](std::uint32_t player, int dir) {
            const std::uint32_t front = player + static_cast<std::uint32_t>(model.step(dir));
            SpacePush push{static_cast<std::uint8_t>(model.xOf(front)), static_cast<std::uint8_t>(model.yOf(front)),
                           static_cast<std::uint8_t>(dir), SpacePush::dead};
            model.pushed(state, player, dir, player, child);
            if (model.won(child)) {
                push.to = SpacePush::won;
            } else if (model.actionsLeft(child)) {
                child[0] = areaAfterPush(model, walks, after, player, dir);
                const auto entry = states.insert(child);
                room = room && entry.has_value();
                push.to = entry ? entry->id : SpacePush::dead;
            }
            pushes_.push_back(push);
        });
        model.unload(state);
        if (!room) {
            giveUp();
            return;
        }
    }
    first_.push_back(static_cast<std::uint32_t>(pushes_.size()));
    complete_ = true;
    found_ = size();

    // Backwards: a position is winnable when one of its pushes wins or leads to one that is.
    const std::size_t n = size();
    std::vector<std::uint32_t> into_first(n + 1, 0), into;
    for (const SpacePush& push : pushes_)
        if (push.to < SpacePush::dead)
            ++into_first[push.to + 1];
    for (std::size_t i = 0; i < n; ++i)
        into_first[i + 1] += into_first[i];
    into.resize(into_first[n]);
    std::vector<std::uint32_t> fill(into_first.begin(), into_first.end() - 1);
    winnable_.assign(n, 0);
    std::vector<std::uint32_t> queue;
    for (std::uint32_t from = 0; from < n; ++from)
        for (const SpacePush& push : pushes(from)) {
            if (push.to < SpacePush::dead)
                into[fill[push.to]++] = from;
            if (push.to == SpacePush::won && !winnable_[from]) {
                winnable_[from] = 1;
                queue.push_back(from);
            }
        }
    for (std::size_t head = 0; head < queue.size(); ++head)
        for (std::uint32_t i = into_first[queue[head]]; i < into_first[queue[head] + 1]; ++i)
            if (!winnable_[into[i]]) {
                winnable_[into[i]] = 1;
                queue.push_back(into[i]);
            }
}

std::span<const SpacePush> PositionSpace::pushes(std::uint32_t position) const
{
    return {pushes_.data() + first_[position], first_[position + 1] - first_[position]};
}

bool PositionSpace::wins(const SpacePush& push) const
{
    return push.to == SpacePush::won || (push.to < SpacePush::dead && winnable(push.to));
}

bool PositionSpace::winsWithout(int x, int y) const
{
    if (!complete_)
        return false;
    std::vector<std::uint8_t> seen(size(), 0);
    std::vector<std::uint32_t> queue{0};
    seen[0] = 1;
    for (std::size_t head = 0; head < queue.size(); ++head)
        for (const SpacePush& push : pushes(queue[head])) {
            if (push.x == x && push.y == y)
                continue;
            if (push.to == SpacePush::won)
                return true;
            if (push.to < SpacePush::dead && !seen[push.to]) {
                seen[push.to] = 1;
                queue.push_back(push.to);
            }
        }
    return false;
}

} // namespace kelvaro
