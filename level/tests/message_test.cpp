// SPDX-License-Identifier: GPL-3.0-or-later
// Messages worded in English: places filled once, nested messages worded in turn, lists and counts.
#include "level/author_level.h"
#include "level/level_error.h"
#include "level/level_phrases.h"
#include "level/message.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kelvaro {
namespace {

TEST(Message, PlacesAreFilledOnceWithValuesAsTheyAre)
{
    EXPECT_EQ(english(phrase("Ctx", "a %1 b %2", {std::string("%2"), 7})), "a %2 b 7");
    EXPECT_EQ(english(phrase("Ctx", "no places: %1")), "no places: %1");
    // A text in no language keeps its percent signs: it has no places to fill.
    EXPECT_EQ(english(plainText("100%1 sure")), "100%1 sure");
}

TEST(Message, ANestedMessageIsWordedInItsPlace)
{
    const LevelError error{LevelError::Kind::not_a_number, 4,
                           levelMessage(level_words::not_whole, {levelMessage(level_words::header_names[0]), std::string("x%1")})};
    EXPECT_EQ(error.describe(), "line 4: the highest column index \"x%1\" is not a whole number");
    const Message line = error.message();
    EXPECT_EQ(line.context, "LevelFile");
    EXPECT_EQ(line.source, level_words::at_line);
    ASSERT_EQ(line.args.size(), 2u);
    EXPECT_EQ(line.args[0].value, "4");
    ASSERT_TRUE(line.args[1].message);
    EXPECT_EQ(line.args[1].message->source, level_words::not_whole);
    EXPECT_EQ(english(LevelError{LevelError::Kind::not_found, 0, levelMessage(level_words::no_file)}.message()),
              "the file does not exist");
}

TEST(Message, AListOfAnyLengthIsJoinedAndEachItemWordedOnItsOwn)
{
    EXPECT_EQ(english(listed({})), "");
    EXPECT_EQ(english(listed({levelMessage(level_words::start)})), "start");
    std::vector<Message> cells;
    std::string expected;
    for (int code = 5; code < 17; ++code) {
        cells.push_back(levelMessage(level_words::cells_of_code, {1, code}));
        expected += (expected.empty() ? "" : ", ") + std::string("1 cell(s) of code ") + std::to_string(code);
    }
    EXPECT_EQ(english(listed(cells)), expected);  // more items than a phrase has places
    EXPECT_EQ(english(listed({plainText("a"), plainText("b")}, "\n")), "a\nb");
}

TEST(Message, ACountedPhraseHasItsEnglishFormForOne)
{
    EXPECT_EQ(english(counted("Ctx", "%n levels in %1", "1 level in %1", 1, {std::string("goal")})), "1 level in goal");
    EXPECT_EQ(english(counted("Ctx", "%n levels in %1", "1 level in %1", 3, {std::string("goal")})), "3 levels in goal");
}

TEST(Message, TheReaderSaysWhatIsWrongWithTheValueItRead)
{
    std::istringstream file("7\n4\ngoal\n");
    const Result<AuthorLevel> read = readAuthorLevel(file);  // the game reads a word as 0
    ASSERT_FALSE(read);
    const Message why = read.error().message();
    EXPECT_EQ(english(why), "line 3: the jewel column \"goal\" is not a whole number");
    // The field's text is a value, the field's name a message of its own.
    const Message& detail = *why.args[1].message;
    EXPECT_EQ(detail.args[1].value, "goal");
    ASSERT_TRUE(detail.args[0].message);
    EXPECT_EQ(detail.args[0].message->source, "jewel column");
}

} // namespace
} // namespace kelvaro
