// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing level files of 16 x 16 and 256 x 256 cells.
#include "level/author_level.h"
#include "level/game_level.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace kelvaro {
namespace {

AuthorLevel framedLevel(int maxx, int maxy)
{
    AuthorLevel level;
    level.maze = Grid<AuthorCell>(maxx, maxy, AuthorCell(0));
    for (int x = 0; x <= maxx; ++x)
        for (int y = 0; y <= maxy; ++y)
            if (x < 2 || y < 2 || x > maxx - 2 || y > maxy - 2 || (x * 7 + y * 3) % 11 == 0)
                level.maze.at(x, y) = static_cast<std::int16_t>((x * 7 + y * 3) % 11 == 0 ? 4 : 1);
    level.jewelx = level.jewely = 3;
    level.goalx = level.goaly = 5;
    level.startx = level.starty = 2;
    level.leveltime = 75;
    return level;
}

void BM_GameRead(benchmark::State& state)
{
    const int max_index = static_cast<int>(state.range(0));
    const std::string text = writeAuthorLevel(framedLevel(max_index, max_index));
    for (auto _ : state) {
        std::istringstream in(text);
        auto level = readGameLevel(in);
        benchmark::DoNotOptimize(level);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

void BM_EditorRead(benchmark::State& state)
{
    const int max_index = static_cast<int>(state.range(0));
    const std::string text = writeAuthorLevel(framedLevel(max_index, max_index));
    for (auto _ : state) {
        std::istringstream in(text);
        auto level = readAuthorLevel(in);
        benchmark::DoNotOptimize(level);
    }
}

void BM_Write(benchmark::State& state)
{
    const int max_index = static_cast<int>(state.range(0));
    const AuthorLevel level = framedLevel(max_index, max_index);
    for (auto _ : state) {
        std::string text = writeAuthorLevel(level);
        benchmark::DoNotOptimize(text);
    }
}

BENCHMARK(BM_GameRead)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditorRead)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Write)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kelvaro
