// SPDX-License-Identifier: GPL-3.0-or-later
// A win's figures over a small drawn level whose moves can be counted by hand.
#include "level/analysis/win_statistics.h"
#include "level/tests/drawn_level.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(WinStatistics, ActionsPushesObjectChangesAndPushRuns)
{
    const GameLevel level = testing::drawnLevel({
        "#######",
        "#.....#",
        "#o....#",
        "#S*..G#",
        "#######",
    });
    // The jewel, then the crate above without a walk between (one run, one change), then the
    // jewel again twice, a walk before each push.
    EXPECT_EQ(winStatistics(level, *readMoves("RUrRrR")), (WinStatistics{6, 4, 2, 3}));
    // The crate first: the jewel's pushes after it are one object, one change in all.
    EXPECT_EQ(winStatistics(level, *readMoves("URrRrR")), (WinStatistics{6, 4, 1, 3}));
    EXPECT_EQ(winStatistics(level, {}), WinStatistics{});
}

} // namespace
} // namespace kelvaro
