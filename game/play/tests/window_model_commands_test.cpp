// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: choosing a level, the confirmations, and commands that arrive during a run.
#include "game/play/tests/window_model_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Kind = FakeDialogs::Kind;
using Rows = std::vector<std::string>;


TEST(NewGame, AsksUntilANumberFromOneToFiftyOrAnEmptyAnswer)
{
    struct Case {
        std::vector<std::string> answers;
        std::optional<int> started;
    };
    const Case cases[] = {
        {{"0", "51", "abc", "1"}, 1}, {{"7.9"}, 7}, {{"50"}, 50}, {{" 12 "}, 12},
        {{""}, std::nullopt},         {{"-3", ""}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers.front());
        WindowModelRig rig;
        for (int n = 1; n <= 50; ++n)
            rig.levels.add(n, levelFrom(drawn_room));
        rig.click(Command::newGameItem);
        for (const std::string& answer : c.answers) {
            ASSERT_TRUE(rig.dialogs.isOpen());
            EXPECT_EQ(rig.dialogs.current().kind, Kind::input);
            EXPECT_EQ(rig.dialogs.current().text, "Enter the level number (1-50)");
            EXPECT_EQ(rig.dialogs.current().title, "Level selection");
            rig.answer(answer);
        }
        EXPECT_FALSE(rig.dialogs.isOpen());
        EXPECT_EQ(rig.dialogs.opened.size(), c.answers.size());
        if (c.started) {
            EXPECT_EQ(rig.levels.requested, std::vector<int>{*c.started});
            EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL : " + std::to_string(*c.started));
            EXPECT_TRUE(rig.inSpiral());
            EXPECT_FALSE(rig.controls.bannerTimer.enabled);
        } else {
            EXPECT_TRUE(rig.levels.requested.empty());
            EXPECT_TRUE(rig.controls.bannerTimer.enabled);
        }
    }
}

// What counts as a number in New game's answer: decimals in fixed notation, read the same in every locale.
TEST(NewGame, AnAnswerIsANumberOnlyInPlainDecimals)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"7.9", 7.9},   {"+3", 3.0},     {" 12 ", 12.0},        {"1.", 1.0},   {".5", 0.5},
        {"-2", -2.0},   {"-.25", -0.25}, {"007", 7.0},          {"0", 0.0},    {"1.2.3", std::nullopt},
        {"-", std::nullopt}, {".", std::nullopt}, {"1-", std::nullopt}, {"--1", std::nullopt},
        {"+-1", -1.0}, {"1e5", std::nullopt}, {"abc", std::nullopt}, {"1 2", std::nullopt},
        {"", std::nullopt}, {"+", std::nullopt},
    };
    for (const auto& [answer, value] : cases)
        EXPECT_EQ(numericAnswer(answer), value) << '"' << answer << '"';
    EXPECT_EQ(numericAnswer("1" + std::string(400, '0')), std::nullopt);  // beyond a double
}

TEST(NewGame, AMissingOrDamagedLevelIsReportedThenTheGameGoesIdle)
{
    struct Case {
        const char* answer;
        std::optional<LevelError> damage;
        std::vector<std::string> words;  // what the message must say
    };
    const Case cases[] = {
        {"0.5", std::nullopt, {"Level file not found !"}},  // selects level 0
        {"9", std::nullopt, {"Level file not found !"}},
        {"9", LevelError{LevelError::Kind::out_of_range, 12, plainText("300 does not fit")}, {"Maps/maze9.txt is damaged", "line 12"}},
        // A file the player may not read is not called damaged.
        {"9", LevelError{LevelError::Kind::unreadable, 0, plainText("it cannot be opened: Permission denied")},
         {"Maps/maze9.txt cannot be read:\nit cannot be opened: Permission denied."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        WindowModelRig rig;
        ASSERT_TRUE(rig.play(3, drawn_room));
        if (c.damage)
            rig.levels.damage(9, *c.damage);
        rig.sound.log.clear();
        rig.newGame(c.answer);
        ASSERT_TRUE(rig.dialogs.isOpen());
        EXPECT_EQ(rig.dialogs.current().kind, Kind::message);
        for (const std::string& word : c.words)
            EXPECT_NE(rig.dialogs.current().text.find(word), std::string::npos) << rig.dialogs.current().text;
        if (!c.damage) {
            EXPECT_EQ(rig.dialogs.current().text, "Level file not found !");
        }
        EXPECT_TRUE(rig.sound.log.empty());  // the music stops once the box is closed
        rig.answer("");
        EXPECT_EQ(rig.sound.log, (std::vector<std::string>{"stop", "rewind"}));
        EXPECT_FALSE(rig.engine.playing());
        EXPECT_FALSE(rig.controls.endGameItem.enabled || rig.controls.restartLevelItem.enabled);
        EXPECT_FALSE(rig.controls.pausedLabel.visible);
        EXPECT_TRUE(rig.controls.bannerTimer.enabled);
        const std::string idle = summary(rig);
        rig.run(3000);
        EXPECT_EQ(summary(rig), idle);
        EXPECT_EQ(rig.dialogs.opened.size(), 3u);  // two input boxes (the level in play's and this one), one message
    }
}

TEST(Confirmation, NoChangesNothingMusicIncluded)
{
    struct Case {
        Command command;
        const char* title;
        bool after_a_win;
    };
    const Case cases[] = {
        {Command::endGameItem, "Exit current game", false},
        {Command::restartLevelItem, "Restart level ", false},
        {Command::exitItem, "Exit Kelvaro", false},
        {Command::abortButton, "Exit current game", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        WindowModelRig rig;
        ASSERT_TRUE(rig.play(3, c.after_a_win ? drawn_won_at_once : drawn_room));
        const std::string before = summary(rig);
        const std::size_t sounds = rig.sound.log.size();
        rig.click(c.command);
        ASSERT_TRUE(rig.dialogs.isOpen());
        EXPECT_EQ(rig.dialogs.current().kind, Kind::confirm);
        EXPECT_EQ(rig.dialogs.current().text, "Are you sure?");
        EXPECT_EQ(rig.dialogs.current().title, c.title);
        rig.answer("no");
        EXPECT_EQ(summary(rig), before);
        EXPECT_EQ(rig.sound.log.size(), sounds);
        EXPECT_EQ(rig.quits, 0);
    }
}

TEST(Confirmation, YesToEndGameOrAbortGoesIdleAndToExitQuits)
{
    for (const bool abort : {false, true}) {
        WindowModelRig rig;
        ASSERT_TRUE(rig.play(3, abort ? drawn_won_at_once : drawn_room));
        rig.click(abort ? Command::abortButton : Command::endGameItem);
        rig.answer("yes");
        const Controls& k = rig.controls;
        EXPECT_EQ(rig.sound.log.back(), "rewind");
        EXPECT_EQ(rig.sound.log[rig.sound.log.size() - 2], "stop");
        EXPECT_EQ(english(k.levelLabel.caption), "LEVEL :");
        EXPECT_EQ(english(k.timeLabel.caption), "TIME :");
        EXPECT_TRUE(k.bannerLabel.visible && k.bannerTimer.enabled);
        EXPECT_FALSE(k.winnerLabel.visible || k.nextButton.visible || k.abortButton.visible || k.countdownTimer.enabled);
        EXPECT_FALSE(rig.engine.playing());
    }
    WindowModelRig rig;
    rig.click(Command::exitItem);
    rig.answer("yes");
    EXPECT_EQ(rig.quits, 1);
    EXPECT_EQ(rig.exit_status, 0);
}

TEST(StartUp, ASoundThatCannotBeLoadedIsReportedThenTheGameEndsWithAFailure)
{
    WindowModelRig rig;
    rig.sound_failure = "The sound file \"win.wav\" could not be loaded from /games:\nthe file is missing.";
    rig.model.start();
    ASSERT_TRUE(rig.dialogs.isOpen());
    EXPECT_EQ(rig.dialogs.current().text, *rig.sound_failure);
    EXPECT_EQ(rig.quits, 0);  // not before the player has read the message
    rig.answer("");
    EXPECT_EQ(rig.quits, 1);
    EXPECT_EQ(rig.exit_status, 1);
}

// Level 1 is 16 x 16: its start effect has seven rings; a command given in the first
// is handled when that ring ends, 520 ms after the start.
TEST(DuringTheSpiral, AStartOrAStopEndsTheOldRunForGood)
{
    struct Case {
        Command command;
        const char* answer;
        int runs_finishing;  // start effects that reach their wait and music
    };
    const Case cases[] = {{Command::endGameItem, "yes", 0}, {Command::newGameItem, "2", 1}, {Command::restartLevelItem, "yes", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        WindowModelRig rig;
        rig.levels.add(1, framedLevel(15, 15));
        rig.levels.add(2, framedLevel(4, 3));
        rig.newGame("1");
        rig.run(100);
        rig.click(c.command);
        rig.run(419);
        EXPECT_FALSE(rig.dialogs.isOpen());
        rig.run(1);
        ASSERT_TRUE(rig.dialogs.isOpen());
        EXPECT_EQ(rig.engine.spiralTiles(), 52);
        rig.answer(c.answer);
        rig.run(5000);
        EXPECT_EQ(rig.sound.count("sfyrixtra"), c.runs_finishing);
        EXPECT_EQ(rig.sound.count("music"), c.runs_finishing);
        EXPECT_EQ(rig.controls.countdownTimer.enabled, c.runs_finishing == 1);
        if (c.runs_finishing == 0) {
            EXPECT_EQ(rig.engine.spiralTiles(), 52);
            EXPECT_EQ(cellColour(rig.controls.windowSurface, 7, 7), black);
        } else {
            EXPECT_EQ(rig.engine.phase(), Engine::Phase::playing);
        }
    }
}

TEST(DuringTheSpiral, EventsWaitForTheRingsEndThenAllAreHandled)
{
    WindowModelRig rig;
    rig.levels.add(1, framedLevel(15, 15));
    rig.newGame("1");
    rig.run(100);
    rig.press('x');
    rig.press('P');
    rig.run(419);
    EXPECT_EQ(rig.engine.paused(), 0);
    EXPECT_FALSE(rig.controls.countdownTimer.enabled);
    rig.run(1);
    EXPECT_EQ(rig.engine.paused(), 1);
    EXPECT_TRUE(rig.controls.pausedLabel.visible);
    EXPECT_FALSE(rig.controls.countdownTimer.enabled);  // x enabled it, P disabled it again

    rig.click(Command::helpItem);  // in ring 2, which ends at 960 ms
    rig.run(439);
    EXPECT_FALSE(rig.dialogs.isOpen());
    rig.run(1);
    ASSERT_TRUE(rig.dialogs.isOpen());
    rig.answer("");

    rig.run(1050);  // the last tile is out at 1950 ms; the wait ends at 2660 ms
    EXPECT_EQ(rig.engine.phase(), Engine::Phase::spiral_wait);
    rig.press('p');
    rig.run(649);
    EXPECT_EQ(rig.engine.paused(), 1);
    rig.run(1);
    EXPECT_EQ(rig.engine.phase(), Engine::Phase::playing);
    EXPECT_EQ(rig.engine.paused(), 0);
    EXPECT_FALSE(rig.controls.pausedLabel.visible);
}

TEST(DuringTheSpiral, PausingErasesTheTilesButTheRingsGoOnAndTheCountdownRuns)
{
    WindowModelRig rig;
    rig.levels.add(1, framedLevel(15, 15));
    rig.newGame("1");
    rig.press('P');
    rig.run(520);
    EXPECT_EQ(cellColour(rig.controls.windowSurface, 1, 1), black);
    EXPECT_TRUE(rig.controls.pausedLabel.visible);
    rig.run(1440);
    EXPECT_EQ(rig.engine.spiralTiles(), 196);
    EXPECT_EQ(cellColour(rig.controls.windowSurface, 2, 2), colour::ready);
    EXPECT_EQ(cellColour(rig.controls.windowSurface, 1, 1), black);
    rig.run(700);
    EXPECT_TRUE(rig.controls.countdownTimer.enabled);
    rig.run(3000);
    EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 72");
    EXPECT_EQ(rig.engine.paused(), 1);
    EXPECT_TRUE(rig.controls.pausedLabel.visible);
}

TEST(DuringTheSpiral, ACountdownStartedByAKeyThatRunsOutStaysStoppedAfterTheLoss)
{
    WindowModelRig rig;
    rig.levels.add(1, framedLevel(15, 15, 1));
    rig.newGame("1");
    rig.press('x');  // at the first ring's end, 520 ms: the countdown starts
    rig.run(1600);   // its tick at a later ring's end runs the time out
    EXPECT_TRUE(rig.engine.timeup());
    EXPECT_FALSE(rig.controls.countdownTimer.enabled);
    rig.run(1060);  // the start effect ends, the play loop finds the time up
    EXPECT_TRUE(rig.controls.gameOverLabel.visible);
    EXPECT_FALSE(rig.controls.countdownTimer.enabled);
    rig.run(3000);
    EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 0");
}

TEST(Next, StartsTheFollowingLevelButNotBeyondFifty)
{
    for (const int level : {49, 50}) {
        WindowModelRig rig;
        rig.levels.add(50, levelFrom(drawn_room));
        ASSERT_TRUE(rig.play(level, drawn_won_at_once));
        EXPECT_EQ(rig.controls.focus, Focus::nextButton);
        const std::string won = summary(rig);
        rig.click(Command::nextButton);
        if (level == 50) {
            EXPECT_EQ(summary(rig), won);
            EXPECT_EQ(rig.levels.requested.size(), 1u);
        } else {
            EXPECT_EQ(rig.levels.requested.back(), 50);
            EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL : 50");
            EXPECT_FALSE(rig.controls.nextButton.visible || rig.controls.abortButton.visible);
            EXPECT_TRUE(rig.inSpiral());
        }
    }
}

TEST(RestartLevel, DuringAWalkTheBoxHoldsTheStepsNotTheClockAndYesStartsAfresh)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room));
    rig.keys.hold({Key::right});
    rig.run(100);  // the step and three frames
    ASSERT_EQ(rig.engine.animationCounter(), 6);
    rig.click(Command::restartLevelItem);
    EXPECT_EQ(rig.engine.paused(), 0);
    rig.run(1500);
    EXPECT_EQ(rig.engine.animationCounter(), 6);
    EXPECT_EQ(rig.engine.playerx(), 2);
    EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 74");
    rig.answer("yes");
    ASSERT_TRUE(rig.toPlay());
    rig.keys.releaseAll();
    EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 75");
    rig.run(1000);
    EXPECT_EQ(rig.engine.playerx(), 2);
    EXPECT_EQ(rig.engine.playery(), 2);
}

TEST(HelpAboutAndNewGame, PauseAPlayedLevelUntilPButNotAFinishedOne)
{
    const std::pair<Command, Kind> cases[] = {
        {Command::helpItem, Kind::help}, {Command::aboutItem, Kind::about}, {Command::newGameItem, Kind::input}};
    for (const auto& [command, kind] : cases) {
        SCOPED_TRACE(static_cast<int>(kind));
        WindowModelRig rig;
        ASSERT_TRUE(rig.play(3, drawn_room));
        rig.click(command);
        ASSERT_TRUE(rig.dialogs.isOpen());
        EXPECT_EQ(rig.dialogs.current().kind, kind);
        EXPECT_EQ(rig.engine.paused(), 1);
        EXPECT_TRUE(rig.controls.pausedLabel.visible);
        EXPECT_FALSE(rig.controls.countdownTimer.enabled);
        EXPECT_EQ(cellColour(rig.controls.windowSurface, 3, 2), black);
        rig.answer("");
        rig.run(2000);
        EXPECT_EQ(rig.engine.paused(), 1);
        EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 75");
        rig.press('P');
        EXPECT_EQ(rig.engine.paused(), 0);
        EXPECT_TRUE(rig.controls.countdownTimer.enabled);

        WindowModelRig finished;
        ASSERT_TRUE(finished.play(3, drawn_won_at_once));
        const std::string won = summary(finished);
        finished.click(command);
        finished.answer("");
        EXPECT_EQ(summary(finished), won);
    }
}

} // namespace
} // namespace kelvaro
