// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser's thumbnails: the cells the game draws, shrunk whole to fit, a level too big for any size cut off.
#include "game/play/level_thumbnail.h"
#include "game/play/tests/window_model_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(Thumbnail, ShrinksEachCellToFitAndShowsOnlyTheCellsTheGameDraws)
{
    const Images images = codedImages();
    struct Case {
        int maxx, maxy;
        int width, height;  // of the thumbnail
        int px;             // a cell's side
    };
    const Case cases[] = {
        {7, 5, 48, 32, 8},          // 6 x 4 cells drawn
        {18, 17, 136, 128, 8},      // 17 x 16: what the window shows, at full size
        {40, 30, 117, 87, 3},       // 39 x 29 cells: 136 / 39 = 3
        {255, 255, 136, 128, 1},    // 254 cells a side even at one pixel: cut off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maxx);
        const GameLevel level = framedLevel(c.maxx, c.maxy);
        const Surface thumb = levelThumbnail(level, images, 136, 128);
        EXPECT_EQ(thumb.width(), c.width);
        EXPECT_EQ(thumb.height(), c.height);
        // Cell (1, 1) is border, (2, 2) the figure, (3, 2) the jewel: every pixel of each
        // cell one colour, so the edges are sharp.
        for (int i = 0; i < c.px; ++i)
            for (int j = 0; j < c.px; ++j) {
                EXPECT_EQ(thumb.at(i, j), colour::border);
                EXPECT_EQ(thumb.at(c.px + i, c.px + j), colour::strip(0, 0));
                EXPECT_EQ(thumb.at(2 * c.px + i, c.px + j), colour::jewel);
            }
        EXPECT_EQ(thumb.at(3 * c.px, 2 * c.px), colour::blank);
    }
}

TEST(Thumbnail, AFigureOnTheOuterRingOrBeyondIsLeftOut)
{
    const Images images = codedImages();
    GameLevel level = framedLevel(6, 6);
    level.playerx = 0;
    level.playery = 200;
    const Surface thumb = levelThumbnail(level, images, 136, 128);
    for (int y = 0; y < thumb.height(); ++y)
        for (int x = 0; x < thumb.width(); ++x)
            ASSERT_NE(thumb.at(x, y), colour::strip(0, 0));
}

} // namespace
} // namespace kelvaro
