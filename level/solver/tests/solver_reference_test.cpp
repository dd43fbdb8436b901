// SPDX-License-Identifier: GPL-3.0-or-later
// The solver against a plain breadth-first search over whole game states, on many small random levels.
#include "level/solver/solver.h"
#include "level/solver/tests/play_reference.h"

#include <gtest/gtest.h>

#include <random>

namespace kelvaro {
namespace {

using testing::shortestByBruteForce;
using testing::winsWithLastMove;

struct Shape {
    int maxx, maxy;
    int obstacles;
    bool framed;  // a ring of border, or none so the grid's edge does the stopping
};

GameLevel randomLevel(std::mt19937& random, const Shape& shape)
{
    GameLevel level;
    level.maze = Grid<std::uint8_t>(shape.maxx, shape.maxy, 0);
    auto pick = [&](int high) { return std::uniform_int_distribution<int>(0, high)(random); };
    const int edge = shape.framed ? 1 : 0;
    for (int x = 0; x <= shape.maxx; ++x)
        for (int y = 0; y <= shape.maxy; ++y) {
            const bool rim = x < edge || y < edge || x > shape.maxx - edge || y > shape.maxy - edge;
            level.maze.at(x, y) = rim || pick(6) == 0 ? 1 : 0;
        }
    auto freeCell = [&](std::uint8_t& cx, std::uint8_t& cy) {
        do {
            cx = static_cast<std::uint8_t>(pick(shape.maxx));
            cy = static_cast<std::uint8_t>(pick(shape.maxy));
        } while (level.maze.at(cx, cy) != 0);
    };
    std::uint8_t ox = 0, oy = 0;
    for (int i = 0; i < shape.obstacles; ++i) {
        freeCell(ox, oy);
        level.maze.at(ox, oy) = 4;
    }
    if (pick(4) == 0) {  // now and then a code only the jewel may enter
        freeCell(ox, oy);
        level.maze.at(ox, oy) = 9;
    }
    freeCell(level.jewelx, level.jewely);
    level.maze.at(level.jewelx, level.jewely) = 3;
    freeCell(level.goalx, level.goaly);
    level.maze.at(level.goalx, level.goaly) = 2;
    freeCell(level.playerx, level.playery);
    return level;
}

// The same level in a large grid beside a walled-off hall of over a thousand blank cells,
// where the solver bounds states more simply than on levels the size of the window.
GameLevel embedded(const GameLevel& small)
{
    constexpr int offset = 20;
    GameLevel level = small;
    level.maze = Grid<std::uint8_t>(63, 30, 1);
    for (int x = 1; x < 63; ++x)
        for (int y = 1; y < 19; ++y)
            level.maze.at(x, y) = 0;
    for (int x = 0; x <= small.maze.maxx(); ++x)
        for (int y = 0; y <= small.maze.maxy(); ++y)
            level.maze.at(x + offset, y + offset) = small.maze.at(x, y);
    for (std::uint8_t* c : {&level.jewelx, &level.jewely, &level.goalx, &level.goaly, &level.playerx, &level.playery})
        *c = static_cast<std::uint8_t>(*c + offset);
    return level;
}

void compareOn(const Shape& shape, int levels, unsigned seed, bool large_grid = false)
{
    std::mt19937 random(seed);
    int solvable = 0;
    for (int i = 0; i < levels; ++i) {
        const GameLevel small = randomLevel(random, shape);
        const GameLevel level = large_grid ? embedded(small) : small;
        const auto reference = shortestByBruteForce(level);
        if (!reference.decided)
            continue;
        const Solution solution = solve(level);
        ASSERT_EQ(solution.verdict, reference.actions ? Verdict::solvable : Verdict::unsolvable) << "level " << i;
        if (!reference.actions)
            continue;
        ++solvable;
        ASSERT_TRUE(solution.shortest);
        ASSERT_EQ(solution.actions(), *reference.actions) << "level " << i << ": " << movesText(solution.moves);
        ASSERT_TRUE(winsWithLastMove(level, solution.moves)) << "level " << i << ": " << movesText(solution.moves);
    }
    // The comparison says little unless a fair share of the levels can be won.
    EXPECT_GT(solvable, levels / 10);
}

TEST(SolverAgainstBruteForce, FramedRoomsWithCrates) { compareOn({6, 6, 3, true}, 150, 11); }

TEST(SolverAgainstBruteForce, CrowdedRooms) { compareOn({6, 6, 6, true}, 100, 23); }

TEST(SolverAgainstBruteForce, NoFrameSoTheEdgeStopsPushes) { compareOn({4, 4, 2, false}, 200, 37); }

TEST(SolverAgainstBruteForce, RoomsInALargeGrid) { compareOn({6, 6, 3, true}, 60, 41, true); }

} // namespace
} // namespace kelvaro
