// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse play on the fake clock: the path a click walks and its pace, pushes and picks, what
// interrupts a walk or holds it, and the clicks that must do nothing.
#include "game/play/tests/window_model_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Rows = std::vector<std::string>;
const Rows maze = {
    "###########",
    "###########",
    "##@.......#",
    "##...o....#",
    "##.####...#",
    "##......G*#",
    "###########",
    "###########",
};

// Where the player stood after each walk and push, and when, as the engine reports them.
struct Moves {
    std::vector<std::uint32_t> when;
    std::vector<CellPos> cells;
    int pushes = 0;

    explicit Moves(WindowModelRig& rig)
    {
        rig.engine.changed = [this, &rig, window = rig.engine.changed](Engine::Change change) {
            window(change);
            if (change == Engine::Change::walked || change == Engine::Change::pushed) {
                when.push_back(rig.clock.now);
                cells.push_back({rig.engine.playerx(), rig.engine.playery()});
                pushes += change == Engine::Change::pushed;
            }
        };
    }
    std::uint32_t shortestGap() const
    {
        std::uint32_t gap = ~0u;
        for (std::size_t i = 1; i < when.size(); ++i)
            gap = std::min(gap, when[i] - when[i - 1]);
        return gap;
    }
};

struct PointerRig : WindowModelRig {
    explicit PointerRig(const Rows& rows = maze)
    {
        EXPECT_TRUE(play(1, rows));
        run(100);
    }
    using WindowModelRig::click;
    void click(int x, int y)
    {
        model.onCellClick(x, y);
        model.advance();
    }
    CellPos player() const { return {engine.playerx(), engine.playery()}; }
    CellPos crate() const
    {
        for (int x = 0; x <= engine.maxx(); ++x)
            for (int y = 0; y <= engine.maxy(); ++y)
                if (engine.maze().at(x, y) == obstacle)
                    return {x, y};
        return {-1, -1};
    }
};

TEST(Pointer, AClickOnAFloorCellWalksAShortestPathThereAtTheKeyboardsPace)
{
    PointerRig rig;
    Moves moves(rig);
    rig.click(3, 5);
    rig.run(3000);
    // Down the left side and along, a cell at a time.
    EXPECT_EQ(moves.cells, (std::vector<CellPos>{{2, 3}, {2, 4}, {2, 5}, {3, 5}}));
    EXPECT_EQ(moves.shortestGap(), 225u);  // never faster than a held key
    EXPECT_TRUE(rig.model.waitsForKeys());  // and at rest again once there
    EXPECT_TRUE(drawnAt(rig.controls.windowSurface, colour::strip(0, 0), 3 * 32, 5 * 32));
}

TEST(Pointer, AKeyAnEscOrARightClickStopsAWalkAtTheNextCell)
{
    struct Case {
        const char* how;
        CellPos end;
    };
    for (const Case c : {Case{"right click", {4, 2}}, Case{"Esc", {4, 2}}, Case{"arrow", {4, 3}}}) {
        SCOPED_TRACE(c.how);
        PointerRig rig;
        rig.click(9, 2);
        rig.run(300);  // one cell walked, the second under way
        const std::string how = c.how;
        if (how == "Esc") {
            rig.press('\x1b');
        } else if (how == "arrow") {
            rig.keys.hold({Key::down});  // the window forwards the key going down as a stop
            rig.model.cancelPointer();
            rig.run(250);
            rig.keys.releaseAll();
        } else {
            rig.model.cancelPointer();
        }
        rig.run(2000);
        EXPECT_EQ(rig.player(), c.end);  // an arrow key then walks on by itself
        EXPECT_TRUE(rig.model.waitsForKeys());
    }
}

TEST(Pointer, AnotherClickChangesCourseAfterTheCellUnderWay)
{
    PointerRig rig;
    Moves moves(rig);
    rig.click(9, 2);
    rig.run(300);
    rig.click(2, 3);  // during the second walk: acts once it is over
    rig.run(3000);
    EXPECT_EQ(moves.cells, (std::vector<CellPos>{{3, 2}, {4, 2}, {3, 2}, {2, 2}, {2, 3}}));
}

TEST(Pointer, APauseHoldsAWalkAndResumingFinishesIt)
{
    PointerRig rig;
    Moves moves(rig);
    rig.click(9, 2);
    rig.run(300);
    rig.press('p');
    rig.run(5000);
    EXPECT_EQ(rig.player(), (CellPos{4, 2}));  // the walk under way ended; then it held
    EXPECT_EQ(rig.engine.timeleft(), 75);
    rig.press('p');
    rig.run(3000);
    EXPECT_EQ(rig.player(), (CellPos{9, 2}));
    EXPECT_GE(moves.shortestGap(), 225u);
}

TEST(Pointer, AClickBesideTheCratePushesItOneCellAsCtrlWithTheArrowDoes)
{
    PointerRig rig;
    rig.click(4, 3);  // walk beside the crate first
    rig.run(1000);
    ASSERT_EQ(rig.player(), (CellPos{4, 3}));
    rig.click(5, 3);
    rig.run(1000);
    EXPECT_EQ(rig.crate(), (CellPos{6, 3}));
    EXPECT_EQ(rig.player(), (CellPos{4, 3}));  // a push leaves the player where it stands
    EXPECT_EQ(rig.engine.playerdir(), 0);
    EXPECT_EQ(rig.sound.count("moving"), 1);
}

// Far off, a click picks the crate and marks where it can go; a click on a mark makes the
// fewest pushes that take it there, with the walks between them.
TEST(Pointer, APickedCrateGoesToTheMarkedCellWithTheFewestPushes)
{
    PointerRig rig;
    Moves moves(rig);
    rig.click(5, 3);
    const PushMarks& marks = rig.controls.pushMarks;
    ASSERT_TRUE(marks.visible);
    EXPECT_EQ(std::make_pair(marks.objectx, marks.objecty), std::make_pair(5, 3));
    const auto marked = [&](int x, int y) { return std::ranges::count(marks.targets, std::make_pair(x, y)) == 1; };
    EXPECT_TRUE(marked(8, 4));
    EXPECT_FALSE(marked(8, 5));  // the goal: no place for a crate
    EXPECT_FALSE(marked(4, 4));  // a wall
    EXPECT_TRUE(rig.model.pointerActs(8, 4));
    EXPECT_TRUE(moves.cells.empty());  // a pick moves nothing

    rig.click(8, 4);
    EXPECT_FALSE(marks.visible);
    rig.run(6000);
    EXPECT_EQ(rig.crate(), (CellPos{8, 4}));
    EXPECT_EQ(moves.pushes, 4);  // three to the right, one down
    EXPECT_GE(moves.shortestGap(), 225u);
    EXPECT_TRUE(rig.model.waitsForKeys());
}

TEST(Pointer, ASecondClickOnThePickOrARightClickLetsItGo)
{
    PointerRig rig;
    rig.click(5, 3);
    ASSERT_TRUE(rig.controls.pushMarks.visible);
    rig.click(5, 3);
    EXPECT_FALSE(rig.controls.pushMarks.visible);
    rig.click(5, 3);
    rig.model.cancelPointer();
    EXPECT_FALSE(rig.controls.pushMarks.visible);
    rig.click(5, 3);
    rig.press('p');  // a pause hides the marks with the playfield
    EXPECT_FALSE(rig.controls.pushMarks.visible);
}

TEST(Pointer, ClicksThatMustDoNothing)
{
    PointerRig rig;
    rig.click(3, 4);  // a wall
    rig.click(8, 5);  // the goal
    rig.click(0, 0);  // the outer ring
    rig.click(40, 3);  // off the level
    rig.run(1000);
    EXPECT_EQ(rig.player(), (CellPos{2, 2}));
    EXPECT_FALSE(rig.controls.pushMarks.visible);

    rig.press('p');
    rig.click(3, 2);
    rig.run(1000);
    EXPECT_EQ(rig.player(), (CellPos{2, 2}));  // paused
    EXPECT_FALSE(rig.model.pointerActs(3, 2));
    rig.press('p');

    rig.click(Command::helpItem);  // a box open: the game is paused behind it too
    rig.model.onCellClick(3, 2);
    rig.dialogs.answer("");
    rig.press('p');
    rig.run(1000);
    EXPECT_EQ(rig.player(), (CellPos{2, 2}));

    // During the start effect.
    rig.click(Command::restartLevelItem);
    rig.answer("yes");
    ASSERT_TRUE(rig.inSpiral());
    rig.model.onCellClick(3, 2);
    EXPECT_FALSE(rig.model.pointerActs(3, 2));
    rig.toPlay();
    rig.run(1000);
    EXPECT_EQ(rig.player(), (CellPos{2, 2}));
    EXPECT_TRUE(rig.model.pointerActs(3, 2));

    // After the level ends.
    rig.run(80'000);
    ASSERT_TRUE(rig.controls.gameOverLabel.visible);
    rig.click(3, 2);
    rig.run(1000);
    EXPECT_EQ(rig.player(), (CellPos{2, 2}));
    EXPECT_FALSE(rig.model.pointerActs(3, 2));
}

TEST(Pointer, TheHandShowsWhereAClickWouldAct)
{
    const Rows rows = {"##########", "##########", "##@..o.###", "####o#####", "##..*.G###", "##########",
                       "##########"};
    PointerRig rig(rows);
    EXPECT_TRUE(rig.model.pointerActs(3, 2));   // floor within reach
    EXPECT_TRUE(rig.model.pointerActs(5, 2));   // a crate that can be pushed right
    EXPECT_FALSE(rig.model.pointerActs(2, 2));  // the player's own cell
    EXPECT_FALSE(rig.model.pointerActs(6, 2));  // behind the crate, out of reach
    EXPECT_FALSE(rig.model.pointerActs(4, 3));  // a crate that cannot move from any side reached
    EXPECT_FALSE(rig.model.pointerActs(2, 4));  // floor out of reach
    EXPECT_FALSE(rig.model.pointerActs(1, 2));  // a wall
}

} // namespace
} // namespace kelvaro
