// SPDX-License-Identifier: GPL-3.0-or-later
// Moves planned by a click: taken by the play loop as the keyboard's, at its pace, and given up when a key takes over.
#include "game/engine/tests/engine_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Rows = std::vector<std::string>;
const Rows room = {"##########", "##########", "##@o....##", "##......##",
                   "##......##", "##*....G##", "##########", "##########"};
constexpr std::uint8_t right = 0, left = 1, up = 2, down = 3;
Action walk(std::uint8_t dir) { return {false, dir}; }
Action push(std::uint8_t dir) { return {true, dir}; }

// When the player entered each cell, with the cell, as the engine reports its walks.
struct Track {
    std::vector<std::pair<std::uint32_t, CellPos>> entered;

    explicit Track(EngineRig& rig)
    {
        rig.engine.changed = [this, &rig](Engine::Change change) {
            if (change == Engine::Change::walked)
                entered.push_back({rig.clock.now, {rig.engine.playerx(), rig.engine.playery()}});
        };
    }
    std::vector<CellPos> cells() const
    {
        std::vector<CellPos> out;
        for (const auto& [when, cell] : entered)
            out.push_back(cell);
        return out;
    }
    std::vector<std::uint32_t> gaps() const
    {
        std::vector<std::uint32_t> out;
        for (std::size_t i = 1; i < entered.size(); ++i)
            out.push_back(entered[i].first - entered[i - 1].first);
        return out;
    }
};

EngineRig& playing(EngineRig& rig, const Rows& rows = room)
{
    rig.start(levelFrom(rows));
    EXPECT_TRUE(rig.toPlay());
    rig.run(500);
    return rig;
}

TEST(Plan, PlannedWalksKeepTheKeyboardsPaceAndEndAtRest)
{
    EngineRig keyed;
    playing(keyed);
    Track by_key(keyed);
    keyed.keys.hold({Key::down});
    keyed.run(225 * 2 - 10);  // two walks down, the second under way when the key is let go
    keyed.keys.releaseAll();
    keyed.run(1000);

    EngineRig clicked;
    playing(clicked);
    Track by_plan(clicked);
    clicked.engine.plan({walk(down), walk(down), walk(right), walk(right)});
    EXPECT_TRUE(clicked.engine.planned());
    clicked.run(2000);
    EXPECT_FALSE(clicked.engine.planned());
    EXPECT_EQ(by_plan.cells(), (std::vector<CellPos>{{2, 3}, {2, 4}, {3, 4}, {4, 4}}));
    ASSERT_EQ(by_key.gaps().size(), 1u);
    EXPECT_EQ(by_plan.gaps(), std::vector<std::uint32_t>(3, by_key.gaps()[0]));
    EXPECT_EQ(by_key.gaps()[0], 225u);  // eight 25 ms frames and a step
    // The step after the last walk draws the figure at rest, facing the way it went.
    EXPECT_TRUE(drawnAt(clicked.controls.windowSurface, colour::strip(right, 0), 4 * 32, 4 * 32));
}

TEST(Plan, APushIsCtrlWithItsArrowAndLeavesThePlayerWhereItStands)
{
    EngineRig rig;
    playing(rig);
    rig.engine.plan({push(right), push(right)});
    rig.run(150);
    EXPECT_EQ(rig.engine.phase(), Engine::Phase::animating);
    rig.run(2000);
    // The second push finds blank in front: as with the keys held, that is a walk, not the
    // push planned, so the rest of the plan is given up after it.
    EXPECT_EQ(drawing(rig.engine)[2], "##.@o...##");
    EXPECT_FALSE(rig.engine.planned());
    EXPECT_EQ(rig.sound.count("moving"), 1);
}

TEST(Plan, AKeyHeldAtAStepTakesOver)
{
    EngineRig rig;
    playing(rig);
    Track track(rig);
    rig.engine.plan({walk(down), walk(down), walk(right), walk(right)});
    rig.run(100);  // the first walk is under way
    rig.keys.hold({Key::right});
    rig.run(225);
    rig.keys.releaseAll();
    rig.run(1000);
    EXPECT_FALSE(rig.engine.planned());
    EXPECT_EQ(track.cells(), (std::vector<CellPos>{{2, 3}, {3, 3}}));  // the walk under way, then the key's
}

TEST(Plan, AMoveThatCannotBeMadeEndsThePlan)
{
    EngineRig rig;
    playing(rig);
    rig.engine.plan({walk(up), walk(down)});
    rig.run(1000);
    EXPECT_EQ(drawing(rig.engine)[2], "##@o....##");  // turned toward the wall, nothing more
    EXPECT_EQ(rig.engine.playerdir(), up);
    EXPECT_FALSE(rig.engine.planned());
}

TEST(Plan, APauseHoldsThePlanAndResumingGoesOn)
{
    EngineRig rig;
    playing(rig);
    Track track(rig);
    rig.engine.plan({walk(down), walk(down), walk(right)});
    rig.run(100);
    rig.engine.pause();
    rig.run(5000);
    EXPECT_EQ(track.cells(), (std::vector<CellPos>{{2, 3}}));  // the walk under way ends; then it holds
    EXPECT_TRUE(rig.engine.planned());
    rig.engine.pauseKey();  // the pause key again
    rig.run(1000);
    EXPECT_EQ(track.cells(), (std::vector<CellPos>{{2, 3}, {2, 4}, {3, 4}}));
}

TEST(Plan, ALevelStartAStopATakeBackAndTheEndDropThePlan)
{
    EngineRig rig;
    playing(rig);
    rig.engine.plan({walk(down), walk(down)});
    rig.run(300);
    rig.engine.requestTakeBack();
    EXPECT_FALSE(rig.engine.planned());

    rig.engine.plan({walk(down)});
    rig.engine.stopgame();
    EXPECT_FALSE(rig.engine.planned());

    playing(rig);
    rig.engine.plan({walk(down)});
    rig.engine.startlevel(1);
    EXPECT_FALSE(rig.engine.planned());

    playing(rig, {"########", "##@*G.##", "##....##", "########"});
    rig.engine.plan({push(right), walk(down), walk(down)});
    rig.run(1000);
    EXPECT_FALSE(rig.engine.playing());  // won by the push
    EXPECT_FALSE(rig.engine.planned());
}

} // namespace
} // namespace kelvaro
