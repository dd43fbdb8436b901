// SPDX-License-Identifier: GPL-3.0-or-later
// The countdown, the idle banner, the pause key and the sound requests of the main window.
#include "game/play/tests/window_model_fakes.h"

#include <gtest/gtest.h>

#include <set>

namespace kelvaro {
namespace {

using Rows = std::vector<std::string>;
using Log = std::vector<std::string>;

const Rows push_to_win = {"#######", "##@*G##", "#######"};

TEST(Countdown, ShowsZeroOnTheLastTickThenTheLevelIsLost)
{
    for (const std::uint32_t start : {1000u, 0xfffffc00u}) {  // the second wraps before the first tick
        SCOPED_TRACE(start);
        WindowModelRig rig(start);
        ASSERT_TRUE(rig.play(3, drawn_room, 2));
        rig.run(1000);
        EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 1");
        EXPECT_TRUE(rig.engine.playing());
        rig.run(1000);
        EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 0");
        EXPECT_TRUE(rig.engine.timeup());
        EXPECT_FALSE(rig.controls.countdownTimer.enabled);
        EXPECT_TRUE(rig.controls.gameOverLabel.visible);
        EXPECT_EQ(rig.controls.focus, Focus::retryButton);
    }
}

TEST(Countdown, ANegativeLimitIsShownThenEndsAtTheFirstTickWithoutOverflow)
{
    const std::pair<std::int16_t, const char*> cases[] = {{-5, "TIME : -6"}, {-32768, "TIME : -32769"}};
    for (const auto& [limit, caption] : cases) {
        WindowModelRig rig;
        ASSERT_TRUE(rig.play(3, drawn_room, limit));
        rig.run(1000);
        EXPECT_EQ(english(rig.controls.timeLabel.caption), caption);  // written before the clamp to 0
        EXPECT_TRUE(rig.engine.timeup());
        EXPECT_EQ(rig.engine.timeleft(), 0);
        EXPECT_TRUE(rig.controls.gameOverLabel.visible);
    }
}

TEST(Countdown, WarnsOnceAtTenSecondsWhateverPausesOrSoundChangesFollow)
{
    struct Case {
        bool sound_at_ten;
        long warnings;
    };
    for (const Case c : {Case{true, 1}, Case{false, 0}}) {
        WindowModelRig rig;
        ASSERT_TRUE(rig.play(3, drawn_room, 12));
        rig.run(1500);
        if (!c.sound_at_ten)
            rig.click(Command::soundItem);
        rig.run(1000);  // the tick to 10
        EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 10");
        if (!c.sound_at_ten)
            rig.click(Command::soundItem);
        rig.press('P');
        rig.run(3000);
        rig.press('p');
        rig.run(11000);
        EXPECT_TRUE(rig.controls.gameOverLabel.visible);
        EXPECT_EQ(rig.sound.count("hurryup"), c.warnings);
    }
}

TEST(IdleBanner, ChangesColourOnlyWhileIdle)
{
    WindowModelRig rig;
    std::set<Pixel> colours;
    for (int tick = 0; tick < 10; ++tick) {
        rig.run(100);
        colours.insert(rig.controls.bannerLabel.colour);
    }
    EXPECT_GT(colours.size(), 5u);
    ASSERT_TRUE(rig.play(3, drawn_room));
    const Pixel during_play = rig.controls.bannerLabel.colour;
    rig.run(3000);
    EXPECT_EQ(rig.controls.bannerLabel.colour, during_play);
    EXPECT_FALSE(rig.controls.bannerTimer.enabled);
}

TEST(PauseKey, TogglesWithEitherCaseAndOtherKeysReapplyTheState)
{
    struct Case {
        const char* keys;
        bool paused;
    };
    const Case cases[] = {{"P", true}, {"p", true}, {"Pp", false}, {"pP", false}, {"px", true}, {"x", false},
                          {"Pxp", false}, {"PpP", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        WindowModelRig rig;
        ASSERT_TRUE(rig.play(3, drawn_room));
        for (const char* key = c.keys; *key; ++key)
            rig.press(*key);
        EXPECT_EQ(rig.engine.paused(), c.paused ? 1 : 0);
        EXPECT_EQ(rig.controls.pausedLabel.visible, c.paused);
        EXPECT_EQ(rig.controls.countdownTimer.enabled, !c.paused);
        rig.run(1000);
        EXPECT_EQ(english(rig.controls.timeLabel.caption), c.paused ? "TIME : 75" : "TIME : 74");
    }
}

// A pause holds the countdown where it stood: the part of the second played before it counts,
// so a player tapping P twice a second still sees the time fall.
TEST(PauseKey, TheCountdownGoesOnFromWhereThePauseStoppedIt)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room, 75));
    for (int second = 0; second < 12; ++second) {
        rig.run(900);
        rig.press('P');
        const std::string shown = english(rig.controls.timeLabel.caption);
        rig.run(100);
        EXPECT_TRUE(rig.controls.pausedLabel.visible);
        EXPECT_EQ(english(rig.controls.timeLabel.caption), shown) << "still while paused";
        rig.press('P');
        EXPECT_FALSE(rig.controls.pausedLabel.visible);
    }
    EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 65") << "10.8 s played";
    rig.run(200);
    EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 64") << "the eleventh second ends 11 s into play";
}

TEST(PauseKey, IsIgnoredOnceTheTimeIsUpOrTheLevelIsLost)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room, 1));
    rig.run(960);
    rig.keys.hold({Key::right});
    rig.run(65);  // the walk's step at about 975 ms; the time runs out at 1000 ms
    rig.keys.releaseAll();
    ASSERT_TRUE(rig.engine.timeup());
    ASSERT_TRUE(rig.engine.playing());  // the walk goes on
    rig.press('P');
    EXPECT_EQ(rig.engine.paused(), 0);
    EXPECT_FALSE(rig.controls.pausedLabel.visible);
    rig.run(300);
    EXPECT_EQ(rig.engine.playerx(), 3);  // the walk finished, then the loss
    EXPECT_TRUE(rig.controls.gameOverLabel.visible);
    rig.press('p');
    EXPECT_EQ(rig.engine.paused(), 0);
    EXPECT_FALSE(rig.controls.pausedLabel.visible);
}

TEST(PauseKey, AWalkUnderWayStillEndsOnTheNextCellThenPlayHolds)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room));
    rig.keys.hold({Key::right});
    rig.run(75);  // the step and a frame or two
    ASSERT_EQ(rig.engine.phase(), Engine::Phase::animating);
    rig.press('P');
    rig.run(1000);
    EXPECT_EQ(rig.engine.playerx(), 3);
    EXPECT_EQ(rig.engine.phase(), Engine::Phase::playing);
    rig.press('P');
    rig.run(260);
    EXPECT_EQ(rig.engine.playerx(), 4);
}

TEST(Sound, WinKeepsTheMusicLossStopsItBeforeItsOwnSound)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, push_to_win));
    rig.keys.hold({Key::ctrl});
    rig.run(300);
    EXPECT_EQ(rig.sound.log, (Log{"ready", "sfyrixtra", "music", "moving", "win"}));

    WindowModelRig loser;
    ASSERT_TRUE(loser.play(3, drawn_room, 1));
    loser.run(1000);
    EXPECT_EQ(loser.sound.log, (Log{"ready", "sfyrixtra", "music", "stop", "rewind", "lose"}));
}

TEST(Sound, NothingAtAllWhileSoundIsUnchecked)
{
    WindowModelRig rig;
    rig.click(Command::soundItem);
    rig.sound.log.clear();
    ASSERT_TRUE(rig.play(3, {"########", "##@o..*G", "########"}, 11));
    rig.keys.hold({Key::ctrl, Key::right});
    rig.run(11000);  // pushes, the warning, the loss
    EXPECT_TRUE(rig.controls.gameOverLabel.visible);
    rig.click(Command::retryButton);
    rig.toPlay();
    rig.click(Command::endGameItem);
    rig.answer("yes");
    rig.newGame("9");  // missing
    rig.answer("");
    ASSERT_TRUE(rig.play(4, drawn_won_at_once));
    EXPECT_TRUE(rig.controls.winnerLabel.visible);
    EXPECT_EQ(rig.sound.log, Log{});
}

TEST(Sound, SwitchingOnRestartsTheMusicFromItsStartInEveryState)
{
    const std::pair<const char*, Rows> states[] = {{"idle", {}}, {"won", drawn_won_at_once}, {"lost", drawn_room}};
    for (const auto& [state, level] : states) {
        SCOPED_TRACE(state);
        WindowModelRig rig;
        if (!level.empty()) {
            ASSERT_TRUE(rig.play(3, level, 1));
            rig.run(1000);
        }
        rig.sound.log.clear();
        rig.click(Command::soundItem);
        EXPECT_EQ(rig.sound.log, (Log{"stop", "rewind"}));
        EXPECT_FALSE(rig.controls.soundItem.checked);
        rig.click(Command::soundItem);
        EXPECT_EQ(rig.sound.log, (Log{"stop", "rewind", "rewind", "music"}));
        EXPECT_TRUE(rig.controls.soundItem.checked);
    }
}

} // namespace
} // namespace kelvaro
