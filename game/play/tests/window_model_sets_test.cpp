// SPDX-License-Identifier: GPL-3.0-or-later
// Level sets in play: the set governs New game's range, Next, Restart and the LEVEL read-out; odd sets are told in words.
#include "game/play/tests/window_model_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Kind = FakeDialogs::Kind;
using Rows = std::vector<std::string>;
const Rows lost_at_once = {"#######", "##@*.G#", "#######"};  // lost when its second runs out

// A set of the given numbers in a folder that need not exist: the rig's levels serve the files.
LevelSet setOf(const std::vector<int>& numbers, const std::string& title = "Mine", const std::string& folder = "/sets/mine")
{
    LevelSet set;
    set.folder = folder;
    set.title = title;
    for (int n : numbers)
        set.levels.push_back({n, set.folder / ("maze" + std::to_string(n) + ".txt")});
    return set;
}

// A rig playing from `set`, every level of it the drawn room.
struct SetRig : WindowModelRig {
    explicit SetRig(const LevelSet& set, const Rows& rows = drawn_room)
    {
        model.setLevelSet(set);
        for (const SetLevel& level : set.levels)
            levels.add(level.number, levelFrom(rows));
    }
};

TEST(SetNewGame, AsksForANumberUpToTheSetsHighestAndAsksAgainOutsideIt)
{
    struct Case {
        std::vector<int> numbers;
        std::vector<std::string> answers;
        std::string prompt;
        std::optional<int> started;
    };
    const Case cases[] = {
        {{1, 2, 3}, {"0", "4", "abc", "3"}, "Enter the level number (1-3)", 3},
        {{1, 2, 3}, {"3.9"}, "Enter the level number (1-3)", 3},
        {{1, 2, 4}, {"5", "4"}, "Enter the level number (1-4)", 4},
        {{1, 999}, {"1000", "999.5"}, "Enter the level number (1-999)", 999},
        {{7}, {"8", ""}, "Enter the level number (1-7)", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prompt);
        SetRig rig(setOf(c.numbers));
        rig.click(Command::newGameItem);
        for (const std::string& answer : c.answers) {
            ASSERT_TRUE(rig.dialogs.isOpen());
            EXPECT_EQ(rig.dialogs.current().text, c.prompt);
            EXPECT_EQ(rig.dialogs.current().title, "Level selection");
            rig.answer(answer);
        }
        EXPECT_FALSE(rig.dialogs.isOpen());
        if (c.started) {
            EXPECT_EQ(rig.levels.requested, std::vector<int>{*c.started});
            EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL : " + std::to_string(*c.started));
            EXPECT_TRUE(rig.inSpiral());
        } else {
            EXPECT_TRUE(rig.levels.requested.empty());
        }
    }
}

TEST(SetNewGame, TheBuiltInSetKeepsFiftyWhateverFilesItHas)
{
    LevelSet builtin = setOf({1, 2}, "Kelvaro", "/games/Maps");
    builtin.builtin = true;
    SetRig rig(builtin);
    rig.click(Command::newGameItem);
    EXPECT_EQ(rig.dialogs.current().text, "Enter the level number (1-50)");
    rig.answer("51");
    EXPECT_EQ(rig.dialogs.current().text, "Enter the level number (1-50)");
    rig.answer("50");  // no such file: reported as the game always did
    EXPECT_EQ(rig.dialogs.current().text, "Level file not found !");
}

TEST(SetNewGame, ANumberInAGapIsAMissingLevelFile)
{
    SetRig rig(setOf({1, 2, 4}));
    rig.newGame("3");
    ASSERT_TRUE(rig.dialogs.isOpen());
    EXPECT_EQ(rig.dialogs.current().text, "Level file not found !");
    rig.answer("");
    EXPECT_FALSE(rig.engine.playing());
    EXPECT_TRUE(rig.controls.bannerTimer.enabled);
}

TEST(SetNewGame, ASetWithoutLevelsSaysSoInsteadOfAsking)
{
    LevelSet unreadable = setOf({}, "Locked");
    unreadable.problem = plainText("You may not read this folder.");
    const std::pair<LevelSet, std::string> cases[] = {
        {setOf({}, "Empty"), "The level set \"Empty\" has no level."},
        {unreadable, "The level set \"Locked\" cannot be read:\nYou may not read this folder."},
    };
    for (const auto& [set, said] : cases) {
        SCOPED_TRACE(said);
        SetRig rig(setOf({1}));
        ASSERT_TRUE(rig.play(1, drawn_room));
        rig.model.setLevelSet(set);
        rig.click(Command::newGameItem);
        ASSERT_TRUE(rig.dialogs.isOpen());
        EXPECT_EQ(rig.dialogs.current().kind, Kind::message);
        EXPECT_EQ(rig.dialogs.current().text, said);
        rig.answer("");
        EXPECT_EQ(rig.engine.paused(), 1);  // as after a cancelled New game
        EXPECT_EQ(rig.levels.requested.size(), 1u);
    }
}

// The folder is read again at New game: levels added meanwhile count, and a folder that
// vanished is said to be gone.
TEST(SetNewGame, TheSetIsReadAgainBeforeAsking)
{
    SetRig rig(setOf({1, 2}));
    rig.reread = [](const LevelSet& set) {
        LevelSet grown = set;
        grown.levels.push_back({12, set.folder / "maze12.txt"});
        return grown;
    };
    rig.click(Command::newGameItem);
    EXPECT_EQ(rig.dialogs.current().text, "Enter the level number (1-12)");
    rig.answer("");

    rig.reread = [](const LevelSet& set) {
        LevelSet gone = set;
        gone.levels.clear();
        gone.problem = plainText("The folder no longer exists.");
        return gone;
    };
    rig.click(Command::newGameItem);
    EXPECT_EQ(rig.dialogs.current().text, "The level set \"Mine\" cannot be read:\nThe folder no longer exists.");
}

TEST(SetNext, SkipsTheGapsAndDoesNothingAfterTheLastLevel)
{
    SetRig rig(setOf({1, 2, 4}), drawn_won_at_once);
    ASSERT_TRUE(rig.play(2, drawn_won_at_once));
    rig.click(Command::nextButton);
    EXPECT_EQ(rig.levels.requested.back(), 4);
    EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL : 4");
    ASSERT_TRUE(rig.toPlay());
    ASSERT_TRUE(rig.controls.winnerLabel.visible);
    const std::string won = summary(rig);
    const std::size_t reads = rig.levels.requested.size();
    rig.click(Command::nextButton);
    EXPECT_EQ(summary(rig), won);
    EXPECT_EQ(rig.levels.requested.size(), reads);
}

TEST(SetNext, TheBuiltInSetCountsOnByOne)
{
    LevelSet builtin = setOf({1, 2, 4}, "Kelvaro", "/games/Maps");
    builtin.builtin = true;
    SetRig rig(builtin, drawn_won_at_once);
    ASSERT_TRUE(rig.play(2, drawn_won_at_once));
    rig.click(Command::nextButton);
    EXPECT_EQ(rig.levels.requested.back(), 3);
    EXPECT_EQ(rig.dialogs.current().text, "Level file not found !");
}

TEST(SetRestart, RestartAndRetryPlayTheSameThreeDigitLevelAgain)
{
    SetRig rig(setOf({5, 120, 998}));
    ASSERT_TRUE(rig.play(120, drawn_room));
    EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL : 120");
    rig.click(Command::restartLevelItem);
    rig.answer("yes");
    EXPECT_EQ(rig.levels.requested.back(), 120);
    EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL : 120");
    ASSERT_TRUE(rig.toPlay());

    ASSERT_TRUE(rig.play(998, lost_at_once, 1));
    rig.run(1500);
    ASSERT_TRUE(rig.controls.retryButton.visible);
    rig.click(Command::retryButton);
    EXPECT_EQ(rig.levels.requested.back(), 998);
    EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL : 998");
}

// ---------------------------------------------------------------- the chooser

TEST(Chooser, ListsTheInstalledSetsThenOpenedFoldersThenTheSetInPlay)
{
    SetRig rig(setOf({1, 2}, "Mine", "/sets/mine"));
    rig.installed = {setOf({1}, "Kelvaro", "/games/Maps"), setOf({1, 2, 3}, "Home", "/home/levels/Home")};
    rig.model.addOpenedFolder("/nowhere/opened");
    rig.model.addOpenedFolder("/nowhere/opened/");  // the same folder again
    rig.model.addOpenedFolder("/home/levels/Home");  // listed already
    rig.click(Command::chooseLevelItem);
    ASSERT_TRUE(rig.dialogs.isOpen());
    ASSERT_EQ(rig.dialogs.current().kind, Kind::chooser);
    const ChooserRequest& request = *rig.dialogs.chooser;
    std::vector<std::string> titles;
    for (const LevelSet& set : request.sets)
        titles.push_back(set.folder.string());
    EXPECT_EQ(titles, (std::vector<std::string>{"/games/Maps", "/home/levels/Home", "/nowhere/opened", "/sets/mine"}));
    EXPECT_TRUE(request.sets[2].problem.has_value());  // read from the disk: it is not there
    EXPECT_EQ(request.current, 3u);
}

TEST(Chooser, AChosenLevelIsPlayedFromItsSetWhichIsRemembered)
{
    SetRig rig(setOf({1}));
    ASSERT_TRUE(rig.play(1, drawn_room));
    const LevelSet other = setOf({1, 2, 30}, "Other", "/sets/other");
    rig.installed = {other};
    rig.levels.add(30, levelFrom(drawn_won_at_once));
    rig.click(Command::chooseLevelItem);
    EXPECT_EQ(rig.engine.paused(), 1);  // the chooser pauses play as New game does
    EXPECT_EQ(rig.dialogs.chooser->level, 1);
    rig.dialogs.choice = LevelChoice{other, 30};
    rig.answer("");
    EXPECT_EQ(rig.levels.requested.back(), 30);
    EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL : 30");
    ASSERT_EQ(rig.remembered.size(), 1u);
    EXPECT_EQ(rig.remembered[0].folder, other.folder);
    EXPECT_EQ(rig.model.playedSet().set().folder, other.folder);
    ASSERT_TRUE(rig.toPlay());
    rig.click(Command::nextButton);  // nothing after 30 in this set
    EXPECT_EQ(rig.levels.requested.back(), 30);
    rig.click(Command::newGameItem);
    EXPECT_EQ(rig.dialogs.current().text, "Enter the level number (1-30)");
}

TEST(Chooser, ClosedWithoutAChoiceLeavesEverythingAsItWas)
{
    SetRig rig(setOf({1}));
    ASSERT_TRUE(rig.play(1, drawn_room));
    rig.click(Command::chooseLevelItem);
    rig.answer("");
    EXPECT_EQ(rig.engine.paused(), 1);
    EXPECT_TRUE(rig.remembered.empty());
    EXPECT_EQ(rig.model.playedSet().set().title, "Mine");
    EXPECT_EQ(rig.levels.requested.size(), 1u);
}

TEST(Chooser, OpenLevelFolderShowsTheChosenFolderFirst)
{
    SetRig rig(setOf({1}));
    rig.installed = {setOf({1}, "Kelvaro", "/games/Maps")};
    rig.click(Command::openFolderItem);
    ASSERT_EQ(rig.dialogs.current().kind, Kind::folder);
    rig.answer("/nowhere/brought");
    ASSERT_EQ(rig.dialogs.current().kind, Kind::chooser);
    const ChooserRequest& request = *rig.dialogs.chooser;
    ASSERT_EQ(request.sets.size(), 3u);
    EXPECT_EQ(request.sets[request.current].folder, "/nowhere/brought");
    rig.answer("");

    rig.click(Command::openFolderItem);
    rig.answer("");  // cancelled: no chooser
    EXPECT_FALSE(rig.dialogs.isOpen());
    rig.click(Command::chooseLevelItem);
    EXPECT_EQ(rig.dialogs.chooser->sets.size(), 3u);  // the opened folder stays listed
    EXPECT_EQ(rig.dialogs.chooser->current, 2u);
}

} // namespace
} // namespace kelvaro
