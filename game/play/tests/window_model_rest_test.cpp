// SPDX-License-Identifier: GPL-3.0-or-later
// The play loop's rest: in play with nothing held, the window is woken only by the timers and
// events, and what the player sees and does comes out as when every step was taken.
#include "game/play/tests/window_model_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Rows = std::vector<std::string>;

// Runs the model for `ms` as the window does: only at the moments it asks for. Returns how often.
int wakeUps(WindowModelRig& rig, std::uint32_t ms)
{
    const std::uint32_t end = rig.clock.now + ms;
    int count = 0;
    for (auto due = rig.model.nextDue(); due && static_cast<std::int32_t>(*due - end) <= 0; due = rig.model.nextDue()) {
        if (static_cast<std::int32_t>(*due - rig.clock.now) > 0)
            rig.clock.now = *due;
        rig.model.advance();
        ++count;
    }
    rig.clock.now = end;
    return count;
}

TEST(Rest, InPlayWithNothingHeldOnlyTheCountdownWakesTheWindow)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room));
    wakeUps(rig, 100);  // the first step after the start effect draws the level
    EXPECT_TRUE(rig.model.waitsForKeys());
    EXPECT_EQ(wakeUps(rig, 3000), 3);  // one countdown tick a second, no 25 ms steps
    EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 72");
}

TEST(Rest, AKeyDownBringsTheStepAtOnceAndHeldKeysKeepThePace)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room));
    wakeUps(rig, 700);
    const std::uint32_t before = rig.clock.now;
    rig.keys.hold({Key::right});
    ASSERT_TRUE(rig.model.nextDue());
    EXPECT_LE(static_cast<std::int32_t>(*rig.model.nextDue() - before), 0);  // due now
    const int wakes = wakeUps(rig, 1000);
    EXPECT_EQ(int(rig.engine.playerx()), 6);  // four walks of 225 ms, the first at once
    EXPECT_GE(wakes, 40);                   // held, the loop keeps its 25 ms steps
    rig.keys.releaseAll();
    wakeUps(rig, 1000);
    EXPECT_EQ(int(rig.engine.playerx()), 7);  // the walk under way ended against the wall
    EXPECT_TRUE(rig.model.waitsForKeys());
}

TEST(Rest, AKeyTowardAWallTurnsTheFigureThenRestsUntilTheKeysChange)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room));
    wakeUps(rig, 100);
    rig.keys.hold({Key::up});  // the border: the player only turns
    EXPECT_FALSE(rig.model.waitsForKeys());
    wakeUps(rig, 100);
    EXPECT_EQ(int(rig.engine.playerdir()), 2);
    EXPECT_TRUE(rig.model.waitsForKeys());
    EXPECT_EQ(wakeUps(rig, 1000), 1);  // held against the wall, only the countdown wakes the window
    rig.keys.hold({Key::up, Key::right});  // another key joins: its step comes at once
    const std::uint32_t before = rig.clock.now;
    ASSERT_TRUE(rig.model.nextDue());
    EXPECT_LE(static_cast<std::int32_t>(*rig.model.nextDue() - before), 0);
    wakeUps(rig, 300);
    EXPECT_GE(int(rig.engine.playerx()), 3);
    rig.keys.releaseAll();
    wakeUps(rig, 500);
    EXPECT_TRUE(rig.model.waitsForKeys());

    rig.press('p');  // paused: no steps at all
    EXPECT_FALSE(rig.model.waitsForKeys());
    EXPECT_EQ(wakeUps(rig, 1000), 0);
    const std::uint64_t cleared = rig.controls.windowSurfaceVersion;
    rig.press('p');  // resumed: the step after the key draws the level again, then the loop rests
    EXPECT_NE(rig.controls.windowSurfaceVersion, cleared);
    EXPECT_TRUE(rig.model.waitsForKeys());
}

// A key let go while its walk or push is still under way: once the move is over, the figure
// must be drawn at rest, not left in the move's last frame until the next key.
TEST(Rest, AMoveEndsWithTheFigureAtRestWhenItsKeyWasLetGoMidway)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room));
    wakeUps(rig, 700);
    ASSERT_TRUE(rig.model.waitsForKeys());
    const auto figure = [&rig] {
        return rig.controls.windowSurface.at(32 * rig.engine.playerx() + 16, 32 * rig.engine.playery() + 16);
    };
    EXPECT_EQ(figure(), colour::strip(0, 0));

    const auto tap = [&rig](std::initializer_list<Key> keys, std::uint32_t ms) {
        rig.keys.hold(keys);
        wakeUps(rig, ms);
        rig.keys.releaseAll();
        wakeUps(rig, 500);
    };
    for (int walk = 0; walk < 3; ++walk) {
        tap({Key::right}, 60 + 20 * walk);  // a short tap: let go long before the walk's last frame
        EXPECT_EQ(int(rig.engine.playerx()), 3 + walk);
        EXPECT_EQ(figure(), colour::strip(0, 0)) << "after walk " << walk + 1;
        EXPECT_TRUE(rig.model.waitsForKeys());
    }
    tap({Key::left}, 80);  // a walk back, then taken back: the figure rests where it stood
    EXPECT_EQ(figure(), colour::strip(1, 0));
    rig.press('u');
    wakeUps(rig, 100);
    EXPECT_EQ(int(rig.engine.playerx()), 5);
    EXPECT_EQ(figure(), colour::strip(1, 0));

    WindowModelRig pusher;  // a push let go early ends at rest too, the jewel on its new cell
    ASSERT_TRUE(pusher.play(3, {"#########", "#########", "##@*..G##", "##.....##", "#########", "#########"}));
    wakeUps(pusher, 700);
    pusher.keys.hold({Key::ctrl});
    wakeUps(pusher, 50);
    pusher.keys.releaseAll();
    wakeUps(pusher, 500);
    EXPECT_EQ(int(pusher.engine.jewelx()), 4);
    EXPECT_EQ(pusher.controls.windowSurface.at(32 * 2 + 16, 32 * 2 + 16), colour::strip(0, 0));
    EXPECT_EQ(pusher.controls.windowSurface.at(32 * 4 + 16, 32 * 2 + 16), colour::jewel);
    EXPECT_TRUE(pusher.model.waitsForKeys());
}

} // namespace
} // namespace kelvaro
