// SPDX-License-Identifier: GPL-3.0-or-later
// The generated puzzle's boxes on the page (the grade and code, the forge's progress with Cancel) and what the page
// shows of the puzzle in play: its code in the title, Keep this level, the Share button after a daily win.
#include "web/puzzle_mirror.h"
#include "web/web_dialogs.h"

#include "game/play/tests/window_model_fakes.h"
#include "web/tests/fake_page.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(WebPuzzleBoxes, TheGradeAndCodeBoxAnswersTheGradeChosenAndTheCodeTyped)
{
    FakePage page;
    Images images;
    WebDialogs dialogs(page, images);
    std::vector<std::optional<PuzzleAsk>> asked;
    const auto ask = [&] {
        dialogs.askPuzzle(forge::Grade::hard, [&](std::optional<PuzzleAsk> a) { asked.push_back(a); });
    };
    ask();
    EXPECT_EQ(page.take(), (std::vector<std::string>{"puzzle box 1 Generated puzzle"}));
    EXPECT_EQ(page.puzzle_box.grades, (std::vector<std::string>{"Easy", "Medium", "Hard", "Expert"}));
    EXPECT_EQ(page.puzzle_box.grade, 2);
    EXPECT_EQ(page.puzzle_box.code_label, "Code:");
    EXPECT_EQ(page.puzzle_box.code_hint, "such as M-00042");
    dialogs.answer(1, true, "0 E-00042");
    ask();
    dialogs.answer(2, true, "3 ");  // no code: a fresh puzzle of the grade
    ask();
    dialogs.answer(3, false, "");
    ask();
    dialogs.answer(4, true, "9 M-1");  // no such grade: as good as cancelled
    ASSERT_EQ(asked.size(), 4u);
    ASSERT_TRUE(asked[0] && asked[1]);
    EXPECT_EQ(asked[0]->grade, forge::Grade::easy);
    EXPECT_EQ(asked[0]->code, "E-00042");
    EXPECT_EQ(asked[1]->grade, forge::Grade::expert);
    EXPECT_EQ(asked[1]->code, "");
    EXPECT_FALSE(asked[2]);
    EXPECT_FALSE(asked[3]);
}

TEST(WebPuzzleBoxes, TheProgressBoxMovesWithTheForgeAndOnlyItsCancelCancels)
{
    FakePage page;
    Images images;
    WebDialogs dialogs(page, images);
    int cancels = 0;
    dialogs.showProgress(plainText("Daily puzzle"), [&] { ++cancels; });
    dialogs.setProgress(0.25);
    dialogs.setProgress(0.2501);  // the bar would not move
    dialogs.endProgress();
    dialogs.answer(1, false, "");  // the page's close event after the game closed it
    dialogs.setProgress(0.5);      // none open
    EXPECT_EQ(page.take(), (std::vector<std::string>{"progress 1 Daily puzzle: Making the puzzle… 0%",
                                                     "progress 1 Daily puzzle: Making the puzzle… 25%", "close 1"}));
    EXPECT_EQ(cancels, 0);

    dialogs.showProgress(plainText("Generated puzzle"), [&] { ++cancels; });
    dialogs.answer(2, false, "");
    EXPECT_EQ(cancels, 1);
    dialogs.endProgress();  // cancelled already: nothing to close
    EXPECT_EQ(page.take(), (std::vector<std::string>{"progress 2 Generated puzzle: Making the puzzle… 0%"}));
}

// The title names the code while its puzzle is on the playfield; a daily win offers its line.
TEST(WebPuzzleMirror, TheTitleKeepAndShareFollowThePuzzleInPlay)
{
    WindowModelRig rig;
    FakePage page;
    PuzzleMirror mirror(page);
    mirror.show(rig.model);
    EXPECT_EQ(page.take(), (std::vector<std::string>{"menu keepLevel disabled", "share "}));
    mirror.show(rig.model);
    EXPECT_EQ(page.take(), std::vector<std::string>{});

    const std::vector<std::string> unsolved = {"##########", "##########", "##@..o..##", "##*....G##", "##########",
                                               "##########"};
    rig.click(Command::dailyItem);
    const forge::LevelCode code = forge::dailyCode(rig.today);
    rig.forge.answer({forge::GradedLevel{code, levelFrom(unsolved, 40), {}, {}}});
    ASSERT_TRUE(rig.toPlay());
    mirror.show(rig.model);
    EXPECT_EQ(page.take(), (std::vector<std::string>{"title KELVARO — " + forge::codeText(code)}));
    rig.click(Command::endGameItem);
    rig.answer("yes");
    mirror.show(rig.model);
    EXPECT_EQ(page.take(), (std::vector<std::string>{"title KELVARO"}));

    rig.click(Command::dailyItem);
    rig.forge.answer({forge::GradedLevel{code, levelFrom(drawn_won_at_once, 40), {}, {}}});
    ASSERT_TRUE(rig.toPlay());
    rig.run(100);
    mirror.show(rig.model);
    EXPECT_EQ(page.take(), (std::vector<std::string>{"title KELVARO — " + forge::codeText(code), "menu keepLevel",
                                                     "share Kelvaro daily 2026-03-14 (" + forge::codeText(code) +
                                                         "): solved, 40 s left, 0 actions [Share/Copied]"}));
}

} // namespace
} // namespace kelvaro
