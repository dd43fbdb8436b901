// SPDX-License-Identifier: GPL-3.0-or-later
// Depth figures: the solution replayed with every object named, and the positions along it tried for traps.
#include "level/analysis/level_depth.h"

#include "level/cell_kind.h"
#include "level/cell_rules.h"
#include "level/solver/solver_space.h"

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace kelvaro {
namespace {

constexpr int no_object = -1;
constexpr int jewel_id = 0;

struct Cell {
    int x;
    int y;
};

// A position of play with every pushable object numbered: the jewel 0, crates from 1.
struct Replay {
    GameLevel level;
    Grid<int> ids;

    explicit Replay(const GameLevel& start) : level(start), ids(start.maze.maxx(), start.maze.maxy(), no_object)
    {
        int next = jewel_id + 1;
        for (int x = 0; x <= level.maze.maxx(); ++x)
            for (int y = 0; y <= level.maze.maxy(); ++y)
                if (level.maze.at(x, y) == obstacle)
                    ids.at(x, y) = next++;
                else if (level.maze.at(x, y) == jewel)
                    ids.at(x, y) = jewel_id;
    }

    // The object pushed, or no_object when the action was a walk.
    int apply(const Action& action)
    {
        const Direction d = directions[action.dir & 3];
        const Cell front{level.playerx + d.dx, level.playery + d.dy};
        if (!action.push) {
            level.playerx = static_cast<std::uint8_t>(front.x);
            level.playery = static_cast<std::uint8_t>(front.y);
            return no_object;
        }
        return push(front, action.dir & 3);
    }

    int push(Cell front, int dir)
    {
        const Direction d = directions[dir];
        const Cell beyond{front.x + d.dx, front.y + d.dy};
        const std::uint8_t moving = level.maze.at(front.x, front.y);
        const int id = ids.at(front.x, front.y);
        level.maze.at(front.x, front.y) = blank;
        level.maze.at(beyond.x, beyond.y) = moving;
        ids.at(front.x, front.y) = no_object;
        ids.at(beyond.x, beyond.y) = id;
        if (moving == jewel) {
            level.jewelx = static_cast<std::uint8_t>(level.jewelx + d.dx);
            level.jewely = static_cast<std::uint8_t>(level.jewely + d.dy);
        }
        return id;
    }
};

// A push told apart from others by what it moves, from where, which way.
using TrapKey = std::tuple<int, int, int, int>;

// Adds the pushes out of `position` from which the level can no longer be won.
void collectTraps(const PositionSpace& space, std::uint32_t position, const Replay& replay, std::set<TrapKey>& traps)
{
    for (const SpacePush& push : space.pushes(position))
        if (!space.wins(push))
            traps.insert({replay.ids.at(push.x, push.y), push.x, push.y, push.dir});
}

// The position a push leads to; the push must be one of the position's.
std::uint32_t follow(const PositionSpace& space, std::uint32_t position, Cell front, int dir)
{
    for (const SpacePush& push : space.pushes(position))
        if (push.x == front.x && push.y == front.y && push.dir == dir)
            return push.to;
    return SpacePush::dead;
}

int cratesMustMove(const GameLevel& level, const PositionSpace& space)
{
    int must = 0;
    for (int x = 0; x <= level.maze.maxx(); ++x)
        for (int y = 0; y <= level.maze.maxy(); ++y)
            must += level.maze.at(x, y) == obstacle && !space.winsWithout(x, y);
    return must;
}

// Every figure that the solution alone gives, and the traps along it when the space is there.
Depth replayed(const GameLevel& level, const Solution& solution, const PositionSpace* space)
{
    Depth depth;
    depth.search_effort = solution.expanded;
    if (solution.verdict != Verdict::solvable)
        return depth;
    Replay replay(level);
    std::set<TrapKey> traps;
    std::set<int> moved;
    std::uint32_t position = 0;
    int last = no_object, last_dir = -1, run = 0;
    for (const Action& action : solution.moves) {
        if (action.push && space && position < SpacePush::dead) {
            collectTraps(*space, position, replay, traps);
            const Direction d = directions[action.dir & 3];
            position = follow(*space, position, {replay.level.playerx + d.dx, replay.level.playery + d.dy}, action.dir & 3);
        }
        if (action.push && depth.pushes == 0)
            depth.first_push_loses = !traps.empty();
        const int object = replay.apply(action);
        if (object == no_object)
            continue;
        ++depth.pushes;
        ++(object == jewel_id ? depth.jewel_pushes : depth.crate_pushes);
        if (object != jewel_id)
            moved.insert(object);
        depth.object_changes += last != no_object && object != last;
        run = object == last && action.dir == last_dir ? run + 1 : 1;
        depth.longest_run = std::max(depth.longest_run, run);
        last = object;
        last_dir = action.dir;
    }
    depth.crates_moved = static_cast<int>(moved.size());
    depth.traps = static_cast<int>(traps.size());
    return depth;
}

} // namespace

Depth measureDepth(const GameLevel& level, const Solution& solution, const DepthLimits& limits)
{
    if (solution.verdict != Verdict::solvable || !limits.full)
        return replayed(level, solution, nullptr);
    return measureDepth(level, solution, PositionSpace(level, limits.max_states));
}

Depth measureDepth(const GameLevel& level, const Solution& solution, const PositionSpace& space)
{
    Depth depth = replayed(level, solution, space.complete() ? &space : nullptr);
    depth.positions = space.found();
    depth.space_complete = space.complete();
    depth.space_cut = !space.complete();
    if (space.complete() && solution.verdict == Verdict::solvable)
        depth.crates_must_move = cratesMustMove(level, space);
    return depth;
}

} // namespace kelvaro
