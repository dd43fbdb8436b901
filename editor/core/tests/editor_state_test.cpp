// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's start-up grid, tool palette, painting and what the canvas shows.
#include "editor/core/tests/editor_fixture.h"

#include "editor/core/palette.h"

namespace kelvaro::testing {
namespace {

using P = CanvasPicture;

TEST_F(EditorTest, StartsWithABorderedSixteenBySixteenGrid)
{
    const auto& maze = state.maze();
    ASSERT_EQ(maze.maxx(), 15);
    ASSERT_EQ(maze.maxy(), 15);
    for (int x = 0; x <= 15; ++x)
        for (int y = 0; y <= 15; ++y) {
            const bool frame = x < 2 || x > 13 || y < 2 || y > 13;
            EXPECT_EQ(maze.at(x, y), AuthorCell(frame ? 1 : 0)) << x << ", " << y;
        }
    EXPECT_EQ(state.tool, 1);
    EXPECT_EQ(state.toolOutlineLeft, 17);
    EXPECT_FALSE(state.level.jewelx || state.level.jewely || state.level.goalx || state.level.goaly ||
                 state.level.startx || state.level.starty);
    EXPECT_EQ(state.level.leveltime, 0);
    EXPECT_EQ(english(state.cellReadout), "");
}

TEST_F(EditorTest, CanvasCoversTheGridButOnlyTheInnerCellsAreDrawn)
{
    ASSERT_EQ(state.canvas.columns() * 32, 512);
    ASSERT_EQ(state.canvas.rows() * 32, 512);
    for (int i = 0; i <= 15; ++i) {
        EXPECT_EQ(state.canvas.at(0, i), P::background);
        EXPECT_EQ(state.canvas.at(15, i), P::background);
        EXPECT_EQ(state.canvas.at(i, 0), P::background);
        EXPECT_EQ(state.canvas.at(i, 15), P::background);
    }
    EXPECT_EQ(state.canvas.at(1, 1), P::border);
    EXPECT_EQ(state.canvas.at(14, 7), P::border);
    EXPECT_EQ(state.canvas.at(2, 2), P::blank);
    EXPECT_EQ(state.canvas.at(13, 13), P::blank);
}

TEST_F(EditorTest, PaletteClickSelectsTheToolAndMovesToolOutlineOnly)
{
    const auto canvas = state.canvas;
    const std::pair<int, int> expected[] = {{0, 62}, {4, 111}, {3, 159}, {2, 208}, {5, 257}, {1, 17}};
    for (auto [code, left] : expected) {
        state.selectTool(code);
        EXPECT_EQ(state.tool, code);
        EXPECT_EQ(state.toolOutlineLeft, left);
    }
    state.selectTool(6);
    EXPECT_EQ(state.tool, 1);
    EXPECT_EQ(state.canvas, canvas);
}

TEST_F(EditorTest, PressesReachTheLastColumnOnlyOnItsFirstPixel)
{
    state.selectTool(obstacle);
    state.mouseDown(480, 100);  // column 15: painted, never drawn
    EXPECT_EQ(state.maze().at(15, 3), AuthorCell(4));
    EXPECT_EQ(state.canvas.at(15, 3), P::background);

    state.mouseDown(10, 100);  // column 0: painted, never drawn
    EXPECT_EQ(state.maze().at(0, 3), AuthorCell(4));
    EXPECT_EQ(state.canvas.at(0, 3), P::background);

    state.mouseDown(100, 480);
    EXPECT_EQ(state.maze().at(3, 15), AuthorCell(4));

    const AuthorLevel before = state.level;
    for (auto [x, y] : {std::pair{481, 100}, {100, 481}, {-1, 100}, {100, -1}, {511, 511}})
        state.mouseDown(x, y);
    EXPECT_EQ(state.level, before);
}

TEST_F(EditorTest, DraggingACellToolPaintsEveryCellThePointerCrosses)
{
    state.selectTool(border);
    state.mouseDown(px(3), px(4));
    for (int x = 3; x <= 8; ++x)
        state.mouseMove(true, px(x), px(4));
    for (int x = 3; x <= 8; ++x) {
        EXPECT_EQ(state.maze().at(x, 4), AuthorCell(1)) << x;
        EXPECT_EQ(state.canvas.at(x, 4), P::border) << x;
    }
    // The read-out is taken before the tool is applied.
    EXPECT_EQ(english(state.cellReadout), "Current : 0");
    state.mouseMove(true, px(8), px(4));
    EXPECT_EQ(english(state.cellReadout), "Current : 1");
}

TEST_F(EditorTest, MovingWithNoButtonOnlyChangesTheReadOut)
{
    use(obstacle, 5, 5);
    const AuthorLevel level = state.level;
    const auto canvas = state.canvas;
    state.mouseMove(false, px(5), px(5));
    EXPECT_EQ(english(state.cellReadout), "Current : 4");
    state.mouseMove(false, px(4), px(5));
    EXPECT_EQ(english(state.cellReadout), "Current : 0");
    state.mouseMove(false, 600, 20);  // beyond the grid: the read-out keeps its text
    EXPECT_EQ(english(state.cellReadout), "Current : 0");
    EXPECT_EQ(state.level, level);
    EXPECT_EQ(state.canvas, canvas);
}

TEST_F(EditorTest, DraggingAUniqueItemCarriesItAlongAndBlanksItsPath)
{
    use(obstacle, 4, 6);
    state.selectTool(jewel);
    state.mouseDown(px(3), px(6));
    state.mouseMove(true, px(4), px(6));
    state.mouseMove(true, px(5), px(6));
    EXPECT_EQ(state.level.jewelx, Coordinate(5));
    EXPECT_EQ(state.level.jewely, Coordinate(6));
    for (int x = 3; x <= 5; ++x)
        EXPECT_EQ(state.maze().at(x, 6), AuthorCell(0)) << x;
    EXPECT_EQ(state.canvas.at(3, 6), P::blank);
    EXPECT_EQ(state.canvas.at(4, 6), P::blank);  // the obstacle was blanked on the way
    EXPECT_EQ(state.canvas.at(5, 6), P::jewel);
}

TEST_F(EditorTest, JewelOnABorderCellBlanksItForGood)
{
    use(jewel, 1, 5);
    EXPECT_EQ(state.maze().at(1, 5), AuthorCell(0));
    EXPECT_EQ(state.canvas.at(1, 5), P::jewel);
    press(7, 7);
    EXPECT_EQ(state.canvas.at(1, 5), P::blank);
    EXPECT_EQ(state.maze().at(1, 5), AuthorCell(0));
}

TEST_F(EditorTest, PlacingTheGoalTwiceLeavesOneGoal)
{
    use(goal, 3, 3);
    press(9, 10);
    EXPECT_EQ(state.level.goalx, Coordinate(9));
    EXPECT_EQ(state.level.goaly, Coordinate(10));
    EXPECT_EQ(state.canvas.at(3, 3), P::blank);
    EXPECT_EQ(state.canvas.at(9, 10), P::goal);
    int goals = 0;
    for (const CanvasPicture shown : state.canvas.cells())
        goals += shown == P::goal;
    EXPECT_EQ(goals, 1);
}

TEST_F(EditorTest, SharedCellsShowTheLastOfJewelGoalStart)
{
    use(jewel, 4, 4);
    use(goal, 4, 4);
    EXPECT_EQ(state.canvas.at(4, 4), P::goal);
    use(start_tool, 4, 4);
    EXPECT_EQ(state.canvas.at(4, 4), P::start);
    use(start_tool, 6, 6);
    EXPECT_EQ(state.canvas.at(4, 4), P::goal);
    use(goal, 8, 8);
    EXPECT_EQ(state.canvas.at(4, 4), P::jewel);
}

TEST_F(EditorTest, ItemsInTheOuterRingAreStoredButNotShown)
{
    use(start_tool, 0, 0);
    EXPECT_EQ(state.level.startx, Coordinate(0));
    EXPECT_EQ(state.level.starty, Coordinate(0));
    EXPECT_EQ(state.maze().at(0, 0), AuthorCell(0));
    EXPECT_EQ(state.canvas.at(0, 0), P::background);
}

TEST_F(EditorTest, TinyGridsDrawNothingAndTakePressesOnTheirFirstPixels)
{
    state.texts.xBox = "1";
    state.texts.yBox = "1";
    ASSERT_TRUE(state.reset().ok());
    EXPECT_EQ(state.maze().cells(), std::vector<AuthorCell>(4, AuthorCell(1)));
    EXPECT_EQ(state.canvas.cells(), std::vector<CanvasPicture>(4, P::background));
    state.selectTool(blank);
    state.mouseDown(37, 37);
    EXPECT_EQ(state.maze().at(1, 1), AuthorCell(1));
    state.mouseDown(32, 32);
    EXPECT_EQ(state.maze().at(1, 1), AuthorCell(0));
    state.mouseDown(33, 10);
    EXPECT_EQ(state.maze().at(1, 0), AuthorCell(1));
}

} // namespace
} // namespace kelvaro::testing
