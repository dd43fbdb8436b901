// SPDX-License-Identifier: GPL-3.0-or-later
// The game's walk and push rules written out plainly, to check the solver against.
#pragma once

#include "level/game_level.h"
#include "level/solver/solver.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace kelvaro::testing {

struct PlayState {
    GameLevel level;
    bool won() const { return level.jewelx == level.goalx && level.jewely == level.goaly; }
};

inline int cellCode(const GameLevel& level, int x, int y)
{
    return level.maze.contains(x, y) ? level.maze.at(x, y) : 1;  // outside the grid: border
}

// One walk or push as the play loop's step does it; false when the game would not act.
inline bool act(GameLevel& level, const Action& action)
{
    static constexpr int dx[4] = {1, -1, 0, 0};
    static constexpr int dy[4] = {0, 0, -1, 1};
    const int fx = level.playerx + dx[action.dir], fy = level.playery + dy[action.dir];
    const int gx = fx + dx[action.dir], gy = fy + dy[action.dir];
    const int front = cellCode(level, fx, fy), beyond = cellCode(level, gx, gy);
    if (!action.push) {
        if (front != 0)
            return false;
        level.playerx = static_cast<std::uint8_t>(fx);
        level.playery = static_cast<std::uint8_t>(fy);
        return true;
    }
    const bool obstacle_moves = front == 4 && beyond == 0;
    const bool jewel_moves = front == 3 && beyond != 1 && beyond != 4;
    if (!obstacle_moves && !jewel_moves)
        return false;
    level.maze.at(fx, fy) = 0;
    level.maze.at(gx, gy) = static_cast<std::uint8_t>(front);
    if (jewel_moves) {
        level.jewelx = static_cast<std::uint8_t>(level.jewelx + dx[action.dir]);
        level.jewely = static_cast<std::uint8_t>(level.jewely + dy[action.dir]);
    }
    return true;
}

// Whether the moves are all legal and win with the last of them, not before.
inline bool winsWithLastMove(GameLevel level, const std::vector<Action>& moves)
{
    PlayState play{std::move(level)};
    if (play.won())
        return moves.empty();
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (!act(play.level, moves[i]))
            return false;
        if (play.won())
            return i + 1 == moves.size();
    }
    return false;
}

struct Reference {
    bool decided;                 // false when the state cap was reached
    std::optional<int> actions;  // fewest actions, none when unsolvable
};

// Breadth first over whole game states, every action costing one: slow and certain.
inline Reference shortestByBruteForce(const GameLevel& start, std::size_t cap = 2'000'000)
{
    auto key = [](const GameLevel& l) {
        std::string k{char(l.playerx), char(l.playery), char(l.jewelx), char(l.jewely)};
        k.append(l.maze.cells().begin(), l.maze.cells().end());
        return k;
    };
    if (PlayState{start}.won())
        return {true, 0};
    std::unordered_set<std::string> seen{key(start)};
    std::deque<std::pair<GameLevel, int>> queue{{start, 0}};
    while (!queue.empty()) {
        auto [level, depth] = std::move(queue.front());
        queue.pop_front();
        for (bool push : {false, true})
            for (std::uint8_t dir = 0; dir < 4; ++dir) {
                GameLevel next = level;
                if (!act(next, {push, dir}) || !seen.insert(key(next)).second)
                    continue;
                if (PlayState{next}.won())
                    return {true, depth + 1};
                if (seen.size() > cap)
                    return {false, std::nullopt};
                queue.emplace_back(std::move(next), depth + 1);
            }
    }
    return {true, std::nullopt};
}

} // namespace kelvaro::testing
