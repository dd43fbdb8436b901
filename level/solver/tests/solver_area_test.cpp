// SPDX-License-Identifier: GPL-3.0-or-later
// The player's area after a push, found without walking it again, against a full walk on many random rooms.
#include "level/cell_kind.h"
#include "level/solver/solver_model.h"
#include "level/solver/solver_search.h"
#include "level/solver/solver_walk_map.h"

#include <gtest/gtest.h>

#include <random>

namespace kelvaro {
namespace {

// Rooms of blank, border and obstacles in every mix, so pushes open side rooms, cut
// corridors and close the area's lowest cell; a jewel and a goal make the model whole.
GameLevel randomRoom(std::mt19937& dice, int walls_percent, int obstacles_percent)
{
    GameLevel level;
    level.maze = Grid<std::uint8_t>(8, 7, blank);
    for (int x = 0; x <= 8; ++x)
        for (int y = 0; y <= 7; ++y) {
            const auto roll = static_cast<int>(dice() % 100);
            level.maze.at(x, y) = roll < walls_percent ? border : roll < walls_percent + obstacles_percent ? obstacle : blank;
        }
    auto spot = [&] { return std::pair(static_cast<std::uint8_t>(dice() % 9), static_cast<std::uint8_t>(dice() % 8)); };
    std::tie(level.jewelx, level.jewely) = spot();
    level.maze.at(level.jewelx, level.jewely) = jewel;
    std::tie(level.goalx, level.goaly) = spot();
    level.maze.at(level.goalx, level.goaly) = goal;
    std::tie(level.playerx, level.playery) = spot();
    level.maze.at(level.playerx, level.playery) = blank;
    return level;
}

TEST(SolverArea, AfterEveryPushTheLowestCellIsTheOneAFullWalkFinds)
{
    std::mt19937 dice(2024);
    int pushes = 0;
    for (int room = 0; room < 3000; ++room) {
        const GameLevel level = randomRoom(dice, 5 + room % 30, 10 + room % 40);
        SolverModel model(level);
        SolverWalkMap area(model.cellCount()), scratch(model.cellCount()), check(model.cellCount());
        const std::vector<std::uint32_t> state = model.startWords();
        model.load(state);
        area.fill(model, state[0]);
        forEachPush(model, area, [&](std::uint32_t player, int dir) {
            const std::uint32_t front = player + static_cast<std::uint32_t>(model.step(dir));
            const std::uint32_t beyond = front + static_cast<std::uint32_t>(model.step(dir));
            const std::uint32_t found = areaAfterPush(model, area, scratch, player, dir);
            const std::uint8_t moving = model.code(front), under = model.code(beyond);
            model.setCode(front, blank);
            model.setCode(beyond, moving);
            check.fill(model, player);
            model.setCode(front, moving);
            model.setCode(beyond, under);
            ASSERT_EQ(found, check.lowestCell()) << "room " << room << ", push " << dir << " from " << player;
            ++pushes;
        });
        model.unload(state);
    }
    EXPECT_GT(pushes, 10000);
}

} // namespace
} // namespace kelvaro
