// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: strokes, RESET and LOAD as single steps, the canvas's stale pictures, the budget.
#include "editor/core/tests/editor_fixture.h"

namespace kelvaro::testing {
namespace {

using P = CanvasPicture;

struct Picture {
    AuthorLevel level;
    Grid<CanvasPicture> canvas;
    std::string time;
    bool operator==(const Picture&) const = default;
};

class UndoTest : public EditorTest {
protected:
    Picture now() const { return {state.level, state.canvas, state.texts.timeBox}; }
    // A stroke: press on one cell, drag over the others, release.
    void stroke(int tool, std::vector<std::pair<int, int>> cells)
    {
        state.selectTool(tool);
        state.mouseDown(px(cells.front().first), px(cells.front().second));
        for (auto [x, y] : cells)
            state.mouseMove(true, px(x), px(y));
        state.mouseUp();
    }
};

TEST_F(UndoTest, AStrokeIsOneStepBackAndForth)
{
    const Picture start = now();
    stroke(obstacle, {{3, 3}, {4, 3}, {5, 3}, {5, 4}});
    stroke(jewel, {{6, 6}, {7, 6}});
    const Picture painted = now();
    EXPECT_EQ(state.history().steps(), 2u);

    ASSERT_TRUE(state.undo());
    EXPECT_EQ(state.level.jewelx, std::nullopt);
    EXPECT_EQ(state.maze().at(5, 4), AuthorCell(obstacle));
    ASSERT_TRUE(state.undo());
    EXPECT_EQ(now(), start);
    EXPECT_FALSE(state.undo());
    EXPECT_EQ(now(), start);

    ASSERT_TRUE(state.redo());
    ASSERT_TRUE(state.redo());
    EXPECT_EQ(now(), painted);
    EXPECT_FALSE(state.redo());
}

TEST_F(UndoTest, StrokesThatChangeNothingAreNoSteps)
{
    stroke(border, {{1, 1}, {1, 2}});  // already border
    state.mouseDown(-5, -5);           // off the grid
    state.mouseUp();
    EXPECT_EQ(state.history().steps(), 0u);
    EXPECT_FALSE(state.undo());
}

TEST_F(UndoTest, ResetAndLoadAreStepsSoNothingTheyReplaceIsLost)
{
    spill(maps / "maze1.txt", lines({"4", "4", "2", "2", "2", "2", "2", "2", "33",
                                     "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "0", "1", "1",
                                     "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
    stroke(goal, {{9, 9}});
    state.texts.timeBox = "60";
    const Picture painted = now();

    ASSERT_TRUE(state.load().ok());
    const Picture loaded = now();
    EXPECT_EQ(loaded.time, "33");
    state.texts.xBox = "7";
    ASSERT_TRUE(state.reset().ok());
    const Picture reset = now();

    ASSERT_TRUE(state.undo());
    EXPECT_EQ(now(), loaded);
    ASSERT_TRUE(state.undo());
    EXPECT_EQ(now(), painted);  // the grid, the canvas and the time box before LOAD
    ASSERT_TRUE(state.redo());
    EXPECT_EQ(now(), loaded);
    ASSERT_TRUE(state.redo());
    EXPECT_EQ(now(), reset);

    state.texts.xBox = "abc";  // a refused RESET is no step
    EXPECT_FALSE(state.reset().ok());
    EXPECT_EQ(state.history().steps(), 3u);
}

TEST_F(UndoTest, TheCanvasKeepsItsStalePicturesThroughUndoAndRedo)
{
    spill(maps / "maze1.txt", lines({"5", "4", "2", "2", "3", "2", "2", "3", "40", "1", "1", "1", "1", "1",
                                     "1", "0", "0", "0", "1", "1", "0", "0", "0", "1", "1", "0", "0", "0", "1",
                                     "1", "0", "0", "0", "1", "1", "1", "1", "1", "1"}));
    ASSERT_TRUE(state.load().ok());
    stroke(jewel, {{4, 1}});
    // Code 3 has no picture, so the jewel's old cell still shows it.
    EXPECT_EQ(state.canvas.at(2, 2), P::jewel);
    const Picture moved = now();
    ASSERT_TRUE(state.undo());
    EXPECT_EQ(state.canvas.at(4, 1), P::blank);
    EXPECT_EQ(state.level.jewelx, std::optional<std::int16_t>(2));
    ASSERT_TRUE(state.redo());
    EXPECT_EQ(now(), moved);
    EXPECT_EQ(state.canvas.at(2, 2), P::jewel);
}

TEST_F(UndoTest, ANewEditAfterUndoForgetsTheRedo)
{
    stroke(obstacle, {{3, 3}});
    stroke(obstacle, {{4, 4}});
    ASSERT_TRUE(state.undo());
    stroke(blank, {{2, 2}, {3, 3}});
    EXPECT_FALSE(state.redo());
    EXPECT_EQ(state.maze().at(4, 4), AuthorCell(blank));
}

TEST_F(UndoTest, AThousandStrokesAreKeptAndMemoryStaysBounded)
{
    const Picture start = now();
    for (int i = 0; i < 1200; ++i)  // every pass over the 144 inner cells flips them
        stroke((i / 144) % 2 ? blank : obstacle, {{2 + i % 12, 2 + (i / 12) % 12}});
    EXPECT_EQ(state.history().steps(), 1200u);
    EXPECT_LT(state.history().bytes(), 1200u * 1024);
    int undone = 0;
    while (state.undo())
        ++undone;
    EXPECT_EQ(undone, 1200);
    EXPECT_EQ(now(), start);
}

TEST(EditHistory, TheOldestStepsGoWhenTheBudgetIsSpent)
{
    AuthorLevel level;
    level.maze = Grid<AuthorCell>(99, 99, AuthorCell(0));
    Grid<CanvasPicture> canvas(99, 99, P::background);
    std::string time = "75";
    EditHistory history(1'000'000);
    for (int i = 0; i < 20; ++i) {
        const EditorSnapshot before{level, canvas, time};
        level.maze = Grid<AuthorCell>(99, 99, AuthorCell(static_cast<std::int16_t>(i + 1)));
        history.record(before, {level, canvas, time});
        EXPECT_LE(history.bytes(), 1'000'000u);
    }
    EXPECT_GT(history.steps(), 2u);
    EXPECT_LT(history.steps(), 20u);
    const std::size_t kept = history.steps();
    while (history.undo({level, canvas, time}))
        ;
    EXPECT_EQ(level.maze.at(0, 0), AuthorCell(static_cast<std::int16_t>(20 - kept)));
}

} // namespace
} // namespace kelvaro::testing
