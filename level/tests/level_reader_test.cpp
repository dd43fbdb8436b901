// SPDX-License-Identifier: GPL-3.0-or-later
// The game's and the editor's level readers on well-formed and damaged files.
#include "level/author_level.h"
#include "level/game_level.h"
#include "level/tests/level_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kelvaro {
namespace {

using testing::levelValues;
using testing::lines;

Result<GameLevel> game(const std::string& text)
{
    std::istringstream in(text);
    return readGameLevel(in);
}

Result<AuthorLevel> editor(const std::string& text)
{
    std::istringstream in(text);
    return readAuthorLevel(in);
}

TEST(GameReader, ListsCellsColumnByColumn)
{
    // maxx 1, maxy 2: the cells come as (0,0) (0,1) (0,2) (1,0) (1,1) (1,2).
    auto level = game(lines({"1", "2", "1", "1", "1", "2", "0", "1", "9", "10", "11", "12", "13", "14", "15"}));
    ASSERT_TRUE(level) << level.error().describe();
    EXPECT_EQ(level->maze.columns(), 2);
    EXPECT_EQ(level->maze.rows(), 3);
    EXPECT_EQ(level->maze.at(0, 0), 10);
    EXPECT_EQ(level->maze.at(0, 2), 12);
    EXPECT_EQ(level->maze.at(1, 0), 13);
    EXPECT_EQ(level->maze.at(1, 1), 3);  // jewel mark
    EXPECT_EQ(level->maze.at(1, 2), 2);  // goal mark
    EXPECT_EQ(level->maze.at(0, 1), 0);  // start mark
    EXPECT_EQ(level->timeleft, 9);
    EXPECT_EQ(level->playerx, 0);
    EXPECT_EQ(level->playery, 1);
}

TEST(GameReader, MarksApplyInOrderJewelGoalStart)
{
    // All three marks on (1,1): the start, applied last, leaves 0; jewel on goal elsewhere leaves 2.
    auto same = game(lines(levelValues(2, 2, {1, 1, 1, 1, 1, 1}, 75, "4")));
    ASSERT_TRUE(same);
    EXPECT_EQ(same->maze.at(1, 1), 0);
    auto on_goal = game(lines(levelValues(2, 2, {2, 2, 2, 2, 0, 0}, 75, "4")));
    ASSERT_TRUE(on_goal);
    EXPECT_EQ(on_goal->maze.at(2, 2), 2);
    EXPECT_EQ(on_goal->maze.at(0, 0), 0);
    EXPECT_EQ(on_goal->maze.at(1, 1), 4);  // the file's own code elsewhere
}

TEST(GameReader, EmptyAndNonNumericFieldsReadAsZero)
{
    auto v = levelValues(3, 3, {1, 1, 2, 2, 1, 2}, 75, "1");
    v[8] = "";        // time
    v[9 + 5] = "abc";  // cell (1,1)
    v[9 + 6] = "   ";  // cell (1,2): blanks only
    auto level = game(lines(v));
    ASSERT_TRUE(level) << level.error().describe();
    EXPECT_EQ(level->timeleft, 0);
    EXPECT_EQ(level->maze.at(1, 1), 3);  // jewel mark over the 0
    EXPECT_EQ(level->maze.at(1, 3), 1);
}

TEST(GameReader, CommasBlanksAndLineEndsAllSeparateFields)
{
    // Commas, LF alone, a lone CR and blanks around fields all read the same.
    const std::string text = " 2 , 2\n1,1\r2,2\r\n1 ,1\r\n -5 \r\n" "1,1,1\n1,0,1\r\n1,1,1";
    auto level = game(text);
    ASSERT_TRUE(level) << level.error().describe();
    EXPECT_EQ(level->timeleft, -5);
    EXPECT_EQ(level->maze.at(2, 2), 2);
    EXPECT_EQ(level->maze.at(1, 1), 0);  // start mark over the jewel mark
    EXPECT_EQ(level->maze.at(0, 2), 1);
}

TEST(GameReader, RangesOfBytesAndTime)
{
    auto big = levelValues(255, 255, {2, 2, 3, 3, 4, 4}, 32767, "1");
    auto level = game(lines(big));
    ASSERT_TRUE(level) << level.error().describe();
    EXPECT_EQ(level->maze.columns(), 256);
    EXPECT_EQ(level->maze.cells().size(), 65536u);

    for (const char* bad : {"256", "-1", "99999999999999999999999999999999999999999999999999"}) {
        auto v = levelValues(3, 3, {1, 1, 2, 2, 1, 2}, 75);
        v[1] = bad;
        auto failed = game(lines(v));
        ASSERT_FALSE(failed) << bad;
        EXPECT_EQ(failed.error().kind, LevelError::Kind::out_of_range);
        EXPECT_EQ(failed.error().line, 2);
    }
    auto time = levelValues(3, 3, {1, 1, 2, 2, 1, 2}, 75);
    time[8] = "-32768";
    EXPECT_TRUE(game(lines(time)));
    time[8] = "32768";
    EXPECT_EQ(game(lines(time)).error().line, 9);
    auto cell = levelValues(3, 3, {1, 1, 2, 2, 1, 2}, 75);
    cell[9 + 4] = "300";
    EXPECT_EQ(game(lines(cell)).error().line, 14);
}

TEST(GameReader, EarlyEndFailsAndTrailingDataIsIgnored)
{
    auto v = levelValues(3, 3, {1, 1, 2, 2, 1, 2}, 75);
    auto short_one = v;
    short_one.pop_back();
    auto failed = game(lines(short_one));
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().kind, LevelError::Kind::early_end);
    EXPECT_EQ(game("").error().kind, LevelError::Kind::early_end);
    EXPECT_EQ(game("3\r\n3\r\n").error().kind, LevelError::Kind::early_end);

    auto longer = v;
    longer.insert(longer.end(), {"garbage", "", "999999"});
    EXPECT_TRUE(game(lines(longer)));
    // The last value may stand without a line end.
    std::string no_newline = lines(v);
    no_newline.resize(no_newline.size() - 2);
    EXPECT_TRUE(game(no_newline));
}

TEST(GameReader, MarkOutsideTheGridIsAnError)
{
    auto failed = game(lines(levelValues(3, 3, {4, 1, 2, 2, 1, 2}, 75)));
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().kind, LevelError::Kind::mark_outside);
    EXPECT_EQ(failed.error().line, 3);
    auto start_row = game(lines(levelValues(3, 3, {1, 1, 2, 2, 1, 9}, 75)));
    ASSERT_FALSE(start_row);
    EXPECT_EQ(start_row.error().line, 8);
}

TEST(GameReader, FractionsRoundToEven)
{
    auto v = levelValues(3, 3, {1, 1, 2, 2, 1, 2}, 75);
    v[8] = "7.5";
    EXPECT_EQ(game(lines(v))->timeleft, 8);
    v[8] = "6.5";
    EXPECT_EQ(game(lines(v))->timeleft, 6);
    v[8] = "-2.51";
    EXPECT_EQ(game(lines(v))->timeleft, -3);
}

TEST(EditorReader, KeepsEmptyFieldsUnsetAndNumbersAsGiven)
{
    auto v = levelValues(3, 3, {1, 1, 2, 2, 1, 2}, 75, "0");
    v[2] = v[3] = "";  // jewel never placed
    v[9 + 15] = "";    // cell (3,3)
    v[9 + 10] = "-7";  // cell (2,2)
    auto level = editor(lines(v));
    ASSERT_TRUE(level) << level.error().describe();
    EXPECT_FALSE(level->jewelx.has_value());
    EXPECT_FALSE(level->jewely.has_value());
    EXPECT_EQ(level->maze.at(3, 3), AuthorCell());
    // The goal's mark comes after the unset jewel's (0, 0) and the start's mark after both.
    EXPECT_EQ(level->maze.at(0, 0), AuthorCell(3));
    EXPECT_EQ(level->maze.at(2, 2), AuthorCell(2));
    EXPECT_EQ(level->maze.at(1, 2), AuthorCell(0));
    EXPECT_EQ(level->leveltime, 75);
}

TEST(EditorReader, RefusesWhatItCannotHold)
{
    struct Case {
        int index;
        const char* value;
        LevelError::Kind kind;
        int line;
    } cases[] = {
        {0, "30000", LevelError::Kind::out_of_range, 1},  // would ask for a billion cells
        {1, "256", LevelError::Kind::out_of_range, 2},
        {8, "40000", LevelError::Kind::out_of_range, 9},
        {8, "abc", LevelError::Kind::not_a_number, 9},
        {9, "1.5", LevelError::Kind::not_a_number, 10},
        {2, "7", LevelError::Kind::mark_outside, 3},
        {7, "-1", LevelError::Kind::mark_outside, 8},
    };
    for (const auto& c : cases) {
        auto v = levelValues(3, 3, {1, 1, 2, 2, 1, 2}, 75);
        v[c.index] = c.value;
        auto failed = editor(lines(v));
        ASSERT_FALSE(failed) << c.value;
        EXPECT_EQ(failed.error().kind, c.kind) << c.value;
        EXPECT_EQ(failed.error().line, c.line) << c.value;
        EXPECT_FALSE(failed.error().describe().empty());
    }
}

TEST(EditorReader, SaveAndLoadRoundTrip)
{
    auto first = editor(lines(levelValues(9, 19, {3, 4, 5, 6, 7, 8}, -12, "4")));
    ASSERT_TRUE(first);
    first->maze.at(2, 2) = std::nullopt;
    const std::string saved = writeAuthorLevel(first.value());
    auto again = editor(saved);
    ASSERT_TRUE(again);
    EXPECT_EQ(again.value(), first.value());
    EXPECT_EQ(writeAuthorLevel(again.value()), saved);
    // The game reads the same file to the same grid, an unset cell as 0.
    auto played = game(saved);
    ASSERT_TRUE(played);
    EXPECT_EQ(played->maze.at(3, 4), 3);
    EXPECT_EQ(played->maze.at(5, 6), 2);
    EXPECT_EQ(played->maze.at(2, 2), 0);
    EXPECT_EQ(played->maze.at(9, 19), 4);
}

} // namespace
} // namespace kelvaro
