// SPDX-License-Identifier: GPL-3.0-or-later
// Graded puzzles held to the checker's own analysis (solvable, timed by the rule, deep enough), pinned byte for
// byte, the same on any number of threads, and cancelled at once.
#include "level/forge/grade_forge.h"

#include "level/analysis/level_analysis.h"
#include "level/analysis/level_depth.h"
#include "level/cell_kind.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace kelvaro::forge {
namespace {

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string pinned(LevelCode code) { return fileBytes(std::string(KELVARO_FORGE_DATA) + "/" + codeText(code) + ".txt"); }

// What kel_check finds: a judgeable level, solvable, its time limit enough and the least
// that is, and the grade's floors met by the figures measured afresh.
void expectFair(const GradedLevel& graded)
{
    SCOPED_TRACE(codeText(graded.code));
    const GameLevel& level = graded.level;
    EXPECT_LE(level.maze.columns(), 17);
    EXPECT_LE(level.maze.rows(), 16);
    const LevelFaults faults = findFaults(level);
    ASSERT_TRUE(faults.judgeable());
    EXPECT_TRUE(faults.cell_faults.empty());
    const LevelSearch search = searchLevel(level, faults, {});
    ASSERT_EQ(search.outcome, Outcome::solvable);
    ASSERT_TRUE(search.solution.shortest);
    EXPECT_EQ(search.solution.actions(), graded.solution.actions());
    const int least_ms = search.solution.leastMilliseconds();
    EXPECT_TRUE(timeLimitEnough(level.timeleft, least_ms));
    EXPECT_EQ(level.timeleft, fittingTimeLimit(least_ms));
    EXPECT_FALSE(timeLimitEnough(level.timeleft - 5, least_ms));
    const Depth depth = measureDepth(level, search.solution);
    ASSERT_TRUE(depth.space_complete);
    EXPECT_TRUE(meetsFloors(depth, gradeRules(graded.code.grade).floors))
        << depth.object_changes << " changes, " << depth.crates_must_move << " must move, " << depth.traps << " traps";
    EXPECT_EQ(depth.object_changes, graded.depth.object_changes);
    EXPECT_EQ(depth.traps, graded.depth.traps);
    // The file reads back as the very level.
    std::istringstream file(levelFileBytes(level));
    const auto read = readGameLevel(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->maze.cells(), level.maze.cells());
    EXPECT_EQ(read->timeleft, level.timeleft);
    EXPECT_EQ(std::tie(read->playerx, read->playery, read->jewelx, read->jewely, read->goalx, read->goaly),
              std::tie(level.playerx, level.playery, level.jewelx, level.jewely, level.goalx, level.goaly));
}

// Hard and Expert take a few seconds a code here, minutes under the sanitizers: those
// builds hold Easy and Medium to the checker, the release build every grade. Expert's seeds
// take up to ten seconds each, so the release build holds its first four; forge_bench forges
// as many of them as it is asked for.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true;
#elif defined(__has_feature)
constexpr bool sanitized = __has_feature(address_sanitizer);
#else
constexpr bool sanitized = false;
#endif

class GradeForge : public ::testing::TestWithParam<Grade> {};

TEST_P(GradeForge, TheFirstSeedsGiveFairLevelsThatMeetTheFloors)
{
    if (sanitized && GetParam() >= Grade::hard)
        GTEST_SKIP() << "too slow under the sanitizers; the release build runs it";
    const std::uint32_t seeds = GetParam() == Grade::expert ? 4 : 10;
    for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
        const ForgeOutcome outcome = forgeGrade(GetParam(), seed);
        ASSERT_TRUE(outcome.ok()) << codeText({GetParam(), seed});
        EXPECT_EQ(outcome.level().code, (LevelCode{GetParam(), seed}));
        expectFair(outcome.level());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGrade, GradeForge, ::testing::ValuesIn(grades),
                         [](const auto& info) { return std::string(gradeName(info.param)); });

TEST(GradeForgeCodes, PinnedLevelFilesByteForByte)
{
    // The puzzle of a code must never change: players share codes, and the records of a
    // generated puzzle are kept by its content.
    for (const LevelCode code : {LevelCode{Grade::easy, 1}, LevelCode{Grade::easy, 48213}, LevelCode{Grade::medium, 7},
                                  LevelCode{Grade::expert, 2}}) {
        const auto bytes = levelFileForCode(code);
        ASSERT_TRUE(bytes) << codeText(code);
        EXPECT_EQ(*bytes, pinned(code)) << codeText(code);
    }
}

TEST(GradeForgeCodes, AnyNumberOfThreadsGivesTheSameLevel)
{
    // Medium 2 needs two rooms, so later rooms are climbed ahead and dropped.
    const LevelCode code{Grade::medium, 2};
    const ForgeOutcome one = forgeCode(code, nullptr, {}, 1);
    ASSERT_TRUE(one.ok());
    EXPECT_GT(one.rooms, 1);
    for (int threads : {2, 3}) {
        const ForgeOutcome many = forgeCode(code, nullptr, {}, threads);
        ASSERT_TRUE(many.ok());
        EXPECT_EQ(levelFileBytes(many.level().level), levelFileBytes(one.level().level));
        EXPECT_EQ(many.work, one.work);
        EXPECT_EQ(many.rooms, one.rooms);
    }
}

TEST(GradeForgeCodes, CancelStopsItAtOnce)
{
    const std::atomic<bool> already{true};
    const ForgeOutcome before = forgeGrade(Grade::expert, 1, &already);
    ASSERT_FALSE(before.ok());
    EXPECT_EQ(before.failure(), ForgeFailure::cancelled);

    // Raised at the first report of progress: the forge ends within the judging under way,
    // and reports nothing more.
    for (int threads : {1, 2}) {
        std::atomic<bool> cancel{false};
        int reports_after = 0;
        const ForgeOutcome outcome = forgeCode({Grade::medium, 3}, &cancel, [&](double) {
            reports_after += cancel.load();
            cancel = true;
        }, threads);
        ASSERT_FALSE(outcome.ok());
        EXPECT_EQ(outcome.failure(), ForgeFailure::cancelled);
        if (threads == 1) {
            EXPECT_EQ(reports_after, 0);
        }
    }
}

TEST(GradeForgeCodes, ProgressRisesWithinZeroToOne)
{
    std::vector<double> reports;
    const ForgeOutcome outcome = forgeGrade(Grade::medium, 1, nullptr, [&](double share) { reports.push_back(share); });
    ASSERT_TRUE(outcome.ok());
    ASSERT_FALSE(reports.empty());
    EXPECT_TRUE(std::ranges::is_sorted(reports));
    EXPECT_GT(reports.front(), 0.0);
    EXPECT_LE(reports.back(), 1.0);
}

TEST(GradeForgeCodes, TheDailyPuzzleIsTheDaysHardCode)
{
    using namespace std::chrono;
    const ForgeOutcome daily = forgeDaily(2025y / June / 11);
    ASSERT_TRUE(daily.ok());
    EXPECT_EQ(daily.level().code, dailyCode(2025y / June / 11));
    EXPECT_EQ(levelFileBytes(daily.level().level), pinned(daily.level().code));
}

TEST(LevelFileBytes, TheShippedFilesReadAndWrittenAgainAreTheSame)
{
    // The game's levels come from the level tools: one writer of level files agrees with them.
    for (int number : {1, 20, 50}) {
        const std::string path = std::string(KELVARO_MAPS_DIR) + "/maze" + std::to_string(number) + ".txt";
        const auto level = loadGameLevel(path);
        ASSERT_TRUE(level) << path;
        EXPECT_EQ(levelFileBytes(level.value()), fileBytes(path)) << path;
    }
}

TEST(GradeRules, FloorsRiseWithTheGradeAndLevelsFitTheWindow)
{
    for (std::size_t i = 0; i + 1 < std::size(grades); ++i) {
        const GradeRules& lower = gradeRules(grades[i]);
        const GradeRules& higher = gradeRules(grades[i + 1]);
        EXPECT_LT(lower.floors.object_changes, higher.floors.object_changes);
        EXPECT_LE(lower.floors.crates_must_move, higher.floors.crates_must_move);
        EXPECT_LE(lower.floors.traps, higher.floors.traps);
    }
    for (Grade grade : grades) {
        const Settings& s = gradeRules(grade).settings;
        EXPECT_LE(s.width + 4, 17);
        EXPECT_LE(s.height + 4, 16);
    }
}

} // namespace
} // namespace kelvaro::forge
