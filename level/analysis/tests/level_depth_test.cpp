// SPDX-License-Identifier: GPL-3.0-or-later
// Depth figures and the position space on small drawn levels whose figures can be counted by hand.
#include "level/tests/drawn_level.h"
#include "level/analysis/level_depth.h"
#include "level/solver/solver.h"
#include "level/solver/solver_space.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

using testing::drawnLevel;

struct DepthCase {
    const char* name;
    std::vector<std::string> rows;
    Depth expected;
};

// A crate blocks the way; pushed on, it jams against the jewel (a trap from the start),
// pushed down into the niche it clears the way.
const std::vector<std::string> niche = {
    "#######",
    "#..####",
    "#So.*G#",
    "##.####",
    "#######",
};

const DepthCase cases[] = {
    {"straight run", {"########", "#S*...G#", "########"}, {.pushes = 4, .jewel_pushes = 4, .longest_run = 4}},
    {"crate into the niche",
     niche,
     {.pushes = 2, .jewel_pushes = 1, .crate_pushes = 1, .object_changes = 1, .crates_moved = 1,
      .crates_must_move = 1, .traps = 1, .first_push_loses = true, .longest_run = 1}},
    // The crate stands aside: nothing has to move it, and pushing it is harmless.
    {"crate aside",
     {"#######", "#.o.###", "#S.*.G#", "#######"},
     {.pushes = 2, .jewel_pushes = 2, .longest_run = 2}},
};

TEST(LevelDepth, FiguresOfSmallLevels)
{
    for (const DepthCase& c : cases) {
        SCOPED_TRACE(c.name);
        const GameLevel level = drawnLevel(c.rows);
        const Solution solution = solve(level);
        ASSERT_EQ(solution.verdict, Verdict::solvable);
        const Depth d = measureDepth(level, solution);
        EXPECT_TRUE(d.space_complete);
        EXPECT_EQ(d.pushes, c.expected.pushes);
        EXPECT_EQ(d.jewel_pushes, c.expected.jewel_pushes);
        EXPECT_EQ(d.crate_pushes, c.expected.crate_pushes);
        EXPECT_EQ(d.object_changes, c.expected.object_changes);
        EXPECT_EQ(d.crates_moved, c.expected.crates_moved);
        EXPECT_EQ(d.crates_must_move, c.expected.crates_must_move);
        EXPECT_EQ(d.traps, c.expected.traps);
        EXPECT_EQ(d.first_push_loses, c.expected.first_push_loses);
        EXPECT_EQ(d.longest_run, c.expected.longest_run);
        EXPECT_GT(d.search_effort, 0u);
        EXPECT_GT(d.positions, 0u);
    }
}

TEST(LevelDepth, QuickLeavesOutTheSpaceAndUnsolvableHasNoFigures)
{
    const GameLevel level = drawnLevel(niche);
    const Depth quick = measureDepth(level, solve(level), {.full = false});
    EXPECT_FALSE(quick.space_complete);
    EXPECT_FALSE(quick.space_cut);
    EXPECT_EQ(quick.traps, 0);
    EXPECT_EQ(quick.object_changes, 1);

    const GameLevel stuck = drawnLevel({"#######", "#S.o*G#", "#######"});
    const Solution none = solve(stuck);
    ASSERT_EQ(none.verdict, Verdict::unsolvable);
    const Depth d = measureDepth(stuck, none);
    EXPECT_EQ(d.pushes, 0);
    EXPECT_FALSE(d.space_complete);
}

TEST(LevelDepth, TooManyPositionsLeavesTrapsUncounted)
{
    const GameLevel level = drawnLevel(niche);
    const Depth d = measureDepth(level, solve(level), {.max_states = 1});
    EXPECT_FALSE(d.space_complete);
    EXPECT_TRUE(d.space_cut);
    EXPECT_EQ(d.positions, 1u);  // what was found before the limit stopped the count
    EXPECT_EQ(d.traps, 0);
    EXPECT_EQ(d.crates_must_move, 0);
}

TEST(PositionSpace, WinnablePositionsAndWaysAroundACrate)
{
    const PositionSpace space(drawnLevel(niche), 1000);
    ASSERT_TRUE(space.complete());
    EXPECT_TRUE(space.winnable(0));
    int lost = 0, kept = 0;
    for (const SpacePush& push : space.pushes(0))
        (space.wins(push) ? kept : lost) += 1;
    EXPECT_EQ(lost, 1);  // the crate pushed on against the jewel
    EXPECT_EQ(kept, 1);  // the crate pushed down into the niche
    EXPECT_FALSE(space.winsWithout(2, 2));  // the crate's start cell
    EXPECT_TRUE(space.winsWithout(1, 1));   // a cell nothing stands in

    EXPECT_EQ(space.found(), space.size());
    const PositionSpace cut(drawnLevel(niche), 1);
    EXPECT_FALSE(cut.complete());
    EXPECT_EQ(cut.found(), 1u);
    EXPECT_FALSE(PositionSpace(drawnLevel(niche), 0).complete());
    EXPECT_FALSE(cut.winsWithout(1, 1));
}

TEST(PositionSpace, AStopRequestEndsTheCountUnfinished)
{
    // Long enough to be asked: a wide room with crates to shuffle.
    const GameLevel level = drawnLevel({"##########", "#S.o..o..#", "#..o.o.o.#", "#.o..*..G#", "##########"});
    int asked = 0;
    const PositionSpace stopped(level, 1'000'000, [&] { return ++asked == 2; });
    EXPECT_FALSE(stopped.complete());
    EXPECT_TRUE(stopped.stopped());
    EXPECT_EQ(asked, 2);
    EXPECT_GE(stopped.found(), 512u);  // asked every 256 positions
    const PositionSpace whole(level, 1'000'000, [] { return false; });
    EXPECT_TRUE(whole.complete());
    EXPECT_FALSE(whole.stopped());
    EXPECT_GT(whole.size(), stopped.found());
}

} // namespace
} // namespace kelvaro
