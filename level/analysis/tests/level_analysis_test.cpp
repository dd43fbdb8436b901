// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis an author sees: missing marks, open frames, verdicts, stops and the time rule.
#include "level/analysis/level_analysis.h"
#include "level/tests/framed_author_level.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

// A room of blank cells inside two rings of border, 60 s to play it.
AuthorLevel room(int maxx, int maxy) { return testing::framedAuthorLevel(maxx, maxy, 60); }

void place(AuthorLevel& level, Coordinate AuthorLevel::*x, Coordinate AuthorLevel::*y, int cx, int cy)
{
    level.*x = static_cast<std::int16_t>(cx);
    level.*y = static_cast<std::int16_t>(cy);
    level.maze.at(cx, cy) = 0;
}

// Start (2, 3), jewel (3, 3), goal (5, 3) in a 8 x 7 room: two pushes right, no walk.
AuthorLevel corridor()
{
    AuthorLevel level = room(7, 6);
    place(level, &AuthorLevel::startx, &AuthorLevel::starty, 2, 3);
    place(level, &AuthorLevel::jewelx, &AuthorLevel::jewely, 3, 3);
    place(level, &AuthorLevel::goalx, &AuthorLevel::goaly, 5, 3);
    return level;
}

TEST(LevelAnalysis, MissingMarksAreNamedAndNothingElseIsTried)
{
    AuthorLevel level = room(7, 6);
    place(level, &AuthorLevel::jewelx, &AuthorLevel::jewely, 3, 3);
    const EditorLevelAnalysis analysis = analyseEditorLevel(level, {});
    EXPECT_EQ(english(listed(analysis.missing_marks)), "start, goal");
    EXPECT_EQ(analysis.search.outcome, Outcome::not_judgeable);
}

TEST(LevelAnalysis, VerdictsOfJudgeableLevels)
{
    const EditorLevelAnalysis solvable = analyseEditorLevel(corridor(), {});
    EXPECT_TRUE(solvable.missing_marks.empty());
    EXPECT_TRUE(solvable.faults.judgeable());
    ASSERT_EQ(solvable.search.outcome, Outcome::solvable);
    EXPECT_EQ(solvable.search.solution.pushes, 2);
    EXPECT_EQ(solvable.search.solution.walks, 1);  // a push leaves the player where it stood

    AuthorLevel stuck = corridor();  // the jewel in a corner cannot leave it
    place(stuck, &AuthorLevel::jewelx, &AuthorLevel::jewely, 2, 2);
    place(stuck, &AuthorLevel::startx, &AuthorLevel::starty, 3, 3);
    EXPECT_EQ(analyseEditorLevel(stuck, {}).search.outcome, Outcome::unsolvable);
}

TEST(LevelAnalysis, ABigOpenLevelWithTwoJewelsIsJudgedWithoutASearch)
{
    AuthorLevel level = room(37, 31);
    place(level, &AuthorLevel::startx, &AuthorLevel::starty, 5, 5);
    place(level, &AuthorLevel::jewelx, &AuthorLevel::jewely, 10, 10);
    place(level, &AuthorLevel::goalx, &AuthorLevel::goaly, 30, 20);
    level.maze.at(20, 20) = 3;  // a second jewel
    for (int y = 0; y <= 31; ++y)
        level.maze.at(0, y) = level.maze.at(1, y) = 0;  // the left of the frame opened
    int calls = 0;
    const EditorLevelAnalysis analysis = analyseEditorLevel(level, {1'000'000, [&] { return ++calls, false; }, {}});
    EXPECT_FALSE(analysis.faults.judgeable());
    ASSERT_TRUE(analysis.faults.frame_gap);
    EXPECT_EQ(analysis.faults.frame_gap->x, 0);
    EXPECT_EQ(analysis.faults.jewels, 2);
    EXPECT_EQ(analysis.search.outcome, Outcome::not_judgeable);
    EXPECT_EQ(analysis.search.solution.states, 0u);
    EXPECT_EQ(calls, 0);
}

TEST(LevelAnalysis, MarksSharingACellLeaveNoJewelAndNoSearch)
{
    AuthorLevel level = corridor();
    place(level, &AuthorLevel::goalx, &AuthorLevel::goaly, 3, 3);  // on the jewel
    const EditorLevelAnalysis analysis = analyseEditorLevel(level, {});
    EXPECT_EQ(analysis.faults.jewels, 0);
    EXPECT_EQ(analysis.search.outcome, Outcome::not_judgeable);
}

// A wide room with thirty crates whose goal lies at the end of a corridor blocked by two
// crates in a row: unsolvable.
AuthorLevel crowded()
{
    AuthorLevel level = room(30, 24);
    place(level, &AuthorLevel::startx, &AuthorLevel::starty, 2, 2);
    place(level, &AuthorLevel::jewelx, &AuthorLevel::jewely, 3, 20);
    place(level, &AuthorLevel::goalx, &AuthorLevel::goaly, 27, 12);
    for (int i = 0; i < 30; ++i)
        level.maze.at(4 + (i % 10) * 2, 4 + (i / 10) * 4) = 4;
    for (int x = 25; x <= 28; ++x)
        for (int y = 2; y <= 22; ++y)
            if (y != 12 || x == 28)
                level.maze.at(x, y) = 1;
    level.maze.at(25, 12) = level.maze.at(26, 12) = 4;
    return level;
}

TEST(LevelAnalysis, StopsAreToldApart)
{
    const AuthorLevel level = crowded();
    auto yes = [] { return true; };
    auto no = [] { return false; };
    struct Case {
        std::size_t max_states;
        std::function<bool()> cancelled, out_of_time;
        Outcome expected;
    };
    const Case cases[] = {
        {1'000'000, yes, no, Outcome::cancelled},
        {1'000'000, yes, yes, Outcome::cancelled},  // a cancel wins: the answer is not wanted at all
        {1'000'000, no, yes, Outcome::time_limit},
    };
    for (const Case& c : cases) {
        const LevelSearch search = analyseEditorLevel(level, {c.max_states, c.cancelled, c.out_of_time}).search;
        EXPECT_EQ(search.outcome, c.expected) << static_cast<int>(c.expected);
        EXPECT_LT(search.solution.states, 20'000u);
    }
}

TEST(LevelAnalysis, TimeRuleFigures)
{
    struct Case {
        int least_ms, fitting;
        const char* needed;
    };
    // 1.5 T + 15 s, rounded up to whole 5 s.
    const Case cases[] = {{0, 15, "15.0 s"}, {450, 20, "15.7 s"}, {6'666, 25, "25.0 s"}, {6'667, 30, "25.0 s"},
                          {20'000, 45, "45.0 s"}, {20'025, 50, "45.0 s"}};
    for (const Case& c : cases) {
        EXPECT_EQ(fittingTimeLimit(c.least_ms), c.fitting) << c.least_ms;
        EXPECT_EQ(neededText(c.least_ms), c.needed) << c.least_ms;
        EXPECT_TRUE(timeLimitEnough(c.fitting, c.least_ms));
        EXPECT_FALSE(timeLimitEnough(c.fitting - 5, c.least_ms));
    }
    EXPECT_EQ(secondsText(675), "0.675 s");
    EXPECT_EQ(secondsText(9000), "9 s");
}

} // namespace
} // namespace kelvaro
