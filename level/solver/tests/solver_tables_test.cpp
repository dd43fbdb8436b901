// SPDX-License-Identifier: GPL-3.0-or-later
// Tables kept between solves: found again only for the same walls and goal, and never changing an answer.
#include "level/solver/solver.h"
#include "level/solver/solver_bound.h"
#include "level/solver/solver_space.h"
#include "level/tests/drawn_level.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

using testing::drawnLevel;

// One room, its crates, jewel and start moved about; the last two also move a wall or the goal.
const std::vector<std::vector<std::string>> rooms = {
    {"########", "#S.o..##", "#..#.*.#", "#.o...G#", "########"},
    {"########", "#..o.S##", "#.o#*..#", "#.....G#", "########"},
    {"########", "#So...##", "#..#..*#", "#..o..G#", "########"},
    {"########", "#S.o..##", "#..#.*.#", "#.o.#.G#", "########"},
    {"########", "#S.o..##", "#..#.*G#", "#.o....#", "########"},
};

TEST(SolverTables, SharedTablesGiveTheAnswersOfFreshOnes)
{
    SolverTables tables;
    for (int round = 0; round < 2; ++round)
        for (const auto& rows : rooms) {
            const GameLevel level = drawnLevel(rows);
            const Solution fresh = solve(level);
            const Solution shared = solve(level, {.tables = &tables});
            ASSERT_EQ(shared.verdict, fresh.verdict);
            EXPECT_EQ(movesText(shared.moves), movesText(fresh.moves));
            EXPECT_EQ(shared.states, fresh.states);
            const PositionSpace fresh_space(level, 10'000);
            const PositionSpace shared_space(level, 10'000, {}, &tables);
            EXPECT_EQ(shared_space.size(), fresh_space.size());
        }
}

TEST(SolverTables, FoundAgainOnlyForTheSameWallsAndGoal)
{
    // A room of 4 x 3 open cells inside two rings of border, as the solver pads a level;
    // cells are numbered column by column, 7 to a column.
    auto layout = [](std::uint32_t goal, std::uint32_t wall) {
        constexpr int height = 7;
        SolverBound::Layout l{std::vector<std::uint8_t>(8 * height, 1), {}, {height, -height, -1, 1}, height, goal};
        for (int x = 2; x < 6; ++x)
            for (int y = 2; y < 5; ++y)
                l.player_wall[static_cast<std::size_t>(x * height + y)] = 0;
        if (wall)
            l.player_wall[wall] = 1;
        l.jewel_wall = l.player_wall;
        l.player_wall[goal] = 1;
        return l;
    };
    SolverTables tables;
    const auto first = tables.boundFor(layout(17, 0));
    EXPECT_EQ(tables.boundFor(layout(17, 0)), first);
    EXPECT_NE(tables.boundFor(layout(18, 0)), first);   // another goal
    EXPECT_NE(tables.boundFor(layout(17, 23)), first);  // another wall
    EXPECT_EQ(tables.boundFor(layout(17, 0)), first);   // still kept among the last three
    tables.boundFor(layout(30, 0));
    tables.boundFor(layout(31, 0));
    tables.boundFor(layout(32, 0));
    EXPECT_NE(tables.boundFor(layout(17, 0)), first);   // pushed out by three others
}

} // namespace
} // namespace kelvaro
