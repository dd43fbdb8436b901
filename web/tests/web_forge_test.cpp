// SPDX-License-Identifier: GPL-3.0-or-later
// The page's forge port: the forge under way gets its progress and outcome, a newer request or a cancel ends its worker, and what still comes for it is dropped.
#include "web/web_forge.h"

#include "web/forge_job.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

class RecordingLink : public WorkerLink {
public:
    std::vector<ForgeJob> posted;
    int restarts = 0;

    void post(const std::string& job) override
    {
        const std::optional<ForgeJob> parsed = parseForgeJob(job);
        ASSERT_TRUE(parsed) << job;
        posted.push_back(*parsed);
    }
    void restart() override { ++restarts; }
};

forge::ForgeOutcome forgedLevel(int seed)
{
    forge::GradedLevel graded;
    graded.code = {forge::Grade::medium, static_cast<std::uint32_t>(seed)};
    graded.level.maze = Grid<std::uint8_t>(2, 2, 1);
    graded.level.timeleft = 90;
    return {graded, 100, 1};
}

class WebForgeTest : public ::testing::Test {
protected:
    RecordingLink link;
    WebForge forge{link};
    std::vector<std::string> heard;

    void ask(int seed)
    {
        forge.forge(forge::LevelCode{forge::Grade::medium, static_cast<std::uint32_t>(seed)},
                    [this](double share) { heard.push_back("progress " + std::to_string(static_cast<int>(share * 100))); },
                    [this](const forge::ForgeOutcome& outcome) {
                        heard.push_back(outcome.ok() ? "forged " + std::to_string(outcome.level().code.seed) + " " +
                                                           std::to_string(outcome.level().level.timeleft)
                                                     : "failed");
                    });
    }
    std::uint32_t idOf(std::size_t posted) const { return link.posted.at(posted).id; }
};

TEST_F(WebForgeTest, TheForgeUnderWayHearsItsProgressThenItsOutcome)
{
    ask(7);
    ASSERT_EQ(link.posted.size(), 1u);
    EXPECT_EQ(std::get<forge::LevelCode>(link.posted[0].request).seed, 7u);
    EXPECT_TRUE(forge.busy());
    EXPECT_TRUE(forge.answer(progressText(idOf(0), 0.5)));
    EXPECT_TRUE(forge.answer(outcomeText(idOf(0), forgedLevel(7))));
    EXPECT_EQ(heard, (std::vector<std::string>{"progress 50", "forged 7 90"}));
    EXPECT_FALSE(forge.busy());
    EXPECT_FALSE(forge.answer(progressText(idOf(0), 0.9)));  // over: nothing more is heard
    EXPECT_EQ(link.restarts, 0);
}

TEST_F(WebForgeTest, ANewerRequestOrACancelEndsTheWorkerAndDropsWhatComesLate)
{
    ask(1);
    ask(2);
    EXPECT_EQ(link.restarts, 1);  // the first was under way
    ASSERT_EQ(link.posted.size(), 2u);
    EXPECT_FALSE(forge.answer(progressText(idOf(0), 0.5)));
    EXPECT_FALSE(forge.answer(outcomeText(idOf(0), forgedLevel(1))));
    EXPECT_TRUE(heard.empty());
    forge.cancel();
    EXPECT_EQ(link.restarts, 2);
    EXPECT_FALSE(forge.answer(outcomeText(idOf(1), forgedLevel(2))));
    EXPECT_TRUE(heard.empty());
    forge.cancel();  // nothing under way: the worker stays
    EXPECT_EQ(link.restarts, 2);
    EXPECT_FALSE(forge.answer("forged garbage"));
}

TEST_F(WebForgeTest, AFailedWorkerFindsNoLevel)
{
    forge.failed();  // nothing under way: nothing to say
    EXPECT_TRUE(heard.empty());
    ask(3);
    forge.failed();
    EXPECT_EQ(heard, std::vector<std::string>{"failed"});
    EXPECT_EQ(link.restarts, 1);
    EXPECT_FALSE(forge.busy());
}

} // namespace
} // namespace kelvaro
