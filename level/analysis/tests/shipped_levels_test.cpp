// SPDX-License-Identifier: GPL-3.0-or-later
// The fifty levels shipped with the game: well formed, solvable, timed by the rule, and deep enough.
#include "level/cell_kind.h"
#include "level/game_level.h"
#include "level/analysis/level_depth.h"
#include "level/solver/solver.h"
#include "level/solver/tests/play_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

constexpr int shipped_levels = 50;

std::string levelFile(int number) { return std::string(KELVARO_MAPS_DIR) + "/maze" + std::to_string(number) + ".txt"; }

GameLevel shipped(int number)
{
    auto level = loadGameLevel(levelFile(number));
    if (!level)
        ADD_FAILURE() << levelFile(number) << ": " << level.error().describe();
    return level ? level.value() : GameLevel{};
}

int countCode(const GameLevel& level, std::uint8_t code)
{
    int count = 0;
    for (std::uint8_t c : level.maze.cells())
        count += c == code;
    return count;
}

class ShippedLevel : public ::testing::TestWithParam<int> {};

TEST_P(ShippedLevel, FitsTheWindowWithADoubleFrame)
{
    const GameLevel level = shipped(GetParam());
    EXPECT_LE(level.maze.columns(), 17);
    EXPECT_LE(level.maze.rows(), 16);
    for (int x = 0; x <= level.maze.maxx(); ++x)
        for (int y = 0; y <= level.maze.maxy(); ++y) {
            const int ring = std::min({x, y, level.maze.maxx() - x, level.maze.maxy() - y});
            if (ring < 2) {
                EXPECT_EQ(level.maze.at(x, y), border) << "cell (" << x << ", " << y << ")";
            }
            EXPECT_LE(level.maze.at(x, y), obstacle) << "cell (" << x << ", " << y << ")";
        }
}

TEST_P(ShippedLevel, HasOneJewelOneGoalAndOneStart)
{
    const GameLevel level = shipped(GetParam());
    EXPECT_EQ(countCode(level, jewel), 1);
    EXPECT_EQ(countCode(level, goal), 1);
    EXPECT_EQ(level.maze.at(level.jewelx, level.jewely), jewel);
    EXPECT_EQ(level.maze.at(level.goalx, level.goaly), goal);
    EXPECT_EQ(level.maze.at(level.playerx, level.playery), blank);
}

TEST_P(ShippedLevel, IsSolvableWithinItsTime)
{
    const GameLevel level = shipped(GetParam());
    const Solution solution = solve(level);
    ASSERT_EQ(solution.verdict, Verdict::solvable);
    ASSERT_TRUE(solution.shortest);
    EXPECT_TRUE(testing::winsWithLastMove(level, solution.moves)) << movesText(solution.moves);
    const double least = solution.leastMilliseconds() / 1000.0;
    EXPECT_GE(level.timeleft, minimumTimeLimit(solution.leastMilliseconds()));
    // A limit far beyond what the level needs would make the countdown pointless.
    EXPECT_LE(level.timeleft, 3.0 * least + 20.0);
}

// The least a level must ask of a player, by the first level of each band.
struct DepthFloor {
    int from_level;
    int object_changes;
    int crates_must_move;
    int traps;
};
constexpr DepthFloor floors[] = {
    {1, 0, 0, 0},
    {11, 6, 0, 0},
    {41, 12, 5, 3},
};
// More pushes of one object one way in a row than this is a corridor chore, not a puzzle.
constexpr int longest_run = 8;

const DepthFloor& floorFor(int level)
{
    const DepthFloor* found = &floors[0];
    for (const DepthFloor& f : floors)
        if (level >= f.from_level)
            found = &f;
    return *found;
}

Depth depthOf(int number, DepthLimits limits = {})
{
    const GameLevel level = shipped(number);
    return measureDepth(level, solve(level), limits);
}

TEST_P(ShippedLevel, IsDeepEnoughForItsPlace)
{
    const Depth depth = depthOf(GetParam());
    const DepthFloor& floor = floorFor(GetParam());
    ASSERT_TRUE(depth.space_complete) << depth.positions << " positions";
    EXPECT_GE(depth.object_changes, floor.object_changes);
    EXPECT_GE(depth.crates_must_move, floor.crates_must_move);
    EXPECT_GE(depth.traps, floor.traps);
    EXPECT_LE(depth.longest_run, longest_run);
}

INSTANTIATE_TEST_SUITE_P(Maze, ShippedLevel, ::testing::Range(1, shipped_levels + 1));

// Ranks from 1, ties sharing the mean of the ranks they span.
std::vector<double> ranks(const std::vector<double>& values)
{
    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::ranges::sort(order, {}, [&](std::size_t i) { return values[i]; });
    std::vector<double> rank(values.size());
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i;
        while (j + 1 < order.size() && values[order[j + 1]] == values[order[i]])
            ++j;
        for (std::size_t k = i; k <= j; ++k)
            rank[order[k]] = (static_cast<double>(i + j) / 2.0) + 1.0;
        i = j + 1;
    }
    return rank;
}

double rankCorrelation(const std::vector<double>& a, const std::vector<double>& b)
{
    const std::vector<double> x = ranks(a), y = ranks(b);
    const double mx = std::accumulate(x.begin(), x.end(), 0.0) / static_cast<double>(x.size());
    const double my = std::accumulate(y.begin(), y.end(), 0.0) / static_cast<double>(y.size());
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxy / std::sqrt(sxx * syy);
}

TEST(RankCorrelation, CountsTiesAsTheirMeanRank)
{
    EXPECT_DOUBLE_EQ(rankCorrelation({1, 2, 3, 4}, {10, 20, 30, 40}), 1.0);
    EXPECT_DOUBLE_EQ(rankCorrelation({1, 2, 3, 4}, {4, 3, 2, 1}), -1.0);
    EXPECT_EQ(ranks({5, 1, 5, 3}), (std::vector<double>{3.5, 1, 3.5, 2}));
}

TEST(ShippedLevels, ObjectChangesRiseWithTheLevelNumber)
{
    std::vector<double> numbers, changes;
    for (int n = 1; n <= shipped_levels; ++n) {
        numbers.push_back(n);
        // Object changes need only the solution, not the costly count of every position.
        changes.push_back(depthOf(n, {.full = false}).object_changes);
    }
    EXPECT_GE(rankCorrelation(numbers, changes), 0.7);
}

} // namespace
} // namespace kelvaro
