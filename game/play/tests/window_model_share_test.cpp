// SPDX-License-Identifier: GPL-3.0-or-later
// The line a player shares after a daily puzzle won: worded exactly, and offered only until another level starts.
#include "game/play/share_line.h"
#include "game/play/tests/window_model_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using namespace std::chrono;

TEST(ShareLine, WordsTheDayCodeAndFiguresWithoutTheMoves)
{
    const year_month_day day{year(2026), month(12), std::chrono::day(8)};
    EXPECT_EQ(english(shareLine({day, "H-02053", 10, 57, 50, 3})),
              "Kelvaro daily 2026-12-08 (H-02053): solved, 10 s left, 57 actions (par 50) · 3-day run");
    // A par the solver could not tell is left out, so is a run of a single day.
    EXPECT_EQ(english(shareLine({day, "M-00007", 0, 1, std::nullopt, 1})),
              "Kelvaro daily 2026-12-08 (M-00007): solved, 0 s left, 1 action");
    EXPECT_EQ(english(shareLine({year_month_day{year(2027), month(1), std::chrono::day(31)}, "E-00042", 125, 12, 1, 2})),
              "Kelvaro daily 2027-01-31 (E-00042): solved, 125 s left, 12 actions (par 1) · 2-day run");
    EXPECT_EQ(english(shareLine({day, "X-99999", 3, 40, 40, 0})),
              "Kelvaro daily 2026-12-08 (X-99999): solved, 3 s left, 40 actions (par 40)");
}

// The figures are the win's: the time left, the moves that led to it, the forge's shortest
// solution as par, and the run the records count with this day in.
TEST(ShareLine, ADailyWinOffersItsLineUntilAnotherLevelStarts)
{
    WindowModelRig rig;
    EXPECT_FALSE(rig.model.dailyWin());
    rig.click(Command::dailyItem);
    const forge::LevelCode code = forge::dailyCode(rig.today);
    forge::GradedLevel graded{code, levelFrom(drawn_won_at_once, 40), {}, {}};
    graded.solution.verdict = Verdict::solvable;
    graded.solution.shortest = true;
    graded.solution.moves.assign(3, Action{false, 1});
    rig.forge.answer({graded});
    ASSERT_TRUE(rig.toPlay());
    rig.run(100);
    ASSERT_TRUE(rig.controls.winnerLabel.visible);
    EXPECT_EQ(rig.model.dailyWin(), (DailyWin{rig.today, forge::codeText(code), 40, 0, 3, 1}));

    // Next plays the code after the day's: a generated puzzle, whose win is no daily one.
    rig.click(Command::nextButton);
    rig.forge.answer({forge::GradedLevel{{code.grade, code.seed + 1}, levelFrom(drawn_won_at_once, 40), {}, {}}});
    ASSERT_TRUE(rig.toPlay());
    EXPECT_FALSE(rig.model.dailyWin());
    rig.run(100);
    ASSERT_TRUE(rig.controls.winnerLabel.visible);
    EXPECT_FALSE(rig.model.dailyWin());
}

} // namespace
} // namespace kelvaro
