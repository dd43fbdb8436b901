// SPDX-License-Identifier: GPL-3.0-or-later
// Generated and daily puzzles in the window: codes typed or refused, the forge cancelled or failing, wins reported and kept.
#include "game/records/tests/records_files.h"
#include "game/play/tests/window_model_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Kind = FakeDialogs::Kind;
using forge::Grade;
using forge::LevelCode;

const std::vector<std::string> puzzle_room = {"##########", "##########", "##@..o..##", "##*....G##",
                                              "##########", "##########"};

forge::ForgeOutcome forged(LevelCode code, const std::vector<std::string>& rows = puzzle_room)
{
    return {forge::GradedLevel{code, levelFrom(rows, 40), {}, {}}};
}

struct PuzzleRig : WindowModelRig {
    // Game > Generated puzzle…, the box answered with `grade` and `code`; the forge is left asking.
    void ask(Grade grade, const std::string& code)
    {
        dialogs.puzzle = {grade, code};
        click(Command::generatedItem);
        answer("ok");
    }
    // A puzzle forged for `code` as asked, run to its play loop.
    bool playPuzzle(LevelCode code, const std::vector<std::string>& rows = puzzle_room)
    {
        ask(Grade::easy, forge::codeText(code));
        forge.answer(forged(code, rows));
        model.advance();
        return toPlay();
    }
    std::vector<std::string> played() const { return drawing(engine); }
};

TEST(GeneratedPuzzle, ATypedCodeWinsOverTheGradeAndRestartReplaysItWithoutForging)
{
    PuzzleRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room));
    rig.ask(Grade::hard, " m42 ");
    ASSERT_EQ(rig.forge.requests.size(), 1u);
    EXPECT_EQ(std::get<LevelCode>(rig.forge.requests[0]), (LevelCode{Grade::medium, 42}));
    EXPECT_EQ(rig.dialogs.current().kind, Kind::progress);
    EXPECT_EQ(rig.dialogs.current().title, "Generated puzzle");
    EXPECT_TRUE(rig.engine.suspended());  // the run waits while the forge works
    rig.forge.report(0.25);
    EXPECT_EQ(rig.dialogs.progress, std::vector<double>{0.25});

    rig.forge.answer(forged({Grade::medium, 42}));
    EXPECT_FALSE(rig.dialogs.isOpen());
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.played(), puzzle_room);
    EXPECT_EQ(rig.model.codeInPlay(), "M-00042");
    EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL :");
    EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 40");
    EXPECT_EQ(rig.dialogs.offered_grade, Grade::medium);  // the first offer

    // Restart plays the same puzzle again, read neither from a file nor forged anew.
    rig.keys.hold({Key::right});
    rig.run(300);
    rig.keys.release(Key::right);
    rig.run(300);
    EXPECT_NE(rig.played(), puzzle_room);
    const std::vector<int> files_read = rig.levels.requested;
    rig.click(Command::restartLevelItem);
    rig.answer("yes");
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.played(), puzzle_room);
    EXPECT_EQ(rig.levels.requested, files_read);
    EXPECT_EQ(rig.forge.requests.size(), 1u);
    EXPECT_EQ(rig.model.codeInPlay(), "M-00042");

    // Without a code, a fresh seed of the grade chosen, which the box offers next time.
    rig.ask(Grade::expert, "   ");
    ASSERT_EQ(rig.forge.requests.size(), 2u);
    EXPECT_EQ(std::get<LevelCode>(rig.forge.requests[1]).grade, Grade::expert);
    rig.forge.answer(forged({Grade::expert, 7}));
    ASSERT_TRUE(rig.toPlay());
    rig.click(Command::generatedItem);
    EXPECT_EQ(rig.dialogs.offered_grade, Grade::expert);
    rig.answer("");

    // New game goes back to the numbered levels.
    rig.newGame("3");
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.played(), drawn_room);
    EXPECT_EQ(rig.model.codeInPlay(), std::nullopt);
    EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL : 3");
}

TEST(GeneratedPuzzle, ABadCodeIsRefusedInASentenceAndTheBoxAsksAgain)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Q-12", "The code \"Q-12\" does not start with a grade letter: E, M, H or X."},
        {"H-", "The code \"H-\" has no number after its grade letter."},
        {"M-12a", "The code \"M-12a\" must end in a number, as in M-00042."},
        {"X-100000", "The code \"X-100000\" has a number above 99999."},
    };
    for (const auto& [code, sentence] : cases) {
        SCOPED_TRACE(code);
        PuzzleRig rig;
        rig.ask(Grade::medium, code);
        EXPECT_TRUE(rig.forge.requests.empty());
        ASSERT_EQ(rig.dialogs.current().kind, Kind::message);
        EXPECT_EQ(rig.dialogs.current().text, sentence);
        rig.answer("");
        EXPECT_EQ(rig.dialogs.current().kind, Kind::puzzle);
        EXPECT_EQ(rig.dialogs.offered_grade, Grade::medium);
        rig.answer("");
        EXPECT_FALSE(rig.dialogs.isOpen());
        EXPECT_FALSE(rig.engine.suspended());
    }
}

// Cancel and a forge that finds nothing both leave the level that was in play as it was.
TEST(GeneratedPuzzle, CancelOrNoLevelFoundLeavesThePlayfieldAsItWas)
{
    for (const bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "cancel" : "no level found");
        PuzzleRig rig;
        ASSERT_TRUE(rig.playPuzzle({Grade::easy, 5}));
        rig.run(1000);
        rig.press('p');
        // What shows, less the count of drawings: opening a box clears the paused window again.
        const auto shown = [&rig] { return summary(rig).substr(0, summary(rig).find(" | frame")); };
        const std::string before = shown();
        rig.ask(Grade::easy, "E-6");
        if (cancel) {
            rig.answer("");
            EXPECT_EQ(rig.forge.cancels, 1);
            EXPECT_FALSE(rig.forge.pending());
            EXPECT_FALSE(rig.dialogs.isOpen());
        } else {
            rig.forge.answer({forge::ForgeFailure::no_level_found});
            EXPECT_EQ(rig.dialogs.current().text, "No level found, try another code.");
            rig.answer("");
        }
        EXPECT_FALSE(rig.engine.suspended());
        EXPECT_EQ(shown(), before);
        EXPECT_EQ(rig.model.codeInPlay(), "E-00005");
    }
}

TEST(DailyPuzzle, TodaysPuzzleIsPlayedAndItsWinReportedWithItsDay)
{
    PuzzleRig rig;
    rig.click(Command::dailyItem);
    ASSERT_EQ(rig.forge.requests.size(), 1u);
    EXPECT_EQ(std::get<std::chrono::year_month_day>(rig.forge.requests[0]), rig.today);
    EXPECT_EQ(rig.dialogs.current().title, "Daily puzzle");
    const LevelCode daily = forge::dailyCode(rig.today);
    rig.forge.answer(forged(daily, drawn_won_at_once));
    ASSERT_TRUE(rig.toPlay());
    rig.run(100);
    EXPECT_TRUE(rig.controls.winnerLabel.visible);
    EXPECT_EQ(rig.model.codeInPlay(), forge::codeText(daily));
    const auto daysShown = [&rig] {
        rig.click(Command::recordsItem);
        return rig.dialogs.records.days;
    };
    const std::vector<std::pair<std::chrono::year_month_day, PlayerRecord>> kept{{rig.today, {true, 40, 0}}};
    EXPECT_EQ(daysShown(), kept);
    EXPECT_EQ(rig.dialogs.records.daily, (DailyTally{1, 1, 1}));

    // Next forges the code after the day's, as a generated puzzle: its win is no daily one.
    rig.click(Command::nextButton);
    ASSERT_EQ(rig.forge.requests.size(), 2u);
    const LevelCode next{Grade::hard, daily.seed + 1};
    EXPECT_EQ(std::get<LevelCode>(rig.forge.requests[1]), next);
    rig.forge.answer(forged(next, drawn_won_at_once));
    ASSERT_TRUE(rig.toPlay());
    rig.run(100);
    EXPECT_TRUE(rig.controls.winnerLabel.visible);
    EXPECT_EQ(daysShown(), kept);
}

TEST(KeepLevel, KeepsEachWonPuzzleOnceInTheGeneratedSetWithItsCode)
{
    PuzzleRig rig;
    std::filesystem::remove_all(rig.level_home);
    struct Removed {
        std::filesystem::path home;
        ~Removed() { std::filesystem::remove_all(home); }
    } removed{rig.level_home};

    ASSERT_TRUE(rig.playPuzzle({Grade::medium, 42}));
    EXPECT_FALSE(rig.model.canKeep());
    rig.click(Command::keepLevelItem);  // not yet won: the item is off
    EXPECT_FALSE(rig.dialogs.isOpen());

    ASSERT_TRUE(rig.playPuzzle({Grade::medium, 42}, drawn_won_at_once));
    rig.run(100);
    ASSERT_TRUE(rig.model.canKeep());
    const std::filesystem::path set = rig.level_home / "Generated";
    rig.click(Command::keepLevelItem);
    EXPECT_EQ(rig.dialogs.current().text, "The level M-00042 is kept as " + (set / "maze1.txt").string() + ".");
    rig.answer("");
    EXPECT_EQ(slurp(set / "maze1.txt"), forge::levelFileBytes(levelFrom(drawn_won_at_once, 40)));
    EXPECT_EQ(slurp(set / "set.txt"), "title: Generated\nnotes: maze1: M-00042\n");

    rig.click(Command::keepLevelItem);
    EXPECT_EQ(rig.dialogs.current().text, "The level M-00042 is already kept as " + (set / "maze1.txt").string() + ".");
    rig.answer("");

    // The next kept puzzle takes the next number; the set reads as any other.
    ASSERT_TRUE(rig.playPuzzle({Grade::hard, 7}, drawn_won_at_once));
    rig.run(100);
    rig.click(Command::keepLevelItem);
    rig.answer("");
    EXPECT_EQ(slurp(set / "set.txt"), "title: Generated\nnotes: maze1: M-00042, maze2: H-00007\n");
    const LevelSet kept = readLevelSet(set);
    EXPECT_EQ(kept.title, "Generated");
    EXPECT_EQ(kept.highest(), 2);

    // A level home that cannot be made is said with its path and reason.
    std::filesystem::remove_all(rig.level_home);
    spit(rig.level_home, "a file where the folder should be");
    rig.click(Command::keepLevelItem);
    EXPECT_EQ(rig.dialogs.current().text.rfind("The level H-00007 could not be kept in " + set.string() + ":\n", 0), 0u)
        << rig.dialogs.current().text;
    rig.answer("");
    EXPECT_TRUE(rig.model.canKeep());  // nothing lost: it can be kept once the folder is mended
}

} // namespace
} // namespace kelvaro
