// SPDX-License-Identifier: GPL-3.0-or-later
// The page's solver port: one search at the worker at a time, answers matched to their jobs, cancelled ones never answered.
#include "web/web_solver.h"

#include "web/solver_job.h"
#include "level/tests/drawn_level.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

// A worker that keeps what it was handed; the test answers for it.
class FakeLink : public WorkerLink {
public:
    std::vector<SolverJob> posted;
    int restarts = 0;

    void post(const std::string& job) override
    {
        const std::optional<SolverJob> parsed = parseJob(job);
        ASSERT_TRUE(parsed) << job;
        posted.push_back(*parsed);
    }
    void restart() override { ++restarts; }

    // The worker's answer to the job posted `index`-th, solved for real.
    std::string answerTo(std::size_t index) const { return answerJob(jobText(posted.at(index)), [] { return 0.0; }).value(); }
};

GameLevel levelAt(int x)
{
    GameLevel level = testing::drawnLevel({"#######", "#S.*.G#", "#######"});
    level.playerx = static_cast<std::uint8_t>(x);
    return level;
}

class WebSolverTest : public ::testing::Test {
protected:
    FakeLink link;
    WebSolver solver{link, 5000};
    std::vector<std::string> answered;

    void ask(const std::string& name, int x = 1)
    {
        solver.solve(levelAt(x), [this, name](const Solution& s) { answered.push_back(name + " " + movesText(s.moves)); });
    }
};

TEST_F(WebSolverTest, JobsGoOneAtATimeAndAnswerInTurn)
{
    ask("first", 1);
    ask("second", 2);
    ASSERT_EQ(link.posted.size(), 1u);  // the second waits for the first's answer
    EXPECT_EQ(link.posted[0].budget_ms, 5000);
    EXPECT_EQ(link.posted[0].position, levelAt(1));
    EXPECT_EQ(solver.outstanding(), 2u);
    EXPECT_TRUE(answered.empty());  // nothing answers on the asker's own call

    EXPECT_TRUE(solver.answer(link.answerTo(0)));
    EXPECT_EQ(answered, std::vector<std::string>{"first rRrR"});
    ASSERT_EQ(link.posted.size(), 2u);
    EXPECT_EQ(link.posted[1].position, levelAt(2));
    EXPECT_NE(link.posted[1].id, link.posted[0].id);
    EXPECT_TRUE(solver.answer(link.answerTo(1)));
    EXPECT_EQ(answered, (std::vector<std::string>{"first rRrR", "second RrR"}));
    EXPECT_EQ(solver.outstanding(), 0u);
    EXPECT_EQ(link.restarts, 0);
}

TEST_F(WebSolverTest, ACancelEndsTheWorkerAndItsLateAnswerIsDropped)
{
    ask("stale");
    ask("waiting");
    solver.cancelAll();
    EXPECT_EQ(link.restarts, 1);  // the search under way cannot hear a cancel: its worker goes
    EXPECT_EQ(solver.outstanding(), 0u);
    EXPECT_FALSE(solver.answer(link.answerTo(0)));  // posted before the worker went
    EXPECT_EQ(solver.dropped(), 1);
    EXPECT_EQ(link.posted.size(), 1u);  // the waiting job was forgotten, never posted

    ask("fresh", 2);
    ASSERT_EQ(link.posted.size(), 2u);
    EXPECT_FALSE(solver.answer(link.answerTo(0)));  // the stale answer still finds no asker
    EXPECT_TRUE(solver.answer(link.answerTo(1)));
    EXPECT_EQ(answered, std::vector<std::string>{"fresh RrR"});
    EXPECT_EQ(solver.dropped(), 2);
}

TEST_F(WebSolverTest, NothingToCancelKeepsTheWorker)
{
    solver.cancelAll();
    ask("one");
    EXPECT_TRUE(solver.answer(link.answerTo(0)));
    solver.cancelAll();
    EXPECT_EQ(link.restarts, 0);
}

TEST_F(WebSolverTest, AnswersForNoJobOrUnreadableAreDropped)
{
    EXPECT_FALSE(solver.answer("answer 1 0 1 0 0 0 0 0 -"));  // none under way
    ask("one");
    EXPECT_FALSE(solver.answer(""));
    EXPECT_FALSE(solver.answer("answer " + std::to_string(link.posted[0].id + 1) + " 0 1 0 0 0 0 0 -"));
    EXPECT_EQ(solver.dropped(), 3);
    EXPECT_EQ(solver.outstanding(), 1u);
    EXPECT_TRUE(solver.answer(link.answerTo(0)));
}

TEST_F(WebSolverTest, AnAnswerMayAskAgainOrCancelAll)
{
    solver.solve(levelAt(1), [this](const Solution&) {
        answered.push_back("first");
        ask("asked from an answer", 1);
    });
    ask("waiting", 2);
    EXPECT_TRUE(solver.answer(link.answerTo(0)));
    ASSERT_EQ(link.posted.size(), 2u);
    EXPECT_EQ(link.posted[1].position, levelAt(2));  // the queue's turn holds

    solver.solve(levelAt(1), [this](const Solution&) { solver.cancelAll(); });
    ask("dropped by the canceller");
    EXPECT_TRUE(solver.answer(link.answerTo(1)));
    EXPECT_TRUE(solver.answer(link.answerTo(2)));
    EXPECT_TRUE(solver.answer(link.answerTo(3)));  // the canceller
    EXPECT_EQ(answered, (std::vector<std::string>{"first", "waiting RrR", "asked from an answer rRrR"}));
    EXPECT_EQ(solver.outstanding(), 0u);
    EXPECT_EQ(link.restarts, 0);  // nothing was under way when it cancelled
    EXPECT_EQ(link.posted.size(), 4u);
}

TEST_F(WebSolverTest, AFailedWorkerAnswersUnknownAndTheNextJobGoesOn)
{
    Solution failed;
    solver.solve(levelAt(1), [&failed](const Solution& s) { failed = s; });
    ask("next", 2);
    solver.failed();
    EXPECT_EQ(failed.verdict, Verdict::unknown);
    EXPECT_TRUE(failed.stopped);
    EXPECT_EQ(link.restarts, 1);
    ASSERT_EQ(link.posted.size(), 2u);
    EXPECT_TRUE(solver.answer(link.answerTo(1)));
    EXPECT_EQ(answered, std::vector<std::string>{"next RrR"});
    solver.failed();  // nothing under way: nothing to answer
    EXPECT_EQ(link.restarts, 1);
}

} // namespace
} // namespace kelvaro
