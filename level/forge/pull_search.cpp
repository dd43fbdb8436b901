// SPDX-License-Identifier: GPL-3.0-or-later
// Backwards over a room's pushes: the fewest object changes to a win from every position, found by undoing pushes.
#include "level/forge/pull_search.h"

#include "level/cell_rules.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <tuple>

namespace kelvaro::forge {
namespace {

constexpr int far = std::numeric_limits<int>::max() / 2;
constexpr int frame_cells = 2;  // the double border framedLevel puts round a drawing

// The room's pushes laid out flat, each with where it starts, what it moves and where that lands.
struct PushGraph {
    std::vector<std::uint32_t> from, to;
    std::vector<std::uint16_t> cell, landing;  // x << 8 | y of the object before and after
    std::vector<std::uint32_t> first_out;      // the pushes out of position p: first_out[p] .. first_out[p + 1]
    std::vector<std::uint32_t> first_in, in;   // the pushes into position p: in[first_in[p] .. first_in[p + 1])

    explicit PushGraph(const PositionSpace& space)
    {
        const auto n = static_cast<std::uint32_t>(space.size());
        for (std::uint32_t p = 0; p < n; ++p) {
            first_out.push_back(static_cast<std::uint32_t>(to.size()));
            for (const SpacePush& push : space.pushes(p)) {
                const Direction d = directions[push.dir];
                from.push_back(p);
                to.push_back(push.to);
                cell.push_back(static_cast<std::uint16_t>(push.x << 8 | push.y));
                landing.push_back(static_cast<std::uint16_t>((push.x + d.dx) << 8 | (push.y + d.dy)));
            }
        }
        first_out.push_back(static_cast<std::uint32_t>(to.size()));
        first_in.assign(n + 1, 0);
        for (std::uint32_t target : to)
            if (target < SpacePush::dead)
                ++first_in[target + 1];
        std::partial_sum(first_in.begin(), first_in.end(), first_in.begin());
        in.resize(first_in.back());
        std::vector<std::uint32_t> fill(first_in.begin(), first_in.end() - 1);
        for (std::uint32_t e = 0; e < to.size(); ++e)
            if (to[e] < SpacePush::dead)
                in[fill[to[e]]++] = e;
    }

    std::size_t pushes() const { return to.size(); }
};

// The fewest pushes to a win after push `e`, given them for every position; `far` after a dead end.
int pushesAfter(const PushGraph& graph, const std::vector<int>& pushes, std::uint32_t e)
{
    if (graph.to[e] == SpacePush::won)
        return 0;
    return graph.to[e] < SpacePush::dead ? pushes[graph.to[e]] : far;
}

// The fewest pushes to a win from every position.
std::vector<int> pushesToWin(const PushGraph& graph, std::size_t positions)
{
    std::vector<int> pushes(positions, far);
    std::vector<std::uint32_t> queue;
    for (std::uint32_t e = 0; e < graph.pushes(); ++e)
        if (graph.to[e] == SpacePush::won && pushes[graph.from[e]] == far) {
            pushes[graph.from[e]] = 1;
            queue.push_back(graph.from[e]);
        }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::uint32_t p = queue[head];
        for (std::uint32_t i = graph.first_in[p]; i < graph.first_in[p + 1]; ++i) {
            const std::uint32_t before = graph.from[graph.in[i]];
            if (pushes[before] == far) {
                pushes[before] = pushes[p] + 1;
                queue.push_back(before);
            }
        }
    }
    return pushes;
}

// The push by which breadth-first search from the start first reaches each position.
std::vector<std::uint32_t> pathsFromStart(const PushGraph& graph, std::size_t positions)
{
    constexpr auto unseen = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> by(positions, unseen);
    std::vector<std::uint32_t> queue{0};
    for (std::size_t head = 0; head < queue.size(); ++head)
        for (std::uint32_t e = graph.first_out[queue[head]]; e < graph.first_out[queue[head] + 1]; ++e)
            if (graph.to[e] < SpacePush::dead && graph.to[e] != 0 && by[graph.to[e]] == unseen) {
                by[graph.to[e]] = e;
                queue.push_back(graph.to[e]);
            }
    return by;
}

// The drawing of a position: the start's pushes replayed on it, the player put in its area.
Drawing drawnPosition(Drawing drawing, const PushGraph& graph, const std::vector<std::uint32_t>& by,
                      std::uint32_t position, const std::function<int(int)>& pick)
{
    std::vector<std::uint32_t> path;
    for (std::uint32_t p = position; p != 0; p = graph.from[by[p]])
        path.push_back(by[p]);
    Spot player = cellsOf(drawing, 'S').front();
    drawing[player.y][player.x] = '.';
    for (auto e = path.rbegin(); e != path.rend(); ++e) {
        const int x = (graph.cell[*e] >> 8) - frame_cells, y = (graph.cell[*e] & 0xff) - frame_cells;
        const int lx = (graph.landing[*e] >> 8) - frame_cells, ly = (graph.landing[*e] & 0xff) - frame_cells;
        drawing[ly][lx] = drawing[y][x];
        drawing[y][x] = '.';
        player = {2 * x - lx, 2 * y - ly};
    }
    std::vector<Spot> area{player};
    drawing[player.y][player.x] = 'S';
    for (std::size_t head = 0; head < area.size(); ++head)
        for (const Direction& d : directions) {
            const Spot next{area[head].x + d.dx, area[head].y + d.dy};
            if (next.y >= 0 && next.x >= 0 && next.y < static_cast<int>(drawing.size()) &&
                next.x < static_cast<int>(drawing[0].size()) && drawing[next.y][next.x] == '.') {
                drawing[next.y][next.x] = 's';
                area.push_back(next);
            }
        }
    std::sort(area.begin(), area.end(), [](Spot a, Spot b) { return std::tie(a.y, a.x) < std::tie(b.y, b.x); });
    for (Spot s : area)
        drawing[s.y][s.x] = '.';
    const Spot chosen = area[static_cast<std::size_t>(pick ? pick(static_cast<int>(area.size())) : 0) % area.size()];
    drawing[chosen.y][chosen.x] = 'S';
    return drawing;
}

// For every position, the fewest object changes on its ways to a win of the fewest pushes:
// the pushes taken in order of the pushes still to come after them, so the ones a push
// can be followed by are settled before it.
std::vector<int> changesOnShortest(const PushGraph& graph, const std::vector<int>& pushes)
{
    auto shortest = [&](std::uint32_t e) { return pushesAfter(graph, pushes, e) + 1 == pushes[graph.from[e]]; };
    std::vector<std::uint32_t> order;
    for (std::uint32_t e = 0; e < graph.pushes(); ++e)
        if (shortest(e))
            order.push_back(e);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return pushesAfter(graph, pushes, a) < pushesAfter(graph, pushes, b);
    });
    std::vector<int> after(graph.pushes(), far), least(pushes.size(), far);
    for (std::uint32_t e : order) {
        if (graph.to[e] == SpacePush::won) {
            after[e] = 0;
        } else {
            const std::uint32_t b = graph.to[e];
            for (std::uint32_t next = graph.first_out[b]; next < graph.first_out[b + 1]; ++next)
                if (shortest(next))
                    after[e] = std::min(after[e], after[next] + (graph.landing[e] != graph.cell[next]));
        }
        least[graph.from[e]] = std::min(least[graph.from[e]], after[e]);
    }
    return least;
}

} // namespace

std::vector<FarStart> farthestStarts(const Drawing& drawing, const PositionSpace& space, int count,
                                     const std::function<int(int)>& pick)
{
    std::vector<FarStart> starts;
    if (!space.complete() || space.size() == 0 || count <= 0)
        return starts;
    const PushGraph graph(space);
    const std::vector<int> pushes = pushesToWin(graph, space.size());
    const std::vector<int> changes = changesOnShortest(graph, pushes);
    std::vector<std::uint32_t> winnable;
    for (std::uint32_t p = 0; p < space.size(); ++p)
        if (pushes[p] < far)
            winnable.push_back(p);
    auto rank = [&](std::uint32_t p) { return std::tuple(-changes[p], pushes[p], p); };
    const auto wanted = std::min(winnable.size(), static_cast<std::size_t>(count));
    std::partial_sort(winnable.begin(), winnable.begin() + static_cast<std::ptrdiff_t>(wanted), winnable.end(),
                      [&](std::uint32_t a, std::uint32_t b) { return rank(a) < rank(b); });
    const std::vector<std::uint32_t> by = pathsFromStart(graph, space.size());
    for (std::size_t i = 0; i < wanted; ++i) {
        const std::uint32_t p = winnable[i];
        starts.push_back({drawnPosition(drawing, graph, by, p, pick), pushes[p], changes[p]});
    }
    return starts;
}

} // namespace kelvaro::forge
