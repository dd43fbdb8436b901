// SPDX-License-Identifier: GPL-3.0-or-later
// Redo after take-back, a restart taken back, and a replay holding the countdown until the player takes over.
#include "game/engine/tests/engine_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Rows = std::vector<std::string>;

void request(EngineRig& rig, void (Engine::*what)())
{
    (rig.engine.*what)();
    rig.run(30);
}

const Rows mixed = {"#########", "##@o...##", "##.*...##", "##....G##", "#########"};

TEST(Redo, MovesTakenBackComeBackInOrderUntilANewMoveIsMade)
{
    EngineRig rig;
    std::vector<Engine::Change> seen;
    rig.engine.changed = [&](Engine::Change c) { seen.push_back(c); };
    rig.start(levelFrom(mixed));
    ASSERT_TRUE(rig.toPlay());
    std::vector<Rows> after;
    for (const auto& keys : std::vector<std::vector<Key>>{{C}, {D}, {R, C}, {R}})
        rig.act(keys), after.push_back(drawing(rig.engine));
    const std::string made = movesText(rig.engine.moves());
    EXPECT_EQ(made, "RdRr");
    for (int i = 0; i < 3; ++i)
        request(rig, &Engine::requestTakeBack);
    EXPECT_EQ(drawing(rig.engine), after[0]);
    seen.clear();
    for (std::size_t i = 1; i < after.size(); ++i) {
        request(rig, &Engine::requestRedo);
        EXPECT_EQ(drawing(rig.engine), after[i]) << "redo " << i;
    }
    using Ch = Engine::Change;
    EXPECT_EQ(seen, (std::vector<Ch>{Ch::walked, Ch::pushed, Ch::walked})) << "watchers see a redo as the move";
    EXPECT_EQ(movesText(rig.engine.moves()), made);
    EXPECT_FALSE(rig.engine.canRedo());
    request(rig, &Engine::requestRedo);
    EXPECT_EQ(drawing(rig.engine), after.back()) << "nothing left to redo";

    request(rig, &Engine::requestTakeBack);
    rig.act({R});  // a new move, even the same one: what was taken back is gone
    EXPECT_FALSE(rig.engine.canRedo());
    EXPECT_EQ(movesText(rig.engine.moves()), made);
}

TEST(Redo, AMoveRedoneOntoTheGoalWinsTheLevel)
{
    EngineRig two;
    two.start(levelFrom({"########", "##@.*G##", "########"}));
    ASSERT_TRUE(two.toPlay());
    two.act({R});
    request(two, &Engine::requestTakeBack);
    request(two, &Engine::requestRedo);
    EXPECT_FALSE(two.controls.winnerLabel.visible);
    two.act({C});
    request(two, &Engine::requestTakeBack);
    request(two, &Engine::requestRedo);
    EXPECT_TRUE(two.controls.winnerLabel.visible);
}

TEST(RestartTakenBack, ThePositionComesBackOnceWithTheSecondsSinceTakenOff)
{
    EngineRig rig;
    GameLevel level = levelFrom(mixed);
    level.timeleft = 60;
    rig.start(level);
    ASSERT_TRUE(rig.toPlay());
    rig.act({C});
    rig.act({D});
    for (int i = 0; i < 20; ++i)
        rig.engine.tickCountdown();  // 40 left
    const Rows before = drawing(rig.engine);
    std::vector<Engine::Change> seen;
    rig.engine.changed = [&](Engine::Change c) { seen.push_back(c); };
    ASSERT_FALSE(rig.engine.restartlevel());
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.engine.timeleft(), 60);
    for (int i = 0; i < 5; ++i)
        rig.engine.tickCountdown();  // 5 s after the restart
    rig.act({D});
    request(rig, &Engine::requestTakeBack);  // the walk after the restart first
    request(rig, &Engine::requestTakeBack);  // then the restart itself
    EXPECT_EQ(drawing(rig.engine), before);
    EXPECT_EQ(rig.engine.timeleft(), 35) << "no time given back";
    EXPECT_EQ(rig.engine.movesMade(), 2u);
    EXPECT_EQ(seen.back(), Engine::Change::restored);
    request(rig, &Engine::requestTakeBack);
    EXPECT_EQ(rig.engine.movesMade(), 1u) << "then the moves before it";
    request(rig, &Engine::requestTakeBack);
    request(rig, &Engine::requestTakeBack);
    EXPECT_EQ(rig.engine.movesMade(), 0u);
    EXPECT_EQ(rig.engine.timeleft(), 35) << "once: the restart is not taken back again";
}

TEST(RestartTakenBack, NotWhenTheSecondsSinceUseUpTheTimeOrAnotherLevelStarted)
{
    EngineRig rig;
    GameLevel level = levelFrom(mixed);
    level.timeleft = 30;
    rig.start(level);
    ASSERT_TRUE(rig.toPlay());
    rig.act({C});
    for (int i = 0; i < 20; ++i)
        rig.engine.tickCountdown();  // 10 left
    rig.engine.restartlevel();
    ASSERT_TRUE(rig.toPlay());
    const Rows fresh = drawing(rig.engine);
    for (int i = 0; i < 10; ++i)
        rig.engine.tickCountdown();
    request(rig, &Engine::requestTakeBack);
    EXPECT_EQ(drawing(rig.engine), fresh);
    EXPECT_EQ(rig.engine.timeleft(), 20);

    rig.act({C});
    rig.engine.restartlevel();
    rig.start(levelFrom(mixed), 2);  // a new level forgets the restart
    ASSERT_TRUE(rig.toPlay());
    request(rig, &Engine::requestTakeBack);
    EXPECT_EQ(rig.engine.maze().at(3, 1), obstacle);
}

TEST(Replay, TheCountdownWaitsForTheEndOfTheMovesAndAWinEndsIt)
{
    EngineRig rig;
    rig.start(levelFrom({"########", "##@*.G##", "########"}));
    rig.engine.replay(*readMoves("RrR"));
    ASSERT_TRUE(rig.toPlay());
    EXPECT_TRUE(rig.engine.replaying());
    EXPECT_FALSE(rig.controls.countdownTimer.enabled) << "held while the moves play";
    rig.run(2000);
    EXPECT_TRUE(rig.controls.winnerLabel.visible);
    EXPECT_FALSE(rig.controls.countdownTimer.enabled);
}

TEST(Replay, AnArrowOrACancelTakesOverAndStartsTheCountdown)
{
    for (const bool by_arrow : {true, false}) {
        SCOPED_TRACE(by_arrow ? "arrow" : "cancel");
        EngineRig rig;
        rig.start(levelFrom(mixed));
        rig.engine.replay(*readMoves("RdRrrr"));
        ASSERT_TRUE(rig.toPlay());
        rig.run(300);
        ASSERT_TRUE(rig.engine.replaying());
        if (by_arrow)
            rig.keys.hold({U}), rig.run(300), rig.keys.releaseAll();
        else
            rig.engine.cancelPlan(), rig.run(300);
        EXPECT_FALSE(rig.engine.replaying());
        EXPECT_TRUE(rig.controls.countdownTimer.enabled);
        rig.run(300);
        const std::size_t made = rig.engine.movesMade();
        rig.run(2000);
        EXPECT_EQ(rig.engine.movesMade(), made) << "the rest of the moves are dropped";
    }
}

TEST(Replay, MovesThatRunOutWithoutAWinHandThePlayOver)
{
    EngineRig rig;
    rig.start(levelFrom(mixed));
    rig.engine.replay(*readMoves("Rd"));
    ASSERT_TRUE(rig.toPlay());
    rig.run(1500);
    EXPECT_EQ(rig.engine.movesMade(), 2u);
    EXPECT_FALSE(rig.engine.replaying());
    EXPECT_TRUE(rig.controls.countdownTimer.enabled);
}

} // namespace
} // namespace kelvaro
