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
    WebDialogs dialogs(page);
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

TEST(WebDialogs, AMessageHasTheProgramsTitleAndRecordsListEveryLevel)
{
    FakePage page;
    WebDialogs dialogs(page);
    bool done = false;
    dialogs.message(plainText("Level 3 is missing"), [&] { done = true; });
    RecordsShown shown;
    shown.rows = {{1, true, 42, 17, 15, false}, {2, false, 0, 0, std::nullopt, false}};
    dialogs.showRecords(shown, [] {});
    EXPECT_EQ(page.take(), (std::vector<std::string>{"box 1 0 Kelvaro: Level 3 is missing",
                                                     "box 2 5 Records: 1: 42 s left, 17 moves (par 15)\n2: -\n"}));
    dialogs.answer(1, true, "");
    EXPECT_TRUE(done);
}

} // namespace
} // namespace kelvaro
