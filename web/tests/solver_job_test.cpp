// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's jobs and answers survive the trip to the worker and back as text, and faulty text is refused.
#include "web/solver_job.h"

#include "level/tests/drawn_level.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using testing::drawnLevel;

SolverJob oddJob()
{
    SolverJob job{4000000000u, 5000, drawnLevel({"#####", "#S*.#", "#..G#", "#####"}, -3)};
    // Cells keep whatever byte the file held, high codes included.
    job.position.maze.at(2, 2) = 0xff;
    job.position.maze.at(3, 1) = 0x9a;
    return job;
}

TEST(SolverJobText, AJobKeepsEveryFieldOfItsPosition)
{
    const SolverJob job = oddJob();
    const std::optional<SolverJob> back = parseJob(jobText(job));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->id, job.id);
    EXPECT_EQ(back->budget_ms, job.budget_ms);
    EXPECT_EQ(back->position, job.position);
    EXPECT_EQ(back->position.maze.columns(), 5);
    EXPECT_EQ(back->position.maze.rows(), 4);
}

TEST(SolverJobText, FaultyJobsAreRefused)
{
    const std::string good = jobText(oddJob());
    const std::string cells = good.substr(good.rfind(' ') + 1);
    const std::string head = good.substr(0, good.rfind(' ') + 1);
    for (const std::string& text : {std::string(), std::string("answer") + good.substr(3), head,
                                    head + cells.substr(2),                     // a cell short
                                    head + cells + "00",                        // a cell over
                                    head + "zz" + cells.substr(2),              // not hex
                                    good + " 7"})                               // a field over
        EXPECT_FALSE(parseJob(text)) << text;
    SolverJob unbounded = oddJob();
    unbounded.budget_ms = -5;
    EXPECT_FALSE(parseJob(jobText(unbounded)));
    SolverJob wide = oddJob();
    wide.position.maze = Grid<std::uint8_t>(300, 1);
    EXPECT_FALSE(parseJob(jobText(wide)));  // wider than a level file can say
}

TEST(SolverJobText, AnAnswerKeepsTheSolution)
{
    const GameLevel level = drawnLevel({"######", "#S*.G#", "######"});
    const Solution solved = solve(level);
    const std::optional<SolverAnswer> back = parseAnswer(answerText({17, solved}));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->id, 17u);
    EXPECT_EQ(back->solution.verdict, Verdict::solvable);
    EXPECT_TRUE(back->solution.shortest);
    EXPECT_EQ(movesText(back->solution.moves), "RrR");
    EXPECT_EQ(back->solution.walks, solved.walks);
    EXPECT_EQ(back->solution.pushes, solved.pushes);
    EXPECT_EQ(back->solution.states, solved.states);
    EXPECT_EQ(back->solution.expanded, solved.expanded);
    EXPECT_FALSE(back->solution.stopped);
}

TEST(SolverJobText, AnAnswerWithoutMovesAndFaultyAnswers)
{
    Solution stopped;
    stopped.stopped = true;
    const std::optional<SolverAnswer> back = parseAnswer(answerText({2, stopped}));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->solution.verdict, Verdict::unknown);
    EXPECT_TRUE(back->solution.moves.empty());
    EXPECT_TRUE(back->solution.stopped);
    for (const char* text : {"", "answer", "answer 1 0 1 1 2 10 5 0", "answer 1 3 1 1 2 10 5 0 rR",
                             "answer 1 0 1 1 2 10 5 0 rX", "answer 1 0 1 1 2 10 5 0 rR more", "job 1 0 1 1 2 10 5 0 rR",
                             "answer 1 0 1 1 2 -10 5 0 rR"})
        EXPECT_FALSE(parseAnswer(text)) << text;
}

TEST(SolverJobText, TheWorkerAnswersAsTheSolverDoesAndStopsOnItsClock)
{
    const GameLevel level = drawnLevel({"#######", "#S.*..#", "#.o...#", "#....G#", "#######"});
    const Solution direct = solve(level);
    const std::optional<std::string> text = answerJob(jobText({9, 5000, level}), [] { return 0.0; });
    ASSERT_TRUE(text);
    const std::optional<SolverAnswer> answer = parseAnswer(*text);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->id, 9u);
    EXPECT_EQ(answer->solution.verdict, direct.verdict);
    EXPECT_EQ(movesText(answer->solution.moves), movesText(direct.moves));

    // A clock past the budget at its first look: the search of a level that takes some
    // thousands of steps gives up, unknown.
    const GameLevel roomy = loadGameLevel(KELVARO_MAPS_DIR "/maze41.txt").value();
    double now = 0;
    const std::optional<SolverAnswer> late =
        parseAnswer(answerJob(jobText({10, 0, roomy}), [&now] { return now += 1; }).value());
    ASSERT_TRUE(late);
    EXPECT_EQ(late->solution.verdict, Verdict::unknown);
    EXPECT_TRUE(late->solution.stopped);
    EXPECT_FALSE(answerJob("job 1", [] { return 0.0; }));
}

} // namespace
} // namespace kelvaro
