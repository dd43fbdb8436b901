// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's drawing: the areas it reports cover every pixel it changed, and cells drawn alone match the whole.
#include "game/engine/tests/engine_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

// What a view that repaints only the reported areas would show, checked after every advance.
struct Viewer {
    EngineRig& rig;
    Surface shown{Controls::client_width, Controls::client_height, 0xff123456};
    int advances = 0;

    explicit Viewer(EngineRig& r) : rig(r) { shown.copy(rig.controls.windowSurface, 0, 0, shown.width(), shown.height(), 0, 0); }

    // Repaints the reported areas; true when the view then shows exactly the window's surface.
    bool repaint()
    {
        for (const Area& a : rig.controls.drawn)
            shown.copy(rig.controls.windowSurface, a.x, a.y, a.width, a.height, a.x, a.y);
        rig.controls.drawn.clear();
        const Surface& now = rig.controls.windowSurface;
        return std::equal(now.data(), now.data() + now.width() * now.height(), shown.data());
    }
    // Runs `ms`, one due moment at a time, repainting after each.
    void run(std::uint32_t ms)
    {
        const std::uint32_t end = rig.clock.now + ms;
        for (int guard = 0; guard < 100000; ++guard) {
            const std::optional<std::uint32_t> due = rig.engine.nextDue();
            const bool last = !due || static_cast<std::int32_t>(*due - end) > 0;
            rig.clock.now = last ? end : std::max<std::int32_t>(*due - rig.clock.now, 0) + rig.clock.now;
            rig.engine.advance();
            ++advances;
            ASSERT_TRUE(repaint()) << "after advance " << advances << " at " << rig.clock.now;
            if (last)
                return;
        }
    }
    void hold(const std::vector<Key>& keys, std::uint32_t ms)
    {
        rig.keys.hold(keys);
        run(ms);
        rig.keys.releaseAll();
    }
};

// The colour a cell shows at rest: its picture, or the figure's first frame where it stands.
Pixel restingColour(const Engine& e, int x, int y)
{
    if (x == e.playerx() && y == e.playery())
        return colour::strip(e.playerdir(), 0);
    static const Pixel by_code[] = {colour::blank, colour::border, colour::goal, colour::jewel, colour::obstacle};
    return by_code[e.maze().at(x, y)];
}

// Every inner cell, every pixel of it, shows what it would if the whole playfield were drawn anew.
void expectWholePicture(const EngineRig& rig)
{
    const Engine& e = rig.engine;
    for (int x = 1; x < e.maxx(); ++x)
        for (int y = 1; y < e.maxy(); ++y)
            for (int py = 0; py < 32; ++py)
                for (int px = 0; px < 32; ++px)
                    ASSERT_EQ(rig.controls.windowSurface.at(32 * x + px, 32 * y + py), restingColour(e, x, y))
                        << "cell " << x << "," << y;
}

TEST(Drawing, ReportsEveryPixelItChangesAndAtRestShowsTheWholePosition)
{
    EngineRig rig;
    rig.start(levelFrom({"##########", "##@o..o.##", "##.*....##", "##..o..G##", "##......##", "##########"}));
    Viewer view(rig);
    view.run(3000);  // the start effect, ring by ring, then the first step's drawing
    ASSERT_EQ(rig.engine.phase(), Engine::Phase::playing);
    expectWholePicture(rig);

    // Each hold lasts one move (a move takes 200 ms, the next step comes 25 ms later).
    view.hold({R, C}, 210);  // the crate beside the figure pushed, the other crates untouched
    view.run(100);
    expectWholePicture(rig);
    view.hold({D}, 700);  // three walks down, then the figure stands against the border
    view.hold({R}, 210);
    view.hold({U}, 210);  // under the jewel
    view.run(100);
    expectWholePicture(rig);
    view.hold({U, C}, 210);  // the jewel pushed up
    view.run(100);
    expectWholePicture(rig);
    rig.engine.requestTakeBack();  // the push taken back: the maze changes under the figure
    view.run(60);
    expectWholePicture(rig);
    rig.engine.requestTakeBack();  // and a walk: the figure leaves its cell without a frame
    view.run(60);
    expectWholePicture(rig);
    EXPECT_EQ(rig.engine.movesMade(), 5u);
}

TEST(Drawing, AFrameAfterTheWindowWasClearedBringsBackTheWholePlayfield)
{
    EngineRig rig;
    rig.start(levelFrom({"#########", "##@...o##", "##*....##", "##....G##", "#########"}));
    Viewer view(rig);
    view.run(3000);
    view.hold({R}, 30);  // a walk under way
    rig.controls.clearWindowSurface();  // as the pause key does
    ASSERT_TRUE(view.repaint());
    view.run(25);  // its next frame
    EXPECT_EQ(cellColour(rig.controls.windowSurface, 6, 1), colour::obstacle);
    EXPECT_EQ(cellColour(rig.controls.windowSurface, 6, 3), colour::goal);
    view.run(300);
    expectWholePicture(rig);
}

TEST(Drawing, APushStraightAfterTheStartEffectLeavesNoCellStale)
{
    EngineRig rig;
    rig.start(levelFrom({"##########", "##@o..o.##", "##*.o...##", "##.....G##", "##########"}));
    Viewer view(rig);
    rig.keys.hold({R, C});  // held through the start effect: the first step pushes
    for (int guard = 0; guard < 400 && rig.engine.movesMade() == 0; ++guard)
        view.run(5);
    // The push's frames left out every crate, on a back buffer the start effect had left black;
    // the walk that follows draws every cell, the other crate too.
    ASSERT_EQ(rig.engine.movesMade(), 1u);
    view.run(50);  // the step that starts the walk, then its first frame
    ASSERT_EQ(rig.engine.phase(), Engine::Phase::animating);
    EXPECT_EQ(cellColour(rig.controls.windowSurface, 4, 2), colour::obstacle);
    view.run(3000);
    rig.keys.releaseAll();
    view.run(300);  // the move under way ends
    view.hold({L}, 210);  // a walk back, drawn cell by cell
    view.run(100);
    expectWholePicture(rig);
}

} // namespace
} // namespace kelvaro
