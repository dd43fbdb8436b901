// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of a play-loop step and of an animation frame, for a 17 x 16 level and a 256 x 256 one.
#include "game/engine/engine.h"
#include "level/cell_kind.h"

#include <benchmark/benchmark.h>

namespace kelvaro {
namespace {

struct NoSound : SoundPort {
    void playOnce(Sound) override {}
    void playMusicLooping() override {}
    void stopMusic() override {}
    void rewindMusic() override {}
};

struct HeldKeys : KeyState {
    bool left = false, right = false;
    bool down(Key key) const override { return (key == Key::left && left) || (key == Key::right && right); }
};

Images benchImages()
{
    Images images;
    Pixel colour = 0xff101010;
    for (Surface* s : {&images.wall, &images.jewel, &images.goal, &images.blank, &images.crate,
                       &images.readyTile}) {
        s->reset(32, 32, colour);
        colour += 0x00202020;
    }
    for (Surface* s : {&images.playerUp, &images.playerRight, &images.playerLeft, &images.playerDown})
        s->reset(512, 32, 0xffc08040);
    return images;
}

GameLevel openLevel(int maxx, int maxy)
{
    GameLevel level;
    level.maze = Grid<std::uint8_t>(maxx, maxy, blank);
    for (int x = 0; x <= maxx; ++x)
        for (int y = 0; y <= maxy; ++y)
            if (x < 2 || y < 2 || x > maxx - 2 || y > maxy - 2)
                level.maze.at(x, y) = border;
            else if ((x * 7 + y * 3) % 5 == 0 && y != 2)
                level.maze.at(x, y) = obstacle;
    level.jewelx = 4;
    level.jewely = 4;
    level.maze.at(4, 4) = jewel;
    level.goalx = level.goaly = 5;
    level.maze.at(5, 5) = goal;
    level.playerx = level.playery = 2;
    level.timeleft = 30000;
    return level;
}

struct Rig {
    Controls controls;
    Images images = benchImages();
    NoSound sound;
    HeldKeys keys;
    std::uint32_t now = 0;
    Engine engine;

    Rig(int maxx, int maxy)
        : engine(controls, images, sound, keys, [this] { return now; },
                 [maxx, maxy](int) { return Result<GameLevel>(openLevel(maxx, maxy)); })
    {
        engine.startlevel(1);
        while (engine.phase() != Engine::Phase::playing) {
            now += 10;
            engine.advance();
        }
    }
};

// A step with no key held: the playfield is already on show, so nothing is drawn again.
void BM_IdleStep(benchmark::State& state)
{
    Rig rig(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        rig.now += 25;
        rig.engine.advance();
    }
}

// Walking to and fro along the top row: every call composes and shows one frame or takes a step.
void BM_WalkFrame(benchmark::State& state)
{
    Rig rig(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    rig.keys.left = rig.keys.right = true;
    for (auto _ : state) {
        rig.now += 25;
        rig.engine.advance();
    }
}

BENCHMARK(BM_IdleStep)->Args({16, 15})->Args({255, 255})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WalkFrame)->Args({16, 15})->Args({255, 255})->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kelvaro
