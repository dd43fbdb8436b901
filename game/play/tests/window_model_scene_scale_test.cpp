// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's scale: whole zoom factors in a window, the largest fit on a full screen.
#include "game/play/scene_scale.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(SceneScale, aWindowShowsAWholeFactorFromOneToFour)
{
    EXPECT_EQ(windowedScale(1, 1), (SceneScale{1, 1, false, 737, 534, 0, 0}));
    EXPECT_EQ(windowedScale(3, 1), (SceneScale{1, 3, false, 737 * 3, 534 * 3, 0, 0}));
    EXPECT_EQ(windowedScale(9, 1).width, 737 * 4);
    EXPECT_EQ(windowedScale(0, 1).width, 737);
    // A dense screen renders at its own density, text included, then enlarges whole.
    EXPECT_EQ(windowedScale(2, 2), (SceneScale{2, 2, false, 737 * 4, 534 * 4, 0, 0}));
}

TEST(SceneScale, aFullScreenTakesTheLargestWholeFactorCentred)
{
    // 3840 x 2160 less a menu bar: 4x is 2136 high and does not fit; 3x does, centred.
    const SceneScale uhd = fittedScale(3840, 2160 - 27, 1);
    EXPECT_EQ(uhd, (SceneScale{1, 3, false, 2211, 1602, (3840 - 2211) / 2, (2133 - 1602) / 2}));
    EXPECT_DOUBLE_EQ(uhd.across(), 3.0);
    EXPECT_EQ(fittedScale(3840, 2160, 1).nearest, 4);
    EXPECT_EQ(fittedScale(737 * 2, 534 * 2, 1), (SceneScale{1, 2, false, 1474, 1068, 0, 0}));
}

TEST(SceneScale, whereOneWouldLeaveMostOfTheScreenEmptyAFractionFillsIt)
{
    // 1920 x 1080 less a menu bar: 2x does not fit, 1x would leave half of it black.
    const SceneScale hd = fittedScale(1920, 1053, 1);
    EXPECT_TRUE(hd.smooth);
    EXPECT_EQ(hd.nearest, 2);  // enlarged to 2x first, then one smooth step down
    EXPECT_EQ(hd.height, 1053);
    EXPECT_EQ(hd.width, 1453);  // 737 x 1053 / 534, rounded
    EXPECT_EQ(hd.top, 0);
    EXPECT_EQ(hd.left, (1920 - 1453) / 2);
    EXPECT_NEAR(hd.across(), hd.down(), 0.002);  // pixels keep their shape
    // A screen smaller than the scene shows all of it, smaller.
    const SceneScale small = fittedScale(640, 480, 1);
    EXPECT_TRUE(small.smooth);
    EXPECT_EQ(small.nearest, 1);
    EXPECT_EQ(small.width, 640);
}

TEST(SceneScale, aDenseScreenIsNeverSmoothed)
{
    // 1920 x 1053 pixels below the menus at density 2: 3840 x 2106 device pixels, where three
    // device pixels a scene pixel fit. Three is not a multiple of the density: rendered at 1.
    const SceneScale dense = fittedScale(3840, 2106, 2);
    EXPECT_EQ(dense, (SceneScale{1, 3, false, 737 * 3, 534 * 3, (3840 - 2211) / 2, (2106 - 1602) / 2}));
    // Four device pixels a scene pixel: rendered at the density, enlarged by two.
    EXPECT_EQ(fittedScale(737 * 4 + 10, 534 * 4, 2), (SceneScale{2, 2, false, 737 * 4, 534 * 4, 5, 0}));
    // Even below twice the scene's size in device pixels, nothing is smoothed.
    EXPECT_FALSE(fittedScale(1000, 600, 2).smooth);
}

} // namespace
} // namespace kelvaro
