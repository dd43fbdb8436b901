// SPDX-License-Identifier: GPL-3.0-or-later
// The decision search (player reduced to its area) and the shortest search (exact player cell).
#include "level/solver/solver_search.h"

#include "level/cell_rules.h"
#include "level/solver/solver_state_set.h"
#include "level/solver/solver_walk_map.h"

#include <algorithm>
#include <limits>

namespace kelvaro {
namespace {

constexpr std::uint32_t no_parent = std::numeric_limits<std::uint32_t>::max();

// Asks the caller's should_stop once every 256 expansions: often enough to end a search
// within a millisecond or so, rarely enough to cost nothing measurable.
class StopCheck {
public:
    explicit StopCheck(const SolverLimits& limits) : ask_(limits.should_stop) {}
    bool operator()()
    {
        return ask_ && (++count_ & 255u) == 0 && ask_();
    }

private:
    const std::function<bool()>& ask_;
    std::uint32_t count_ = 0;
};

// How each stored state was reached: enough to replay the pushes from the start.
struct Trail {
    std::vector<std::uint32_t> parent;
    std::vector<SolverPush> via;

    void record(std::uint32_t id, std::uint32_t from, SolverPush push)
    {
        if (id >= parent.size()) {
            parent.resize(id + 1, no_parent);
            via.resize(id + 1);
        }
        parent[id] = from;
        via[id] = push;
    }

    std::vector<SolverPush> pushesTo(std::uint32_t id) const
    {
        std::vector<SolverPush> pushes;
        for (; parent[id] != no_parent; id = parent[id])
            pushes.push_back(via[id]);
        std::reverse(pushes.begin(), pushes.end());
        return pushes;
    }
};

// The area after a push found by walking it all again: the answer for any push.
std::uint32_t refilledAreaAfterPush(SolverModel& model, SolverWalkMap& walks, std::uint32_t player, int dir)
{
    const std::uint32_t front = player + static_cast<std::uint32_t>(model.step(dir));
    const std::uint32_t beyond = front + static_cast<std::uint32_t>(model.step(dir));
    const std::uint8_t moving = model.code(front);
    const std::uint8_t under = model.code(beyond);
    model.setCode(front, blank);
    model.setCode(beyond, moving);
    walks.fill(model, player);
    model.setCode(front, moving);
    model.setCode(beyond, under);
    return walks.lowestCell();
}

// Where a walk through `cell` could go instead once it closes: its open sides lie on runs of
// open cells in the ring of eight round it (the sides at the even places, the corners
// between them), and sides on one run still meet without it. Answers an open side on each
// run other than that of the side at ring place `kept` (which is open), up to two, or 3
// when there are more.
template <typename Open>
std::size_t sidesCutOff(const SolverModel& model, std::uint32_t cell, int kept, Open open, std::uint32_t (&cut)[2])
{
    const int right = model.step(0), left = model.step(1), up = model.step(2), down = model.step(3);
    const int ring[8] = {up, up + right, right, right + down, down, down + left, left, left + up};
    bool is_open[8];
    int closed_at = -1;
    for (int i = 0; i < 8; ++i) {
        is_open[i] = open(cell + static_cast<std::uint32_t>(ring[i]));
        if (!is_open[i])
            closed_at = i;
    }
    if (closed_at < 0)
        return 0;
    int run_of[8] = {};
    int runs = 0;
    for (int k = 1; k <= 8; ++k) {
        const int i = (closed_at + k) % 8;
        const int before = (i + 7) % 8;
        if (is_open[i])
            run_of[i] = is_open[before] ? run_of[before] : runs++;
    }
    std::size_t found = 0;
    int last_run = -1;
    for (int k = 1; k <= 8; ++k) {
        const int i = (closed_at + k) % 8;
        if (i % 2 == 0 && is_open[i] && run_of[i] != run_of[kept] && run_of[i] != last_run) {
            if (found == 2)
                return 3;
            cut[found++] = cell + static_cast<std::uint32_t>(ring[i]);
            last_run = run_of[i];
        }
    }
    return found;
}

} // namespace

// A push changes two cells: the one the object leaves opens, the one it enters closes.
// Mostly the area just gains the opened cell and loses the closed one, and its lowest cell
// follows without a walk. Only what may have changed is walked: the cells the opened one
// leads on to, or the far side of the closed one, until it finds its way round to the
// player or is all seen and lost to the area; the whole area only when both happen, or the
// closed cell splits it three ways.
std::uint32_t areaAfterPush(SolverModel& model, const SolverWalkMap& area, SolverWalkMap& walks, std::uint32_t player,
                            int dir)
{
    const std::uint32_t front = player + static_cast<std::uint32_t>(model.step(dir));
    const std::uint32_t beyond = front + static_cast<std::uint32_t>(model.step(dir));
    auto open = [&](std::uint32_t cell) { return cell == front || (cell != beyond && model.code(cell) == blank); };
    const auto side = static_cast<std::uint32_t>(model.step(dir < 2 ? 2 : 0));
    std::uint32_t joined[2];
    std::size_t joins = 0;
    for (const std::uint32_t beside : {front + side, front - side})
        if (open(beside) && !area.reaches(beside))
            joined[joins++] = beside;
    // The ring place of `front` seen from `beyond`, for pushes right, left, up and down.
    static constexpr int front_place[4] = {6, 2, 4, 0};
    std::uint32_t cut[2];
    const std::size_t cuts = area.reaches(beyond) ? sidesCutOff(model, beyond, front_place[dir], open, cut) : 0;
    if (cuts > 1 || (cuts == 1 && joins > 0))
        return refilledAreaAfterPush(model, walks, player, dir);

    const std::uint8_t moving = model.code(front);
    const std::uint8_t under = model.code(beyond);
    model.setCode(front, blank);
    model.setCode(beyond, moving);
    const bool cut_off = cuts == 1 && !walks.fillUntil(model, cut[0], front);
    if (joins > 0)
        walks.fillApart(model, std::span(joined, joins), area);
    model.setCode(front, moving);
    model.setCode(beyond, under);

    auto kept = [&](std::uint32_t cell) { return cell != beyond && !(cut_off && walks.reaches(cell)); };
    std::uint32_t lowest = front;
    if (kept(area.lowestCell())) {
        lowest = std::min(area.lowestCell(), front);
    } else {
        for (const std::uint32_t cell : area.reached())
            if (kept(cell))
                lowest = std::min(lowest, cell);
    }
    return joins > 0 ? std::min(lowest, walks.lowestCell()) : lowest;
}

SearchResult decideLevel(SolverModel& model, const SolverLimits& limits)
{
    SolverStateSet states(limits.max_states);
    StopCheck stop(limits);
    Trail trail;
    SolverWalkMap walks(model.cellCount(), false);
    SolverWalkMap after(model.cellCount(), false);
    // Open states by the actions they still need at least, nearest first: a solvable level is
    // settled long before its states run out, and an unsolvable one needs them all anyway.
    std::vector<std::vector<std::uint32_t>> open;
    auto enqueue = [&](std::uint32_t id, int pushes_left) {
        const auto rank = static_cast<std::size_t>(pushes_left);
        if (rank >= open.size())
            open.resize(rank + 1);
        open[rank].push_back(id);
    };

    std::vector<std::uint32_t> state = model.startWords();
    if (model.won(state))
        return {Verdict::solvable, {}, 0, 0};
    const std::optional<int> start_left = model.actionsLeft(state);
    if (!start_left)
        return {Verdict::unsolvable, {}, 0, 0};
    model.load(state);
    walks.fill(model, state[0]);
    model.unload(state);
    state[0] = walks.lowestCell();
    states.insert(state);
    trail.record(0, no_parent, {});
    enqueue(0, *start_left);

    std::vector<std::uint32_t> child;
    bool limit_reached = false;
    std::size_t expanded = 0;
    for (std::size_t rank = 0; rank < open.size();) {
        if (open[rank].empty()) {
            ++rank;
            continue;
        }
        if (stop())
            return {Verdict::unknown, {}, states.size(), expanded, true};
        const std::uint32_t id = open[rank].back();
        open[rank].pop_back();
        ++expanded;
        const auto words = states.words(id);
        state.assign(words.begin(), words.end());
        model.load(state);
        walks.fill(model, state[0]);
        std::optional<SolverPush> winner;
        forEachPush(model, walks, [&](std::uint32_t player, int dir) {
            if (winner)
                return;
            model.pushed(state, player, dir, player, child);
            const SolverPush push{player, static_cast<std::uint8_t>(dir)};
            if (model.won(child)) {
                winner = push;
                return;
            }
            const std::optional<int> left = model.actionsLeft(child);
            if (!left)
                return;
            child[0] = areaAfterPush(model, walks, after, player, dir);
            const auto entry = states.insert(child);
            if (!entry) {
                limit_reached = true;
            } else if (entry->fresh) {
                trail.record(entry->id, id, push);
                enqueue(entry->id, *left);
                rank = std::min(rank, static_cast<std::size_t>(*left));
            }
        });
        model.unload(state);
        if (winner) {
            auto pushes = trail.pushesTo(id);
            pushes.push_back(*winner);
            return {Verdict::solvable, pushes, states.size(), expanded};
        }
        if (limit_reached)
            return {Verdict::unknown, {}, states.size(), expanded};
    }
    return {Verdict::unsolvable, {}, states.size(), expanded};
}

SearchResult shortestSolution(SolverModel& model, const SolverLimits& limits)
{
    SolverStateSet states(limits.max_states);
    StopCheck stop(limits);
    Trail trail;
    SolverWalkMap walks(model.cellCount());
    std::vector<std::uint32_t> cost;    // actions from the start, best known
    std::vector<std::uint16_t> bound;   // actions still needed, at least
    std::vector<std::uint8_t> closed;
    std::vector<std::vector<std::uint32_t>> queue;  // state ids by cost + bound

    auto offer = [&](std::span<const std::uint32_t> words, std::uint32_t actions, std::uint32_t from,
                     SolverPush push) -> bool {
        const std::optional<int> left = model.actionsLeft(words);
        if (!left)
            return true;
        const auto entry = states.insert(words);
        if (!entry)
            return false;
        if (entry->fresh) {
            cost.push_back(actions);
            bound.push_back(static_cast<std::uint16_t>(*left));
            closed.push_back(0);
        } else if (actions >= cost[entry->id]) {
            return true;
        }
        cost[entry->id] = actions;
        trail.record(entry->id, from, push);
        const std::size_t rank = actions + bound[entry->id];
        if (rank >= queue.size())
            queue.resize(rank + 1);
        queue[rank].push_back(entry->id);
        return true;
    };

    std::vector<std::uint32_t> state = model.startWords();
    offer(state, 0, no_parent, {});
    std::vector<std::uint32_t> child;
    for (std::size_t rank = 0; rank < queue.size(); ++rank) {
        while (!queue[rank].empty()) {
            const std::uint32_t id = queue[rank].back();
            queue[rank].pop_back();
            // The bound never falls faster than the cost rises, so a state's first
            // expansion is at its lowest cost: later entries for it are stale.
            if (closed[id] || cost[id] + bound[id] != rank)
                continue;
            closed[id] = 1;
            if (stop())
                return {Verdict::unknown, {}, states.size(), 0, true};
            const auto words = states.words(id);
            state.assign(words.begin(), words.end());
            if (model.won(state))
                return {Verdict::solvable, trail.pushesTo(id), states.size()};
            model.load(state);
            walks.fill(model, state[0]);
            bool room = true;
            forEachPush(model, walks, [&](std::uint32_t player, int dir) {
                model.pushed(state, player, dir, player, child);
                const auto actions = static_cast<std::uint32_t>(cost[id] + walks.distance(player) + 1);
                room = offer(child, actions, id, {player, static_cast<std::uint8_t>(dir)}) && room;
            });
            model.unload(state);
            if (!room)
                return {Verdict::unknown, {}, states.size()};
        }
    }
    return {Verdict::unsolvable, {}, states.size()};
}

} // namespace kelvaro
