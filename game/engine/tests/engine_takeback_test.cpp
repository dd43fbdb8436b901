// SPDX-License-Identifier: GPL-3.0-or-later
// Taking back walks and pushes: exact restoration, and when a request is dropped.
#include "game/engine/tests/engine_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Rows = std::vector<std::string>;

// Asks for a take-back and lets the play loop take its next step.
void takeBack(EngineRig& rig)
{
    rig.engine.requestTakeBack();
    rig.run(30);
}

struct Snapshot {
    Rows rows;
    int playerdir, jewelx, jewely;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snap(const Engine& e) { return {drawing(e), e.playerdir(), e.jewelx(), e.jewely()}; }

struct TakeBackCase {
    const char* what;
    Rows level;
    std::vector<std::vector<Key>> moves;
};

const TakeBackCase cases[] = {
    {"a walk", {"########", "##@...##", "##*..G##", "########"}, {{R}}},
    {"a crate push", {"########", "##@o..##", "##*..G##", "########"}, {{C}}},
    {"a jewel push", {"#########", "##@*..G##", "#########"}, {{C}}},
    {"a jewel pushed onto a cell of code 7", {"#########", "##@*7.G##", "#########"}, {{C}, {R}, {C}}},
    {"walks and pushes mixed",
     {"#########", "##@o...##", "##.*...##", "##....G##", "#########"}, {{C}, {D}, {R, C}, {R}, {R, C}}},
};

TEST(TakeBack, EachMoveComesBackExactlyInReverseOrder)
{
    for (const TakeBackCase& c : cases) {
        SCOPED_TRACE(c.what);
        EngineRig rig;
        rig.start(levelFrom(c.level));
        ASSERT_TRUE(rig.toPlay());
        std::vector<Snapshot> seen{snap(rig.engine)};
        for (const auto& keys : c.moves) {
            rig.act(keys);
            seen.push_back(snap(rig.engine));
        }
        ASSERT_EQ(rig.engine.movesMade(), c.moves.size()) << "every move completed";
        const long sounds = rig.sound.count("moving");
        for (std::size_t i = c.moves.size(); i-- > 0;) {
            takeBack(rig);
            const Snapshot now = snap(rig.engine);
            EXPECT_EQ(now.rows, seen[i].rows) << "after taking back move " << i;
            EXPECT_EQ(now.jewelx, seen[i].jewelx);
            EXPECT_EQ(now.jewely, seen[i].jewely);
            EXPECT_EQ(rig.engine.maze().at(now.jewelx, now.jewely), jewel);
        }
        EXPECT_EQ(rig.engine.movesMade(), 0u);
        takeBack(rig);  // at the level's start there is nothing left to take back
        EXPECT_EQ(snap(rig.engine).rows, seen.front().rows);
        EXPECT_EQ(rig.sound.count("moving"), sounds) << "a take-back makes no sound";
    }
}

TEST(TakeBack, IsDrawnAtOnceWithoutAnimation)
{
    EngineRig rig;
    rig.start(levelFrom({"########", "##@o..##", "##*..G##", "########"}));
    ASSERT_TRUE(rig.toPlay());
    rig.act({C});
    rig.engine.requestTakeBack();
    rig.run(26);
    EXPECT_EQ(rig.engine.phase(), Engine::Phase::playing);
    EXPECT_EQ(cellColour(rig.controls.windowSurface, 3, 1), colour::obstacle);
    EXPECT_EQ(cellColour(rig.controls.windowSurface, 4, 1), colour::blank);
}

TEST(TakeBack, ManyRequestsBetweenTwoStepsTakeBackOneMove)
{
    EngineRig rig;
    rig.start(levelFrom({"#########", "##@....##", "##*...G##", "#########"}));
    ASSERT_TRUE(rig.toPlay());
    rig.act({R});
    rig.act({R});
    for (int i = 0; i < 5; ++i)
        rig.engine.requestTakeBack();  // a held key repeating faster than the loop
    rig.run(30);
    EXPECT_EQ(rig.engine.movesMade(), 1u);
    EXPECT_EQ(rig.engine.playerx(), 3);
}

// Where a request is dropped: the position stays as it is and nothing is taken back later.
TEST(TakeBack, IsDroppedWhenThePlayLoopIsNotBetweenSteps)
{
    struct Case {
        const char* what;
        std::function<void(EngineRig&)> setUp;
        std::function<void(EngineRig&)> after;  // undoes the set-up, if it can be undone
    };
    const Case dropped[] = {
        {"during a walk's animation", [](EngineRig& r) { r.keys.hold({R}); r.run(30); r.keys.releaseAll(); }, [](EngineRig& r) { r.run(300); }},
        {"while paused", [](EngineRig& r) { r.engine.pause(); }, [](EngineRig& r) { r.engine.pauseKey(); r.run(100); }},
        {"while a box is open", [](EngineRig& r) { r.engine.suspend(); }, [](EngineRig& r) { r.engine.resume(); r.run(100); }},
        {"after a loss", [](EngineRig& r) { r.timeRunsOut(); r.run(30); }, [](EngineRig& r) { r.run(100); }},
        {"after the game was stopped", [](EngineRig& r) { r.engine.stopgame(); }, [](EngineRig& r) { r.run(100); }},
    };
    for (const Case& c : dropped) {
        SCOPED_TRACE(c.what);
        EngineRig rig;
        rig.start(levelFrom({"#########", "##@o...##", "##*...G##", "#########"}));
        ASSERT_TRUE(rig.toPlay());
        rig.act({C});
        c.setUp(rig);
        rig.engine.requestTakeBack();
        c.after(rig);
        EXPECT_EQ(rig.engine.maze().at(4, 1), obstacle) << "the push stays";
        EXPECT_EQ(rig.engine.movesMade(), c.what == dropped[0].what ? 2u : 1u);
    }
}

TEST(TakeBack, IsDroppedDuringTheStartEffectAndAfterAWin)
{
    EngineRig rig;
    rig.start(levelFrom({"#######", "##@*G##", "#######"}));
    rig.engine.requestTakeBack();  // in the start effect
    ASSERT_TRUE(rig.toPlay());
    rig.act({C});
    ASSERT_FALSE(rig.engine.playing()) << "won";
    rig.engine.requestTakeBack();
    rig.run(100);
    EXPECT_EQ(rig.engine.jewelx(), 4);
    EXPECT_TRUE(rig.controls.winnerLabel.visible);
}

TEST(TakeBack, ARestartClearsTheHistory)
{
    EngineRig rig;
    rig.start(levelFrom({"#########", "##@o...##", "##*...G##", "#########"}));
    ASSERT_TRUE(rig.toPlay());
    rig.act({C});
    rig.act({R});
    rig.engine.startlevel(1);
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.engine.movesMade(), 0u);
    const Rows start = drawing(rig.engine);
    takeBack(rig);
    EXPECT_EQ(drawing(rig.engine), start);
}

TEST(TakeBack, TellsItsWatcherWhatChanged)
{
    EngineRig rig;
    std::vector<Engine::Change> seen;
    rig.engine.changed = [&](Engine::Change c) { seen.push_back(c); };
    rig.start(levelFrom({"#########", "##@o...##", "##.*..G##", "#########"}));
    ASSERT_TRUE(rig.toPlay());
    rig.act({C});
    rig.act({D});
    takeBack(rig);
    using C = Engine::Change;
    EXPECT_EQ(seen, (std::vector<Engine::Change>{C::started, C::pushed, C::walked, C::taken_back}));
}

} // namespace
} // namespace kelvaro
