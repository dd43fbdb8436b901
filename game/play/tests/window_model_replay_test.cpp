// SPDX-License-Identifier: GPL-3.0-or-later
// Moves played for the player through the window: redo, a restart taken back, a solution shown and replayed.
#include "game/play/tests/window_model_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

// A jewel two pushes from the goal, with a walk between them.
const std::vector<std::string> two_pushes = {"#########", "##@*..G##", "#########"};

void walk(WindowModelRig& rig, Key key)
{
    rig.keys.hold({key});
    rig.run(25);
    rig.keys.releaseAll();
    rig.run(300);
}

TEST(RedoInTheWindow, TakeBackThreeRedoThreeAndARestartTakenBack)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room));
    for (int i = 0; i < 3; ++i)
        walk(rig, Key::right);
    ASSERT_EQ(rig.engine.playerx(), 5);
    for (int i = 0; i < 3; ++i)
        rig.press('\b'), rig.run(30);
    EXPECT_EQ(rig.engine.playerx(), 2);
    for (int i = 0; i < 3; ++i)
        rig.click(Command::redoItem), rig.run(30);
    EXPECT_EQ(rig.engine.playerx(), 5);
    rig.click(Command::redoItem), rig.run(30);
    EXPECT_EQ(rig.engine.playerx(), 5) << "nothing more to redo";

    const int before = rig.engine.timeleft();
    rig.click(Command::restartLevelItem);
    rig.answer("yes");
    ASSERT_TRUE(rig.toPlay());
    ASSERT_EQ(rig.engine.playerx(), 2);
    rig.press('\b'), rig.run(30);
    EXPECT_EQ(rig.engine.playerx(), 5) << "the restart taken back";
    EXPECT_EQ(rig.engine.movesMade(), 3u);
    EXPECT_LE(rig.engine.timeleft(), before) << "no time given back";
}

TEST(ShowASolution, AsksFirstThenPlaysToWinnerWithNoKeyAndTheClockHeld)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, two_pushes));
    walk(rig, Key::ctrl);
    rig.click(Command::showSolutionItem);
    ASSERT_TRUE(rig.dialogs.isOpen());
    EXPECT_EQ(rig.dialogs.current().text, "Show a solution? The level will not count as solved.");
    rig.answer("no");
    rig.run(1000);
    EXPECT_EQ(rig.engine.jewelx(), 4) << "No leaves the level as it was";
    EXPECT_FALSE(rig.inSpiral());

    rig.click(Command::showSolutionItem);
    rig.answer("yes");
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.engine.jewelx(), 3) << "played from the level's start";
    rig.run(3000);
    EXPECT_TRUE(rig.controls.winnerLabel.visible);
    EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 75") << "the countdown never ran";
}

TEST(ReplayInTheWindow, MovesThatStopShortHandOverAndPlayGoesOnWithTheCountdown)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, two_pushes));
    rig.model.replay(*readMoves("Rr"));
    ASSERT_TRUE(rig.toPlay());
    rig.run(2500);
    EXPECT_EQ(rig.engine.playerx(), 3);
    EXPECT_LT(rig.engine.timeleft(), 75) << "counting since the hand-over";
    walk(rig, Key::ctrl);
    walk(rig, Key::right);
    walk(rig, Key::ctrl);
    EXPECT_TRUE(rig.controls.winnerLabel.visible);
}

TEST(ReplayInTheWindow, PPausesAReplayAndEscTakesOver)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room));
    rig.model.replay(*readMoves("rrrrr"));
    ASSERT_TRUE(rig.toPlay());
    rig.run(300);
    rig.press('p');
    rig.run(300);  // a walk under way ends
    const int x = rig.engine.playerx();
    rig.run(3000);
    EXPECT_EQ(rig.engine.playerx(), x) << "paused";
    EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 75");
    rig.press('p');
    EXPECT_FALSE(rig.controls.countdownTimer.enabled) << "going on from a pause keeps the clock held";
    rig.run(300);
    rig.press('\x1b');
    const int at_esc = rig.engine.playerx();
    rig.run(3000);
    EXPECT_LE(rig.engine.playerx(), at_esc + 1) << "the rest of the moves dropped";
    EXPECT_LT(rig.engine.playerx(), 7);
    EXPECT_TRUE(rig.controls.countdownTimer.enabled);
}

} // namespace
} // namespace kelvaro
