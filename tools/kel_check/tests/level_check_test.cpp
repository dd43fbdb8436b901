// SPDX-License-Identifier: GPL-3.0-or-later
// kel_check's checks and words on a good level, broken files, an unsolvable level and poor frames or times.
#include "tools/kel_check/level_check.h"
#include "tools/kel_check/level_report.h"
#include "level/cell_kind.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>

namespace kelvaro {
namespace {

std::string fixture(const std::string& name) { return std::string(KEL_CHECK_DATA) + "/" + name; }

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(KelCheck, GoodLevelPassesEveryCheck)
{
    const LevelCheck check = checkLevelFile(fixture("good.txt"));
    EXPECT_TRUE(check.passed());
    const std::string text = reportText("good.txt", check, true);
    EXPECT_TRUE(has(text, "good.txt: PASS\n")) << text;
    EXPECT_TRUE(has(text, "reads       yes, 8 x 5 cells\n")) << text;
    EXPECT_TRUE(has(text, "frame       closed\n")) << text;
    EXPECT_TRUE(has(text, "solution    1 walk + 1 push = 2 actions (shortest)\n")) << text;
    EXPECT_TRUE(has(text, "least time  0.45 s\n")) << text;
    EXPECT_TRUE(has(text, "time limit  30 s, enough (needs 15.7 s or more)\n")) << text;
    EXPECT_TRUE(has(text, "moves       rR\n")) << text;
    EXPECT_TRUE(has(text, "pushes      1 push: 1 of the jewel, 0 of crates\n")) << text;
    EXPECT_TRUE(has(text, "changes     0 changes of the pushed object, longest run 1\n")) << text;
    EXPECT_TRUE(has(text, "crates      0 must move in any solution, 0 moved in the shortest\n")) << text;
    EXPECT_TRUE(has(text, "traps       0 losing pushes along the shortest solution\n")) << text;
    EXPECT_TRUE(has(text, "effort      1 state expanded to decide, 1 position in all\n")) << text;
    EXPECT_TRUE(has(text, "statistics  2 actions, 1 push, 0 object changes, 1 push run\n")) << text;
}

TEST(KelCheck, DepthFiguresInTheTableAndLeftOutWhenQuick)
{
    const LevelCheck check = checkLevelFile(fixture("good.txt"));
    const std::string header = markdownHeader();
    const std::string row = markdownRow("good", check);
    const auto columns = [](const std::string& text) { return std::count(text.begin(), text.end(), '|'); };
    EXPECT_EQ(columns(header.substr(0, header.find('\n'))), columns(row));
    EXPECT_TRUE(has(row, "| 1 / 0 | 0 | 1 | 0 (0) | 0 | no | 1 |")) << row;

    const LevelCheck quick = checkLevelFile(fixture("good.txt"), {}, {.full = false});
    const std::string text = reportText("good.txt", quick, false);
    EXPECT_TRUE(has(text, "traps       not counted: left out (--quick)\n")) << text;
    EXPECT_TRUE(has(markdownRow("good", quick), "| ? (0) | ? | ? |"));

    const LevelCheck cut = checkLevelFile(fixture("good.txt"), {}, {.max_states = 0});
    EXPECT_TRUE(has(reportText("good.txt", cut, false), "traps       not counted: more positions than the limit\n"));
    EXPECT_EQ(columns(markdownRow("broken", checkLevelFile(fixture("broken.txt")))), columns(row));
}

TEST(KelCheck, BrokenFilesSayWhichLine)
{
    const LevelCheck bad_value = checkLevelFile(fixture("broken.txt"));
    ASSERT_FALSE(bad_value.reads());
    EXPECT_FALSE(bad_value.passed());
    const std::string text = reportText("broken.txt", bad_value, false);
    EXPECT_TRUE(has(text, "broken.txt: FAIL\n  reads       no: line 12: ")) << text;
    EXPECT_FALSE(has(text, "solution")) << text;

    const LevelCheck truncated = checkLevelFile(fixture("truncated.txt"));
    EXPECT_FALSE(truncated.passed());
    EXPECT_FALSE(truncated.reads());
    EXPECT_FALSE(checkLevelFile(fixture("no such file.txt")).passed());
}

TEST(KelCheck, UnsolvableLevelFails)
{
    const LevelCheck check = checkLevelFile(fixture("unsolvable.txt"));
    EXPECT_TRUE(check.reads());
    EXPECT_FALSE(check.passed());
    const std::string text = reportText("unsolvable.txt", check, true);
    EXPECT_TRUE(has(text, "solution    none: unsolvable\n")) << text;
    EXPECT_TRUE(has(text, "time limit  60 s, not judged without a solution\n")) << text;
    EXPECT_FALSE(has(text, "moves")) << text;
}

TEST(KelCheck, TimeBelowTheRuleFails)
{
    // 2 actions need 0.45 s: the limit must be at least 1.5 x 0.45 + 15 = 15.675 s.
    const LevelCheck check = checkLevelFile(fixture("short_time.txt"));
    EXPECT_TRUE(check.solvable());
    EXPECT_FALSE(check.passed());
    EXPECT_TRUE(has(reportText("short_time.txt", check, false), "15 s, TOO SHORT (needs 15.7 s or more)"));
}

TEST(KelCheck, OpenFrameAndMarksOnTheHiddenRingFail)
{
    const LevelCheck check = checkLevelFile(fixture("open_frame.txt"));
    EXPECT_EQ(check.outcome, Outcome::not_judgeable);  // reported without a search
    EXPECT_EQ(check.solution.states, 0u);
    EXPECT_FALSE(check.passed());
    ASSERT_TRUE(check.frame_gap);
    EXPECT_EQ(check.frame_gap->x, 6);
    EXPECT_EQ(check.frame_gap->y, 2);

    GameLevel hidden = check.level;
    hidden.goalx = 0;
    const LevelCheck marks = checkLevel(hidden);
    ASSERT_EQ(marks.marks_outside.size(), 1u);
    EXPECT_EQ(english(marks.marks_outside[0]), "goal (0, 2)");
}

TEST(KelCheck, OddCellsAreReported)
{
    GameLevel level = checkLevelFile(fixture("good.txt")).level;
    level.maze.at(3, 2) = 9;
    level.maze.at(2, 1) = jewel;
    const LevelCheck check = checkLevel(level);
    EXPECT_FALSE(check.passed());
    EXPECT_TRUE(has(reportText("odd.txt", check, false), "cells       1 cell(s) of code 9, 2 jewel cells\n"));
}

TEST(KelCheck, ASearchOutOfTimeSaysSo)
{
    SolverLimits out_of_time;
    out_of_time.should_stop = [] { return true; };
    const LevelCheck check = checkLevelFile(fixture("good.txt"), out_of_time);
    EXPECT_EQ(check.outcome, Outcome::time_limit);
    EXPECT_FALSE(check.passed());
    EXPECT_TRUE(has(reportText("good.txt", check, false), "solution    none: undecided (time limit reached)\n"));
}

// Words of a language whose labels run longer than the English ones, in letters of two bytes.
class LongWords : public ReportWords {
public:
    std::string text(const char* source, std::initializer_list<std::string> args) const override
    {
        return "üü" + ReportWords::text(source, args);
    }
};

// Where a line's finding begins, in characters.
std::size_t findingColumn(const std::string& line)
{
    std::size_t at = line.find_first_not_of(' ');
    at = line.find("  ", at);
    at = line.find_first_not_of(' ', at);
    return static_cast<std::size_t>(std::count_if(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(at),
                                                  [](char c) { return (c & 0xC0) != 0x80; }));
}

TEST(KelCheck, EveryFindingLinesUpInALanguageWithLongerLabels)
{
    const std::string text = reportText("short_time.txt", checkLevelFile(fixture("short_time.txt")), true, LongWords());
    EXPECT_TRUE(has(text, "short_time.txt: üüFAIL\n")) << text;
    std::istringstream lines(text.substr(text.find('\n') + 1));
    std::set<std::size_t> columns;
    for (std::string line; std::getline(lines, line);)
        columns.insert(findingColumn(line));
    // "üüleast time" and "üütime limit" are the longest labels: two blanks after them.
    EXPECT_EQ(columns, std::set<std::size_t>{16}) << text;
}

TEST(KelCheck, SecondsAndTableRows)
{
    EXPECT_EQ(seconds(675), "0.675 s");
    EXPECT_EQ(seconds(4050), "4.05 s");
    EXPECT_EQ(seconds(9000), "9 s");
    const LevelCheck check = checkLevelFile(fixture("good.txt"));
    EXPECT_EQ(markdownRow("good", check), "| good | 8 x 5 | 30 s | 1 | 1 | 2 | 0.45 s | 66.67 | 1 / 0 | 0 | 1 | 0 (0) | 0 | no | 1 |\n");
}

} // namespace
} // namespace kelvaro
