// SPDX-License-Identifier: GPL-3.0-or-later
// The solver on small hand-made levels, each aimed at a way it could go wrong.
#include "level/solver/solver.h"
#include "level/tests/drawn_level.h"
#include "level/solver/tests/play_reference.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using testing::drawnLevel;
using testing::shortestByBruteForce;
using testing::winsWithLastMove;

// Solves, and checks that what it claims holds when the moves are played.
Solution solvedShortest(const GameLevel& level)
{
    const Solution solution = solve(level);
    EXPECT_EQ(solution.verdict, Verdict::solvable);
    EXPECT_TRUE(solution.shortest);
    EXPECT_TRUE(winsWithLastMove(level, solution.moves)) << movesText(solution.moves);
    EXPECT_EQ(solution.actions(), static_cast<int>(solution.moves.size()));
    const auto reference = shortestByBruteForce(level);
    EXPECT_EQ(reference.actions, solution.actions());
    return solution;
}

TEST(SolverMoves, PushingTwiceInARowNeedsAWalkBetween)
{
    // The player stays put when it pushes, so the second push needs one step forward.
    const GameLevel level = drawnLevel({"######", "#S*.G#", "######"});
    const Solution solution = solvedShortest(level);
    EXPECT_EQ(movesText(solution.moves), "RrR");
    EXPECT_EQ(solution.walks, 1);
    EXPECT_EQ(solution.pushes, 2);
    EXPECT_EQ(solution.leastMilliseconds(), 3 * 225);
}

TEST(SolverMoves, MovesReadBackAsWrittenAndAnyOtherCharacterIsRefused)
{
    const std::optional<std::vector<Action>> read = readMoves("rlUDuRdL");
    ASSERT_TRUE(read);
    EXPECT_EQ(movesText(*read), "rlUDuRdL");
    EXPECT_EQ((*read)[2], (Action{true, 2}));
    EXPECT_TRUE(readMoves("") && readMoves("")->empty());
    EXPECT_FALSE(readMoves("rr x"));
    EXPECT_FALSE(readMoves("rR\n"));
}

TEST(SolverMoves, TurningCostsNothingWhenItPushes)
{
    // The player starts facing right; pushing up turns it in the same step.
    const GameLevel level = drawnLevel({"#####", "##G##", "##*##", "##S##", "#####"});
    const Solution solution = solvedShortest(level);
    EXPECT_EQ(movesText(solution.moves), "U");
}

TEST(SolverMoves, JewelAlreadyOnTheGoalNeedsNothing)
{
    GameLevel level = drawnLevel({"#####", "#S*G#", "#####"});
    level.jewelx = level.goalx;
    level.maze.at(2, 1) = 0;
    const Solution solution = solve(level);
    EXPECT_EQ(solution.verdict, Verdict::solvable);
    EXPECT_TRUE(solution.moves.empty());
}

TEST(SolverMoves, StartOnTheGoalLeavesItBlank)
{
    // The start mark is applied last, so the goal cell under it reads blank: the player
    // walks off it and back, and the jewel pushed onto it still wins.
    GameLevel level = drawnLevel({"#######", "#.....#", "#..*..#", "#..S..#", "#.....#", "#######"});
    level.goalx = 3;
    level.goaly = 3;
    const Solution solution = solvedShortest(level);
    EXPECT_EQ(solution.actions(), 5);
    EXPECT_EQ(solution.moves.back(), (Action{true, 3}));
}

TEST(SolverMoves, ClearsACrateOutOfTheWayFirst)
{
    // The crate blocks the only cell behind the jewel; pushed right it would wedge
    // against the jewel for good, so it has to go down into the niche.
    const GameLevel level = drawnLevel({
        "########",
        "#...####",
        "#S.o.*G#",
        "###.####",
        "########",
    });
    const Solution solution = solvedShortest(level);
    EXPECT_EQ(solution.pushes, 2);
    EXPECT_EQ(solution.actions(), 7);
    EXPECT_EQ(solution.moves[3], (Action{true, 3}));  // the crate goes down
}

TEST(SolverMoves, JewelRunsOverAnOddCodeAndClearsIt)
{
    // Code 9 lets only the jewel in; once the jewel has passed, the cell is blank
    // and the player walks over it to push again.
    const GameLevel level = drawnLevel({"#######", "#S*9.G#", "#######"});
    const Solution solution = solvedShortest(level);
    EXPECT_EQ(movesText(solution.moves), "RrRrR");
}

TEST(SolverMoves, ObstacleNeverEntersAnOddCode)
{
    const GameLevel level = drawnLevel({"#######", "#So7*G#", "#######"});
    EXPECT_EQ(solve(level).verdict, Verdict::unsolvable);
}

TEST(SolverMoves, JewelMayBePushedOntoASecondJewelCell)
{
    // Only a hand-made file holds two jewel cells; the game moves its jewel position
    // one cell whichever of them is pushed, and the rules still apply cell by cell.
    const GameLevel level = drawnLevel({"########", "#S*J..G#", "########"});
    solvedShortest(level);
}

TEST(SolverVerdicts, JewelInACornerIsUnsolvable)
{
    const GameLevel level = drawnLevel({"#####", "#*..#", "#..S#", "#..G#", "#####"});
    const Solution solution = solve(level);
    EXPECT_EQ(solution.verdict, Verdict::unsolvable);
    EXPECT_TRUE(solution.moves.empty());
}

TEST(SolverVerdicts, JewelAlongAWallNeverLeavesIt)
{
    const GameLevel level = drawnLevel({"######", "#.*..#", "#...S#", "#..G.#", "######"});
    EXPECT_EQ(solve(level).verdict, Verdict::unsolvable);
}

TEST(SolverVerdicts, CratesFrozenAboveTheGoalAreUnsolvable)
{
    // Two crates side by side on the goal's wall hold each other for good, and one
    // of them stands on the only cell the jewel could enter the goal from.
    const GameLevel level = drawnLevel({
        "#######",
        "#S....#",
        "#..*..#",
        "#.....#",
        "#.oo..#",
        "###G###",
        "#######",
    });
    EXPECT_EQ(solve(level).verdict, Verdict::unsolvable);
    EXPECT_FALSE(shortestByBruteForce(level).actions);
}

TEST(SolverVerdicts, LimitReachedIsUnknown)
{
    const GameLevel level = drawnLevel({
        "#########",
        "#S..o...#",
        "#.o.*.o.#",
        "#...o..G#",
        "#########",
    });
    const Solution solution = solve(level, SolverLimits{2});
    EXPECT_EQ(solution.verdict, Verdict::unknown);
    EXPECT_STREQ(verdictText(solution.verdict), "unknown (limit reached)");
    EXPECT_LE(solution.states, 2u);
}

TEST(SolverVerdicts, AStopRequestEndsTheSearch)
{
    // A wide room with many crates: each search needs far more than a thousand states.
    const GameLevel level = drawnLevel({
        "##############",
        "#S..o...o....#",
        "#.o.*.o...o..#",
        "#...o..o...o.#",
        "#.o...o..o..G#",
        "##############",
    });
    for (int asks_before_stop : {0, 3}) {
        int asked = 0;
        SolverLimits limits;
        limits.should_stop = [&] { return asked++ >= asks_before_stop; };
        const Solution stopped = solve(level, limits);
        EXPECT_TRUE(stopped.stopped) << asks_before_stop;
        EXPECT_FALSE(stopped.shortest);
        EXPECT_EQ(asked, asks_before_stop + 1);
        EXPECT_LT(stopped.states, 20000u);
    }
    EXPECT_EQ(solve(level, SolverLimits{1'000'000, [] { return true; }}).verdict, Verdict::unknown);
}

TEST(SolverGridEdge, NothingIsPushedOffTheGrid)
{
    // No frame at all: the cells beyond the grid count as border.
    EXPECT_EQ(solve(drawnLevel({"*SG"})).verdict, Verdict::unsolvable);
    EXPECT_EQ(solve(drawnLevel({"S*.", "..G"})).verdict, Verdict::unsolvable);
    EXPECT_EQ(solve(drawnLevel({"So", ".*", ".G"})).verdict, Verdict::unsolvable);
}

TEST(SolverGridEdge, PushesAlongTheEdgeStillCount)
{
    const Solution solution = solvedShortest(drawnLevel({"S*.G"}));
    EXPECT_EQ(movesText(solution.moves), "RrR");
    solvedShortest(drawnLevel({"..S", ".*.", "..G", "..."}));
}

TEST(SolverText, MovesAndVerdictsReadAsDocumented)
{
    EXPECT_EQ(movesText({{false, 0}, {false, 1}, {false, 2}, {false, 3}, {true, 0}, {true, 1}, {true, 2}, {true, 3}}),
              "rludRLUD");
    EXPECT_STREQ(verdictText(Verdict::solvable), "solvable");
    EXPECT_STREQ(verdictText(Verdict::unsolvable), "unsolvable");
}

} // namespace
} // namespace kelvaro
