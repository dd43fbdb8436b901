// SPDX-License-Identifier: GPL-3.0-or-later
// The level start: the READY! spiral's tiles and pacing, its sounds, and the state a start leaves.
#include "game/engine/tests/engine_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

// The tiles as they reach the window, one millisecond at a time; the window is wiped after
// each look so that a cell drawn twice is seen twice. Counts the rings by their gaps.
std::vector<CellPos> observedTiles(EngineRig& rig, int& rings)
{
    std::vector<CellPos> tiles;
    Surface& window = rig.controls.windowSurface;
    auto look = [&] {
        for (int y = 0; y <= rig.engine.maxy(); ++y)
            for (int x = 0; x <= rig.engine.maxx(); ++x)
                if (cellColour(window, x, y) == colour::ready)
                    tiles.push_back({x, y});
        window.fill(black);
    };
    rings = 1;
    look();
    for (;;) {
        ++rig.clock.now;
        rig.engine.advance();
        const Engine::Phase phase = rig.engine.phase();
        if (phase != Engine::Phase::spiral_ring && phase != Engine::Phase::spiral_gap)
            return tiles;
        rings += phase == Engine::Phase::spiral_gap;
        look();
    }
}

TEST(Spiral, DrawsItsRingsClockwiseInwardInsideTheFrame)
{
    struct Case {
        int maxx, maxy;
        std::vector<CellPos> tiles;
    };
    const Case cases[] = {
        {4, 3, {{1, 1}, {2, 1}, {3, 1}, {3, 2}, {2, 2}, {1, 2}}},
        // one inner row: the bottom edge walks back over the top edge and counts again
        {4, 2, {{1, 1}, {2, 1}, {3, 1}, {2, 1}, {1, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.maxx << " x " << c.maxy);
        EngineRig rig;
        rig.start(framedLevel(c.maxx, c.maxy));
        int rings = 0;
        EXPECT_EQ(observedTiles(rig, rings), c.tiles);
        EXPECT_EQ(rings, 1);
        EXPECT_EQ(rig.engine.spiralTiles(), static_cast<int>(c.tiles.size()));
    }
}

TEST(Spiral, SixteenBySixteenCoversEachInnerCellOnceInSevenRings)
{
    EngineRig rig;
    rig.start(framedLevel(15, 15));
    int rings = 0;
    const std::vector<CellPos> tiles = observedTiles(rig, rings);
    ASSERT_EQ(tiles.size(), 196u);
    EXPECT_EQ(rings, 7);
    EXPECT_EQ(tiles[13], (CellPos{14, 1}));  // end of the first top edge
    EXPECT_EQ(tiles[14], (CellPos{14, 2}));  // down the right edge
    EXPECT_EQ(tiles.back(), (CellPos{7, 8}));
    for (int x = 1; x <= 14; ++x)
        for (int y = 1; y <= 14; ++y)
            EXPECT_EQ(std::count(tiles.begin(), tiles.end(), CellPos{x, y}), 1) << x << "," << y;
}

TEST(Spiral, TenMillisecondsATileThenSevenHundredThenPlay)
{
    struct Case {
        int maxx, maxy;
        std::uint32_t start;
        int tiles;
    };
    const Case cases[] = {
        {4, 3, 1000, 6},
        {4, 3, 0xffffffd0u, 6},  // the tick count wraps halfway through
        {15, 15, 5000, 196},     // the rings follow each other without a pause
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.maxx << " x " << c.maxy << " from " << c.start);
        EngineRig rig(c.start);
        rig.start(framedLevel(c.maxx, c.maxy));
        EXPECT_EQ(rig.sound.log, std::vector<std::string>{"ready"});
        for (int k = 1; k < c.tiles; ++k) {
            rig.run(9);
            ASSERT_EQ(rig.engine.spiralTiles(), k);
            rig.run(1);
            ASSERT_EQ(rig.engine.spiralTiles(), k + 1);
        }
        rig.run(9);
        EXPECT_EQ(rig.sound.count("sfyrixtra"), 0);
        rig.run(1);  // the last tile's 10 ms are over
        EXPECT_EQ(rig.sound.count("sfyrixtra"), 1);
        rig.run(699);
        EXPECT_EQ(rig.sound.count("music"), 0);
        EXPECT_FALSE(rig.controls.countdownTimer.enabled);
        EXPECT_EQ(rig.engine.phase(), Engine::Phase::spiral_wait);
        rig.run(1);
        EXPECT_EQ(rig.sound.log, (std::vector<std::string>{"ready", "sfyrixtra", "music"}));
        EXPECT_TRUE(rig.controls.countdownTimer.enabled);
        EXPECT_EQ(rig.engine.phase(), Engine::Phase::playing);
        EXPECT_EQ(rig.clock.now - c.start, static_cast<std::uint32_t>(10 * c.tiles + 700));
    }
}

TEST(LevelStart, ResetsTheRunTheReadoutsAndTheControls)
{
    struct Case {
        int number;
        std::int16_t time;
        const char* level_caption;
        const char* time_caption;
    };
    const Case cases[] = {{12, 75, "LEVEL : 12", "TIME : 75"}, {7, -5, "LEVEL : 7", "TIME : -5"}};
    for (const Case& c : cases) {
        EngineRig rig;
        Controls& k = rig.controls;
        // Leftovers of a finished, paused, timed-out run facing up.
        rig.start(framedLevel(4, 3), 99);
        ASSERT_TRUE(rig.toPlay());
        rig.keys.hold({Key::up});  // against the wall: the figure only turns
        rig.run(25);
        rig.keys.releaseAll();
        ASSERT_EQ(rig.engine.playerdir(), 2);
        rig.engine.pause();
        rig.timeRunsOut();
        k.countdownTimer.disable();  // as the window's countdown does when the time is up
        for (LabelControl* label : {&k.gameOverLabel, &k.pausedLabel, &k.winnerLabel, &k.bannerLabel})
            label->visible = true;
        for (ButtonControl* button : {&k.nextButton, &k.abortButton, &k.retryButton})
            button->visible = true;
        k.sadPicture.visible = true;

        rig.start(framedLevel(4, 3, c.time), c.number);
        EXPECT_EQ(english(k.levelLabel.caption), c.level_caption);
        EXPECT_EQ(english(k.timeLabel.caption), c.time_caption);
        EXPECT_EQ(rig.engine.backBufferWidth(), 160);
        EXPECT_EQ(rig.engine.backBufferHeight(), 128);
        EXPECT_TRUE(rig.engine.playing());
        EXPECT_FALSE(rig.engine.timeup());
        EXPECT_EQ(rig.engine.paused(), 0);
        EXPECT_EQ(rig.engine.playerdir(), 0);
        EXPECT_TRUE(k.endGameItem.enabled && k.restartLevelItem.enabled);
        for (const LabelControl* label : {&k.gameOverLabel, &k.pausedLabel, &k.winnerLabel, &k.bannerLabel})
            EXPECT_FALSE(label->visible) << label->caption;
        for (const ButtonControl* button : {&k.nextButton, &k.abortButton, &k.retryButton})
            EXPECT_FALSE(button->visible) << button->caption;
        EXPECT_FALSE(k.sadPicture.visible);
        EXPECT_FALSE(k.countdownTimer.enabled);  // only after the start effect
    }
}

TEST(LevelStart, AFailedReadReturnsTheErrorLeavesTheReadoutsAndEndsTheRunInProgress)
{
    EngineRig rig;
    rig.start(framedLevel(15, 15), 4);
    rig.run(100);
    rig.levels.damage(5, LevelError{LevelError::Kind::early_end, 300, plainText("the file ends early")});
    const std::optional<LevelError> error = rig.engine.startlevel(5);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, LevelError::Kind::early_end);
    EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL : 4");
    const int tiles = rig.engine.spiralTiles();
    rig.run(5000);
    EXPECT_EQ(rig.engine.spiralTiles(), tiles);
    EXPECT_EQ(rig.sound.count("sfyrixtra"), 0);
    EXPECT_FALSE(rig.controls.countdownTimer.enabled);
}

} // namespace
} // namespace kelvaro
