// SPDX-License-Identifier: GPL-3.0-or-later
// The fifty levels shipped with the game: well formed, solvable, and timed by the rule.
#include "level/cell_kind.h"
#include "level/game_level.h"
#include "level/solver.h"
#include "play_reference.h"

#include <gtest/gtest.h>

#include <string>

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

INSTANTIATE_TEST_SUITE_P(Maze, ShippedLevel, ::testing::Range(1, shipped_levels + 1));

} // namespace
} // namespace kelvaro
