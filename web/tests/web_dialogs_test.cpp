// SPDX-License-Identifier: GPL-3.0-or-later
// The page's boxes answer the callback they were opened with, once, and then let the shell go on.
#include "web/web_dialogs.h"
#include "web/tests/fake_page.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(WebDialogs, EachBoxAnswersItsOwnCallbackOnce)
{
    FakePage page;
    Images images;
    WebDialogs dialogs(page, images);
    int closes = 0;
    dialogs.after_close = [&] { ++closes; };
    std::vector<std::string> answers;
    dialogs.confirm(plainText("Sure?"), plainText("End game"), [&](bool yes) { answers.push_back(yes ? "yes" : "no"); });
    dialogs.inputBox(plainText("Level?"), plainText("Level selection"),
                     [&](const std::string& text) { answers.push_back("typed " + text); });
    EXPECT_EQ(page.take(), (std::vector<std::string>{"box 1 1 End game: Sure?", "box 2 2 Level selection: Level?"}));

    dialogs.answer(2, true, "12");
    dialogs.answer(2, true, "13");  // already closed
    dialogs.answer(7, true, "");    // never opened
    dialogs.answer(1, false, "");
    EXPECT_EQ(answers, (std::vector<std::string>{"typed 12", "no"}));
    EXPECT_EQ(closes, 2);
}

TEST(WebDialogs, AMessageHasTheProgramsTitle)
{
    FakePage page;
    Images images;
    WebDialogs dialogs(page, images);
    bool done = false;
    dialogs.message(plainText("Level 3 is missing"), [&] { done = true; });
    EXPECT_EQ(page.take(), (std::vector<std::string>{"box 1 0 Kelvaro: Level 3 is missing"}));
    dialogs.answer(1, true, "");
    EXPECT_TRUE(done);
}

} // namespace
} // namespace kelvaro

namespace kelvaro {
namespace {

// Help and About are the core's texts, a line of the page's box each, the title the core's too.
TEST(WebDialogs, HelpAndAboutShowTheCoresLinesUnderTheirTitles)
{
    FakePage page;
    Images images;
    WebDialogs dialogs(page, images);
    int done = 0;
    dialogs.showHelp([&] { ++done; });
    dialogs.showAbout([&] { done += 10; });
    EXPECT_EQ(page.take(),
              (std::vector<std::string>{"box 1 3 HELP: \n  This is simple:\n  Move Kelvaro using the arrow keys.\n"
                                        "  Use the Ctrl key to push the obstacles.\n  If you move the ball on the 'goal' point\n"
                                        "  before time expires,you win!",
                                        "box 2 4 About Kelvaro: Kelvaro 1.0 - a push puzzle for the desktop\n"
                                        "Game, levels and editor: the Kelvaro team\nPictures and sounds made by our own tools\n"
                                        "Free to play, share and change"}));
    dialogs.answer(2, true, "");
    dialogs.answer(1, true, "");
    EXPECT_EQ(done, 11);
}

RecordsShown someRecords()
{
    using namespace std::chrono;
    return {{{1, true, 42, 17, 15, false}, {2, false, 0, 0, std::nullopt, false}, {3, false, 0, 0, std::nullopt, true}},
            {3, 1, 2},
            {{year_month_day{year(2026), month(12), day(8)}, {true, 40, 31}}}};
}

// The desktop window's tabs, headings and cells, and the daily tally worded in plural forms.
TEST(WebDialogs, RecordsAreTheDesktopsTableAndRefreshWhileOpen)
{
    FakePage page;
    Images images;
    WebDialogs dialogs(page, images);
    bool closed = false;
    RecordsShown shown = someRecords();
    dialogs.showRecords(shown, [&] { closed = true; });
    EXPECT_EQ(page.take(), std::vector<std::string>{"records 1"});
    const RecordsView& view = page.records;
    EXPECT_EQ(view.title, "Records");
    EXPECT_EQ(view.levels_tab, "Levels");
    EXPECT_EQ(view.levels, (PageTable{{"Level", "Solved", "Best time left", "Fewest actions", "Par"},
                                      {{"1", "yes", "42", "17", "15"}, {"2", "no", "", "", "..."}, {"3", "no", "", "", "?"}}}));
    EXPECT_EQ(view.daily_tab, "Daily puzzles");
    EXPECT_EQ(view.tally, "3 days solved\nCurrent run: 1 day\nLongest run: 2 days");
    EXPECT_EQ(view.days, (PageTable{{"Day", "Best time left", "Fewest actions"}, {{"2026-12-08", "40", "31"}}}));

    shown.rows[1].par = 9;  // a par arrives while the window is open
    dialogs.updateRecords(shown);
    EXPECT_EQ(page.take(), std::vector<std::string>{"records 1"});
    EXPECT_EQ(page.records.levels.rows[1].back(), "9");

    dialogs.answer(1, true, "");
    EXPECT_TRUE(closed);
    dialogs.updateRecords(shown);  // closed: nothing to refresh
    EXPECT_TRUE(page.take().empty());
}

} // namespace
} // namespace kelvaro

namespace kelvaro {
namespace {

// The keys box keeps its choice until OK, refuses a key chosen twice with the core's words,
// and answers the keys chosen only on OK.
TEST(WebDialogs, TheKeysBoxRefusesAKeyChosenTwiceAndAnswersOnOk)
{
    FakePage page;
    Images images;
    WebDialogs dialogs(page, images);
    std::vector<std::optional<PlayerKeys>> answers;
    const PlayerKeys start;
    dialogs.chooseKeys(start, [&](std::optional<PlayerKeys> keys) { answers.push_back(keys); });
    EXPECT_EQ(page.take(), (std::vector<std::string>{"keys 1"}));
    EXPECT_EQ(page.keys.actions.front(), "Walk left");
    EXPECT_EQ(page.keys.keys[6], (KeyBindings::Names{"Backspace", "U"}));

    dialogs.keysReady(1);                // WASD
    dialogs.keysChoose(8, 1, "D");       // D for a hint too
    dialogs.keysChoose(0, 0, "Escape");  // no key's name: nothing
    dialogs.keysOk();
    EXPECT_EQ(page.take(), (std::vector<std::string>{"keys 1", "keys 1",
                                                     "keys 1: The key D is chosen for both Walk right and Hint."}));
    EXPECT_TRUE(answers.empty());
    dialogs.keysClear(8);
    dialogs.keysOk();
    EXPECT_EQ(page.keys.refusal, "Choose a key for Hint.");
    dialogs.keysChoose(8, 1, "G");  // the second slot of an empty action is its first key
    dialogs.keysChoose(8, 0, "G");
    EXPECT_EQ(page.keys.keys[8], (KeyBindings::Names{"G"}));
    EXPECT_EQ(page.keys.refusal, "");
    page.take();
    dialogs.keysOk();
    EXPECT_EQ(page.take(), (std::vector<std::string>{"close 1"}));
    PlayerKeys chosen{KeyBindings::wasd(), KeyBindings::padDefaults()};
    chosen.keyboard.set(KeyAction::hint, {"G"});
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], chosen);
    dialogs.keysOk();  // closed: nothing more
    dialogs.keysReady(0);

    dialogs.chooseKeys(start, [&](std::optional<PlayerKeys> keys) { answers.push_back(keys); });
    dialogs.keysReady(2);
    dialogs.answer(2, false, "");  // Cancel
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_FALSE(answers[1]);
}

} // namespace
} // namespace kelvaro
