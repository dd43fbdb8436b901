// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzle codes written and read back, every way a code is mistyped, and the daily puzzle's code pinned by date.
#include "level/forge/level_code.h"

#include <gtest/gtest.h>

#include <set>

namespace kelvaro::forge {
namespace {

using namespace std::chrono;

TEST(LevelCode, WrittenAsLetterDashAndFiveDigits)
{
    EXPECT_EQ(codeText({Grade::hard, 48213}), "H-48213");
    EXPECT_EQ(codeText({Grade::easy, 7}), "E-00007");
    EXPECT_EQ(codeText({Grade::medium, 0}), "M-00000");
    EXPECT_EQ(codeText({Grade::expert, max_code_seed}), "X-99999");
}

TEST(LevelCode, ReadsWhatItWritesForEveryGrade)
{
    for (Grade grade : grades)
        for (std::uint32_t seed : {0U, 1U, 4821U, max_code_seed}) {
            const LevelCode code{grade, seed};
            const auto read = readLevelCode(codeText(code));
            ASSERT_TRUE(std::holds_alternative<LevelCode>(read)) << codeText(code);
            EXPECT_EQ(std::get<LevelCode>(read), code);
        }
}

TEST(LevelCode, ReadsCodesAsPeopleTypeThem)
{
    const LevelCode h{Grade::hard, 48213};
    for (const char* typed : {"H-48213", "h-48213", "H48213", "h48213", "  H-48213\n", "\tH-048213"})
        EXPECT_EQ(std::get<LevelCode>(readLevelCode(typed)), h) << typed;
    EXPECT_EQ(std::get<LevelCode>(readLevelCode("x-7")), (LevelCode{Grade::expert, 7}));
    EXPECT_EQ(std::get<LevelCode>(readLevelCode("m0")), (LevelCode{Grade::medium, 0}));
}

TEST(LevelCode, SaysWhatIsWrongWithABadCode)
{
    const std::pair<const char*, CodeFault> cases[] = {
        {"", CodeFault::empty},
        {"   ", CodeFault::empty},
        {"Q-12345", CodeFault::unknown_grade},
        {"-12345", CodeFault::unknown_grade},
        {"12345", CodeFault::unknown_grade},
        {"H", CodeFault::no_seed},
        {"H-", CodeFault::no_seed},
        {"H--12", CodeFault::not_a_number},
        {"H-12a", CodeFault::not_a_number},
        {"H-1 2", CodeFault::not_a_number},
        {"H-+12", CodeFault::not_a_number},
        {"H-100000", CodeFault::seed_too_large},
        {"H-99999999999999999999999", CodeFault::seed_too_large},
    };
    for (const auto& [typed, fault] : cases) {
        const auto read = readLevelCode(typed);
        ASSERT_TRUE(std::holds_alternative<CodeFault>(read)) << "'" << typed << "'";
        EXPECT_EQ(std::get<CodeFault>(read), fault) << "'" << typed << "'";
    }
}

TEST(LevelCode, GradesByNameOrLetterInAnyCase)
{
    EXPECT_EQ(gradeNamed("medium"), Grade::medium);
    EXPECT_EQ(gradeNamed("EXPERT"), Grade::expert);
    EXPECT_EQ(gradeNamed("Hard"), Grade::hard);
    EXPECT_EQ(gradeNamed("e"), Grade::easy);
    EXPECT_EQ(gradeNamed("x"), Grade::expert);
    EXPECT_FALSE(gradeNamed("hardest"));
    EXPECT_FALSE(gradeNamed(""));
    for (Grade grade : grades) {
        EXPECT_EQ(gradeNamed(gradeName(grade)), grade);
        EXPECT_EQ(gradeNamed(std::string(1, gradeLetter(grade))), grade);
    }
}

TEST(DailyCode, PinnedForFixedDays)
{
    // Everyone's puzzle of these days; a change here changes every player's daily puzzle.
    EXPECT_EQ(codeText(dailyCode(2025y / March / 14)), "H-66713");
    EXPECT_EQ(codeText(dailyCode(2025y / March / 15)), "H-71435");
    EXPECT_EQ(codeText(dailyCode(2026y / January / 1)), "H-32086");
    EXPECT_EQ(codeText(dailyCode(2025y / June / 11)), "H-51127");
}

TEST(DailyCode, HardAndSpreadOverAYear)
{
    std::set<std::uint32_t> seeds;
    for (sys_days day = sys_days(2025y / January / 1); day < sys_days(2026y / January / 1); day += days(1)) {
        const LevelCode code = dailyCode(year_month_day(day));
        EXPECT_EQ(code.grade, Grade::hard);
        EXPECT_LE(code.seed, max_code_seed);
        seeds.insert(code.seed);
    }
    EXPECT_GE(seeds.size(), 360u);  // hardly a day repeats another's puzzle
}

} // namespace
} // namespace kelvaro::forge
