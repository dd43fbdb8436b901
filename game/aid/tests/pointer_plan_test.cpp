// SPDX-License-Identifier: GPL-3.0-or-later
// Plans for clicks: shortest walks, the push beside the player, and the fewest pushes to a chosen cell with walks between.
#include "game/aid/pointer_plan.h"
#include "game/engine/tests/engine_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Rows = std::vector<std::string>;
using Cells = std::vector<std::pair<int, int>>;

// The moves as text: walks r l u d, pushes R L U D.
std::string text(const std::vector<Action>& moves) { return movesText(moves); }

int pushes(const std::vector<Action>& moves)
{
    return static_cast<int>(std::ranges::count_if(moves, [](const Action& a) { return a.push; }));
}

// Plays `moves` by the game's rules (walks onto blank only, pushes as Ctrl with the arrow) and
// returns the grid afterwards, so a plan is checked by what it does, not how it is spelt.
Rows played(const Rows& rows, const std::vector<Action>& moves)
{
    EngineRig rig;
    rig.start(levelFrom(rows));
    EXPECT_TRUE(rig.toPlay());
    rig.engine.plan(moves);
    rig.run(static_cast<std::uint32_t>(moves.size() + 2) * 250);
    EXPECT_FALSE(rig.engine.planned());  // every move was made as planned
    return drawing(rig.engine);
}

const Rows maze = {
    "############",
    "############",
    "##@.......##",
    "##.######.##",
    "##......#.##",
    "##*#....#G##",
    "############",
    "############",
};

TEST(PointerPlan, WalksAShortestWayToAFloorCellItCanReach)
{
    const PointerPlan plan(levelFrom(maze));
    EXPECT_EQ(text(plan.walkTo(9, 2)), "rrrrrrr");
    EXPECT_EQ(text(plan.walkTo(9, 4)), "rrrrrrrdd");
    EXPECT_EQ(plan.walkTo(7, 4).size(), 7u);  // down and along, not round the far side
    EXPECT_FALSE(plan.reaches(2, 2));         // its own cell
    EXPECT_FALSE(plan.reaches(3, 3));         // a wall
    EXPECT_FALSE(plan.reaches(9, 5));         // the goal is no floor
    EXPECT_FALSE(plan.reaches(2, 5));         // the jewel
    EXPECT_FALSE(plan.reaches(40, 2));        // off the level
    EXPECT_TRUE(plan.walkTo(3, 3).empty());
}

TEST(PointerPlan, WalksAroundObjectsAndNotIntoClosedRooms)
{
    const Rows closed = {"##########", "##########", "##@.o...##", "####o#####", "##.*#..G##", "##########",
                         "##########"};
    const PointerPlan plan(levelFrom(closed));
    EXPECT_TRUE(plan.reaches(3, 2));
    EXPECT_FALSE(plan.reaches(5, 2));  // behind the crate
    EXPECT_FALSE(plan.reaches(2, 4));
}

TEST(PointerPlan, PushesAnObjectBesideThePlayerInLineAsCtrlWithThatArrowWould)
{
    const Rows rows = {"#########", "#########", "##.o...##", "##o@*G.##", "##.#...##", "#########", "#########"};
    const PointerPlan plan(levelFrom(rows));
    EXPECT_EQ(plan.pushBeside(4, 3), (Action{true, 0}));  // the jewel, right
    EXPECT_FALSE(plan.pushBeside(3, 2));                  // the crate above, against the frame
    EXPECT_FALSE(plan.pushBeside(2, 3));                  // the crate on the left, likewise
    EXPECT_FALSE(plan.pushBeside(3, 4));                  // a wall is no object
    EXPECT_FALSE(plan.pushBeside(5, 3));                  // not beside the player
    EXPECT_TRUE(plan.pushable(4, 3));
    EXPECT_FALSE(plan.pushable(2, 3));
}

const Rows room = {
    "##########",
    "##########",
    "##@.....##",
    "##..o...##",
    "##......##",
    "##*....G##",
    "##########",
    "##########",
};

// Pushing twice the same way needs a walk into the cell the object left, between the pushes:
// the player stays where it stands when it pushes.
TEST(PointerPlan, TheFewestPushesToACellWithTheWalksBetween)
{
    const PointerPlan plan(levelFrom(room));
    const std::optional<PushTargets> targets = plan.pushTargets(4, 3);
    ASSERT_TRUE(targets);
    EXPECT_FALSE(targets->contains(4, 3));  // where it stands
    EXPECT_TRUE(targets->contains(7, 3));
    EXPECT_TRUE(targets->contains(2, 2));   // into the corner: up, then left twice
    EXPECT_FALSE(targets->contains(7, 5));  // an obstacle never goes onto the goal
    EXPECT_EQ(targets->cells().front(), std::make_pair(5, 3));  // nearest in pushes first (one push right)

    const std::vector<Action> moves = targets->movesTo(6, 4);
    EXPECT_EQ(pushes(moves), 3);
    EXPECT_EQ(played(room, moves)[4][6], 'o');

    EXPECT_EQ(text(targets->movesTo(6, 3)), "rdRrR");  // walk, push, walk into its place, push
    EXPECT_TRUE(targets->movesTo(9, 9).empty());
}

TEST(PointerPlan, TheJewelStopsOnTheGoalAndObjectsOnlyGoWhereTheRulesLetThem)
{
    const Rows rows = {"#########", "#########", "##@....##", "##.*.G.##", "##..o..##", "#########", "#########"};
    const PointerPlan plan(levelFrom(rows));
    const auto jewel_cells = plan.pushTargets(3, 3);
    ASSERT_TRUE(jewel_cells);
    EXPECT_TRUE(jewel_cells->contains(5, 3));   // the goal: the level is won there
    EXPECT_FALSE(jewel_cells->contains(6, 3));  // nothing is pushed on from the goal
    EXPECT_EQ(played(rows, jewel_cells->movesTo(5, 3))[3], "##.@.*.##");  // won: the goal holds the jewel
    const auto crate_cells = plan.pushTargets(4, 4);
    ASSERT_TRUE(crate_cells);
    EXPECT_FALSE(crate_cells->contains(5, 3));  // an obstacle never goes onto the goal
}

TEST(PointerPlan, AnObjectThatCannotMoveOrASearchTooLongMarksNothing)
{
    const Rows stuck = {"########", "########", "##@...##", "##.*..##", "##o..G##", "########", "########"};
    const PointerPlan plan(levelFrom(stuck));
    EXPECT_FALSE(plan.pushable(2, 4));  // in the corner
    EXPECT_FALSE(plan.pushTargets(2, 4));
    EXPECT_TRUE(plan.pushTargets(3, 3));
    EXPECT_FALSE(plan.pushTargets(3, 3, 20));  // the budget of visited cells runs out

    // The widest open level searches within the default budget or gives up: never a hang.
    std::vector<std::string> wide(256, std::string(256, '.'));
    for (auto& row : wide)
        row.front() = row[1] = row[254] = row.back() = '#';
    wide[0] = wide[1] = wide[254] = wide[255] = std::string(256, '#');
    wide[2][2] = '@';
    wide[100][100] = 'o';
    wide[200][200] = '*';
    wide[200][201] = 'G';
    const PointerPlan open(levelFrom(wide));
    EXPECT_TRUE(open.reaches(253, 253));
    EXPECT_FALSE(open.pushTargets(100, 100));
}

} // namespace
} // namespace kelvaro
