// SPDX-License-Identifier: GPL-3.0-or-later
// The forge's jobs, progress and outcomes survive the trip to the worker and back as text, and faulty text is refused.
#include "web/forge_job.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

TEST(ForgeJobText, CodesAndDaysGoAsTheyWereAsked)
{
    const forge::LevelCode code{forge::Grade::hard, 99999};
    const std::optional<ForgeJob> coded = parseForgeJob(forgeJobText({3, code}));
    ASSERT_TRUE(coded);
    EXPECT_EQ(coded->id, 3u);
    EXPECT_EQ(std::get<forge::LevelCode>(coded->request), code);

    const std::chrono::year_month_day day{std::chrono::year(2026), std::chrono::month(2), std::chrono::day(28)};
    const std::optional<ForgeJob> daily = parseForgeJob(forgeJobText({4, day}));
    ASSERT_TRUE(daily);
    EXPECT_EQ(std::get<std::chrono::year_month_day>(daily->request), day);

    for (const char* text : {"", "forge 1", "forge 1 code 4 7", "forge 1 code 0 100000", "forge 1 day 2026 2 30",
                             "forge 1 day 2026 13 1", "forge 1 week 2026 1 1", "forge 1 code 1 7 8", "job 1 code 1 7"})
        EXPECT_FALSE(parseForgeJob(text)) << text;
}

TEST(ForgeJobText, ProgressAndFailuresAreRead)
{
    const std::optional<ForgeReport> progress = parseForgeReport(progressText(8, 0.25));
    ASSERT_TRUE(progress);
    EXPECT_EQ(progress->id, 8u);
    EXPECT_DOUBLE_EQ(std::get<double>(progress->what), 0.25);
    EXPECT_DOUBLE_EQ(std::get<double>(parseForgeReport(progressText(8, 1.5))->what), 1.0);

    const forge::ForgeOutcome none{forge::ForgeFailure::no_level_found, 1234, 5};
    const std::optional<ForgeReport> failed = parseForgeReport(outcomeText(9, none));
    ASSERT_TRUE(failed);
    const auto& outcome = std::get<forge::ForgeOutcome>(failed->what);
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.failure(), forge::ForgeFailure::no_level_found);
    EXPECT_EQ(outcome.work, 1234u);
    EXPECT_EQ(outcome.rooms, 5);

    for (const char* text : {"", "progress 1", "progress 1 10001", "progress 1 5 6", "forged 1 0", "forged 1 0 2 1 1",
                             "forged 1 1 0 7 10 1", "answer 1 0 0 1 1"})
        EXPECT_FALSE(parseForgeReport(text)) << text;
}

TEST(ForgeJobText, TheWorkerForgesTheLevelOfTheCodeAndReportsItsProgress)
{
    const forge::LevelCode code{forge::Grade::easy, 42};
    std::vector<double> shares;
    const std::optional<std::string> text = answerForgeJob(forgeJobText({5, code}), [&shares](const std::string& report) {
        const std::optional<ForgeReport> read = parseForgeReport(report);
        ASSERT_TRUE(read) << report;
        EXPECT_EQ(read->id, 5u);
        shares.push_back(std::get<double>(read->what));
    });
    ASSERT_TRUE(text);
    const std::optional<ForgeReport> answer = parseForgeReport(*text);
    ASSERT_TRUE(answer);
    const auto& outcome = std::get<forge::ForgeOutcome>(answer->what);
    const forge::ForgeOutcome direct = forge::forgeCode(code, nullptr, {}, 1);
    ASSERT_TRUE(direct.ok());
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.level().code, code);
    EXPECT_TRUE(outcome.level().solution.shortest);
    EXPECT_EQ(outcome.level().solution.moves.size(), direct.level().solution.moves.size());
    EXPECT_EQ(outcome.level().level, direct.level().level);
    EXPECT_EQ(outcome.work, direct.work);
    EXPECT_EQ(outcome.rooms, direct.rooms);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));  // a quick forge may report none
    EXPECT_FALSE(answerForgeJob("forge x", [](const std::string&) {}));
}

} // namespace
} // namespace kelvaro
