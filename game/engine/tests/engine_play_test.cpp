// SPDX-License-Identifier: GPL-3.0-or-later
// The play loop's rules, its pacing, the animations' frames and the outcome displays.
#include "game/engine/tests/engine_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Rows = std::vector<std::string>;

struct MoveCase {
    const char* what;
    Rows before;
    std::vector<Key> keys;
    Rows after;
    int playerdir;
};

const MoveCase move_cases[] = {
    {"left and right both open: walks left",
     {"########", "##.@..##", "##*..G##", "########"}, {L, R},
     {"########", "##@...##", "##*..G##", "########"}, 1},
    {"left toward the wall, down open: walks down",
     {"########", "##@...##", "##.*.G##", "########"}, {L, D},
     {"########", "##....##", "##@*.G##", "########"}, 3},
    {"left and up both blocked: turns up and stays",
     {"######", "##@.##", "##*G##", "######"}, {L, U},
     {"######", "##@.##", "##*G##", "######"}, 2},
    {"Ctrl alone pushes right at the start",
     {"########", "##@o..##", "##*..G##", "########"}, {C},
     {"########", "##@.o.##", "##*..G##", "########"}, 0},
    {"an arrow toward an obstacle with Ctrl turns and pushes in one step",
     {"########", "##.o@.##", "##*..G##", "########"}, {L, C},
     {"########", "##o.@.##", "##*..G##", "########"}, 1},
    {"the player never walks onto the goal", {"#######", "##@G*##", "#######"}, {R},
     {"#######", "##@G*##", "#######"}, 0},
    {"obstacle against the goal", {"########", "##@oG*##", "########"}, {R, C},
     {"########", "##@oG*##", "########"}, 0},
    {"obstacle against the jewel", {"########", "##@o*G##", "########"}, {R, C},
     {"########", "##@o*G##", "########"}, 0},
    {"obstacle against an obstacle", {"#########", "##@oo*G##", "#########"}, {R, C},
     {"#########", "##@oo*G##", "#########"}, 0},
    {"obstacle against the wall", {"#######", "#*G@o##", "#######"}, {R, C},
     {"#######", "#*G@o##", "#######"}, 0},
    {"obstacle against code 7", {"#########", "##@o7*G##", "#########"}, {C},
     {"#########", "##@o7*G##", "#########"}, 0},
    {"jewel onto blank", {"########", "##@*.G##", "########"}, {C},
     {"########", "##@.*G##", "########"}, 0},
    {"jewel onto code 7", {"########", "##@*7G##", "########"}, {C},
     {"########", "##@.*G##", "########"}, 0},
    {"jewel onto a second jewel cell", {"########", "##@*JG##", "########"}, {C},
     {"########", "##@.*G##", "########"}, 0},
    {"jewel against an obstacle", {"########", "##@*oG##", "########"}, {C},
     {"########", "##@*oG##", "########"}, 0},
    {"jewel against the wall", {"######", "#G@*##", "######"}, {C},
     {"######", "#G@*##", "######"}, 0},
    // Hand-made files may put things in the outer ring: the cell beyond is outside the grid.
    {"left edge", {"#######", "o@..*G#", "#######"}, {L, C}, {"#######", "o@..*G#", "#######"}, 1},
    {"right edge", {"#######", "#*G..@o", "#######"}, {R, C}, {"#######", "#*G..@o", "#######"}, 0},
    {"top edge", {"##*##", "##@##", "#G..#", "#####"}, {U, C}, {"##*##", "##@##", "#G..#", "#####"}, 2},
    {"bottom edge", {"#####", "#G..#", "##@##", "##*##"}, {D, C}, {"#####", "#G..#", "##@##", "##*##"}, 3},
};

TEST(PlayLoop, WalksTurnsAndPushesByTheRules)
{
    for (const MoveCase& c : move_cases) {
        SCOPED_TRACE(c.what);
        EngineRig rig;
        rig.start(levelFrom(c.before));
        ASSERT_TRUE(rig.toPlay());
        rig.act(c.keys);
        EXPECT_EQ(drawing(rig.engine), c.after);
        EXPECT_EQ(rig.engine.playerdir(), c.playerdir);
        EXPECT_EQ(rig.engine.maze().at(rig.engine.jewelx(), rig.engine.jewely()), jewel);
        const bool pushed = !(rig.engine.maze() == levelFrom(c.before).maze);
        EXPECT_EQ(rig.sound.count("moving"), pushed ? 1 : 0);  // and no push that moves nothing
    }
}

TEST(PlayLoop, StepsAtLeast25MillisecondsApartAcrossTheWrapAround)
{
    const Rows small = {"#####", "#@.*#", "#..G#", "#####"};  // one ring: play begins 760 ms on
    for (const std::uint32_t begin : {100000u, 0xfffffff0u}) {
        SCOPED_TRACE(begin);
        EngineRig rig(begin - 760);
        rig.start(levelFrom(small));
        ASSERT_TRUE(rig.toPlay());
        ASSERT_EQ(rig.clock.now, begin);
        rig.keys.hold({R});
        rig.run(24);
        EXPECT_EQ(rig.engine.phase(), Engine::Phase::playing);
        rig.run(1);
        ASSERT_EQ(rig.engine.phase(), Engine::Phase::animating);
        for (int counter = 2; counter <= 16; counter += 2) {
            rig.run(24);
            EXPECT_EQ(rig.engine.animationCounter(), counter - 2);
            rig.run(1);
            EXPECT_EQ(rig.engine.animationCounter(), counter);
        }
        rig.run(24);  // held still, but the next step waits its 25 ms after the last frame
        EXPECT_EQ(rig.engine.playerx(), 2);
        EXPECT_EQ(rig.engine.phase(), Engine::Phase::playing);
    }
}

TEST(Animation, AWalkSlidesThePlayerThroughStripFramesOneToEight)
{
    EngineRig rig;
    rig.start(levelFrom({"##########", "##########", "##*....G##", "##......##", "##......##", "##.@....##",
                         "##########", "##########"}));
    ASSERT_TRUE(rig.toPlay());
    rig.keys.hold({R});
    rig.run(25);
    rig.keys.releaseAll();
    for (int k = 1; k <= 8; ++k) {
        rig.run(25);
        EXPECT_TRUE(drawnAt(rig.controls.windowSurface, colour::strip(0, k), 96 + 4 * k, 160)) << "frame " << k;
        EXPECT_EQ(rig.engine.playerx(), k < 8 ? 3 : 4) << "frame " << k;
    }
}

TEST(Animation, APushSlidesTheObjectWhileThePlayerRestsFacingIt)
{
    EngineRig rig;
    rig.start(levelFrom({"########", "##*..G##", "##..o@##", "########"}));
    ASSERT_TRUE(rig.toPlay());
    rig.keys.hold({L, C});
    rig.run(25);
    rig.keys.releaseAll();
    EXPECT_EQ(drawing(rig.engine)[2], "##.o.@##");  // the grid changes before the first frame
    EXPECT_EQ(rig.sound.count("moving"), 1);
    for (int k = 1; k <= 8; ++k) {
        rig.run(25);
        EXPECT_TRUE(drawnAt(rig.controls.windowSurface, colour::obstacle, 128 - 4 * k, 64)) << "frame " << k;
        EXPECT_TRUE(drawnAt(rig.controls.windowSurface, colour::strip(1, 0), 160, 64)) << "frame " << k;
    }
    EXPECT_EQ(rig.engine.playerx(), 5);
}

TEST(Animation, TheGoalShowsUnderTheArrivingJewelUntilTheLastFrame)
{
    EngineRig rig;
    rig.start(levelFrom({"#######", "##@*G##", "#######"}));
    ASSERT_TRUE(rig.toPlay());
    rig.run(25);  // a step without keys draws the goal into the back buffer
    rig.keys.hold({C});
    rig.run(25);
    rig.keys.releaseAll();
    for (int k = 1; k <= 8; ++k) {
        rig.run(25);
        const Surface& window = rig.controls.windowSurface;
        EXPECT_TRUE(drawnAt(window, colour::jewel, 96 + 4 * k, 32)) << "frame " << k;
        EXPECT_EQ(window.at(159, 40), k < 8 ? colour::goal : colour::jewel) << "frame " << k;
        EXPECT_EQ(rig.controls.winnerLabel.visible, k == 8) << "frame " << k;
    }
}

TEST(PlayLoop, AnOutcomeWaitsForTheAnimationAndAWinBeatsTimeUp)
{
    struct Case {
        const char* what;
        Rows level;
        bool won;
    };
    const Case cases[] = {
        {"jewel pushed onto the goal", {"#######", "##@*G##", "#######"}, true},
        {"obstacle pushed", {"########", "##@o.*G#", "########"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EngineRig rig;
        rig.start(levelFrom(c.level));
        ASSERT_TRUE(rig.toPlay());
        rig.keys.hold({C});
        rig.run(50);  // the push and its first frame
        rig.keys.releaseAll();
        rig.timeRunsOut();  // the countdown ran out during the push
        rig.run(150);
        EXPECT_TRUE(rig.engine.playing());
        EXPECT_FALSE(rig.controls.gameOverLabel.visible || rig.controls.winnerLabel.visible);
        rig.run(25);
        EXPECT_FALSE(rig.engine.playing());
        EXPECT_EQ(rig.controls.winnerLabel.visible, c.won);
        EXPECT_EQ(rig.controls.gameOverLabel.visible, !c.won);
        EXPECT_EQ(rig.sound.count("win") + rig.sound.count("lose"), 1);
    }
}

TEST(PlayLoop, EveryPushAsksForItsSoundAndWalksAreSilent)
{
    for (const bool sound_on : {true, false}) {
        EngineRig rig;
        rig.controls.soundItem.checked = sound_on;
        rig.start(levelFrom({"############", "##@o......##", "##*......G##", "############"}));
        ASSERT_TRUE(rig.toPlay());
        rig.keys.hold({R, C});
        rig.run(4000);
        EXPECT_EQ(drawing(rig.engine)[1], "##......@o##");  // six pushes, six walks between them
        EXPECT_EQ(rig.sound.count("moving"), sound_on ? 6 : 0);
        EXPECT_EQ(rig.sound.log.size(), sound_on ? 9u : 0u);  // ready, sfyrixtra, music and the pushes
    }
}

struct Place {
    double left, top;
};

TEST(Outcome, DisplaysAreCentredOnThePlayfield)
{
    struct Case {
        int maxx, maxy;
        bool won;
        Place banner, left_button, right_button, sad;
    };
    const Case cases[] = {
        {15, 15, true, {181, 236}, {151, 292}, {264, 292}, {}},
        {15, 15, false, {153, 236}, {151, 292}, {264, 292}, {198, 340}},
        {9, 7, true, {85, 108}, {55, 164}, {168, 164}, {}},
        {9, 7, false, {57, 108}, {55, 164}, {168, 164}, {102, 212}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.maxx << " x " << c.maxy << (c.won ? " won" : " lost"));
        EngineRig rig;
        GameLevel level = framedLevel(c.maxx, c.maxy);
        if (c.won)
            level.goalx = level.jewelx, level.goaly = level.jewely;
        rig.start(std::move(level));
        ASSERT_TRUE(rig.toPlay());
        if (!c.won)
            rig.timeRunsOut();
        rig.run(1);
        Controls& k = rig.controls;
        const LabelControl& banner = c.won ? k.winnerLabel : k.gameOverLabel;
        const ButtonControl& left = c.won ? k.nextButton : k.abortButton;
        const ButtonControl& right = c.won ? k.abortButton : k.retryButton;
        EXPECT_TRUE(banner.visible && left.visible && right.visible);
        EXPECT_EQ(banner.place.left, c.banner.left);
        EXPECT_EQ(banner.place.top, c.banner.top);
        EXPECT_EQ(left.place.left, c.left_button.left);
        EXPECT_EQ(left.place.top, c.left_button.top);
        EXPECT_EQ(right.place.left, c.right_button.left);
        EXPECT_EQ(right.place.top, c.right_button.top);
        EXPECT_EQ(k.sadPicture.visible, !c.won);
        if (!c.won) {
            EXPECT_EQ(k.sadPicture.place.left, c.sad.left);
            EXPECT_EQ(k.sadPicture.place.top, c.sad.top);
        }
        EXPECT_EQ(k.retryButton.visible, !c.won);
        EXPECT_EQ(k.nextButton.visible, c.won);
        EXPECT_EQ(k.focus, c.won ? Focus::nextButton : Focus::retryButton);
        EXPECT_FALSE(k.endGameItem.enabled || k.restartLevelItem.enabled);
        EXPECT_FALSE(rig.engine.playing());
        if (c.won) {
            EXPECT_FALSE(k.countdownTimer.enabled);
        }
    }
}

} // namespace
} // namespace kelvaro
